#include "bearbeiten/geschwister.h"
#include "bearbeiten/namenswoerter.h"
#include "bearbeiten_hilfen.h"

#include <gtest/gtest.h>

namespace {

using bearbeiten_test::L;
using bearbeiten_test::S;

QStringList Woerter(const QString& name)
{
    QStringList r;
    const TNamensWoerter w = NamensWoerter(name);
    for (int i = 0; i < w.Anzahl(); ++i)
        r.append(w.W[size_t(i)]);
    return r;
}

TEST(NamensWoerter, TeiltWieGeschrieben)
{
    struct Fall {
        const char* name;
        QStringList woerter;
    };
    const Fall faelle[] = {
        {"5a: Meier", L({"Meier"})},
        {"5a: Meier-Schulz", L({"Meier", "Schulz"})},
        // A hyphen after the first blank does not split the first word.
        {"Hans Meier-Schulz", L({"Hans", "Meier", "Schulz"})},
        {"5a: A. Meier", L({"A.", "Meier"})},
        {"5a: A Meier", L({"Meier"})},
        {"Meier, Hans", L({"Meier,", "Hans"})},
        {"5a:  Meier", L({"Meier"})},
        {"Abc2 Meier", L({"Meier"})},
        // Dropped parts take no slot; after four words the rest is ignored.
        {"7b: Aa Bb Cc Dd Ee", L({"Aa", "Bb", "Cc", "Dd"})},
        {"Öztürk-Ünal", L({"Öztürk", "Ünal"})},
        {"", {}},
        {"5a:", {}},
        {"- -", {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(Woerter(S(f.name)), f.woerter);
    }
}

TEST(NamenAehnlich, VergleichtDieErstenWoerterMitGenauerSchreibung)
{
    struct Fall {
        const char* a;
        const char* b;
        int n;
        bool aehnlich;
    };
    const Fall faelle[] = {
        {"5a: Meier", "7c: Meier", 1, true},
        {"5a: Meier", "5b: meier", 1, false},
        {"5a: Meier", "5b: meier", 4, false},
        {"5a: Meier-Schulz", "7c: Schulz", 1, false},
        {"5a: Meier-Schulz", "7c: Schulz", 2, true},
        {"5a: A. Meier", "7c: Meier", 1, false},
        {"5a: A. Meier", "7c: Meier", 2, true},
        {"5a: A. Meier", "7c: A. Schulz", 1, true},
        // The selected entry's word count limits the slots on both sides.
        {"Meier", "Hans Meier", 2, false},
        {"Hans Meier", "Meier", 2, true},
        {"Meier", "Meier,", 1, false},
        {"5a:", "5a:", 4, false},
        {"Meier", "5a:", 1, false},
        // Out-of-range word counts are clamped.
        {"Hans Meier", "Meier", 0, false},
        {"Aa Bb Cc Dd", "Xx Yy Zz Dd", 9, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.a << " / " << f.b << " n=" << f.n);
        EXPECT_EQ(NamenAehnlich(NamensWoerter(S(f.a)), NamensWoerter(S(f.b)), f.n), f.aehnlich);
    }
}

class Geschwister : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* e : {"5a: Meier", "7c: Meier", "6b: Schulz", "8a: Schulz", "9c: Weber", "5b: meier",
                              "6a: Kurz", "7a: Lang"})
            ASSERT_TRUE(tag.ElternUebernehmen(S(e)).ok());
        tag.AlsGespeichertMarkieren();
    }
    TEltern& E(const char* name) { return *tag.Eltern.Suche(S(name)); }
    QStringList G(const char* name) { return E(name).Geschwister.Liste(); }
    void Familie(std::initializer_list<const char*> namen)
    {
        for (const char* x : namen)
            for (const char* y : namen)
                if (QString::fromUtf8(x) != QString::fromUtf8(y))
                    E(x).Geschwister.Hinzufuegen(S(y));
    }
    TSprechtag tag;
};

TEST_F(Geschwister, KandidatenMitUndOhneFilter)
{
    // Filter off: everybody but the selected entry, which is compared exactly.
    EXPECT_EQ(GeschwisterKandidaten(tag, S("5a: Meier"), false, 1),
              L({"5b: meier", "6a: Kurz", "6b: Schulz", "7a: Lang", "7c: Meier", "8a: Schulz", "9c: Weber"}));
    EXPECT_EQ(GeschwisterKandidaten(tag, {}, false, 1).size(), tag.Eltern.Anzahl());
    // Filter on: the similar names (exact case) and every current sibling.
    E("5a: Meier").Geschwister.Hinzufuegen(S("9C: WEBER"));
    EXPECT_EQ(GeschwisterKandidaten(tag, S("5a: Meier"), true, 1), L({"7c: Meier", "9c: Weber"}));
    EXPECT_EQ(GeschwisterKandidaten(tag, S("6b: Schulz"), true, 1), L({"8a: Schulz"}));
    EXPECT_TRUE(GeschwisterKandidaten(tag, {}, true, 1).isEmpty());
    EXPECT_TRUE(GeschwisterKandidaten(tag, S("gibt es nicht"), true, 1).isEmpty());
}

TEST_F(Geschwister, AuswahlMeldetFehlendeNamen)
{
    E("5a: Meier").Geschwister.Setze(L({"7C: MEIER", "3x: Weg", "6a: Kurz"}));
    const QStringList kandidaten = GeschwisterKandidaten(tag, S("5a: Meier"), true, 1);
    ASSERT_EQ(kandidaten, L({"6a: Kurz", "7c: Meier"}));
    const TListenAuswahl a = GeschwisterAuswahl(tag, S("5a: Meier"), kandidaten);
    EXPECT_EQ(a.Positionen, (QList<qsizetype>{0, 1}));
    EXPECT_EQ(a.Fehlend, L({"3x: Weg"}));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

TEST_F(Geschwister, MarkierenVereinigtZweiFamilien)
{
    Familie({"6b: Schulz", "8a: Schulz"});
    Familie({"5a: Meier", "7c: Meier"});
    // On the page of 5a: Meier, additionally mark 6b: Schulz.
    EXPECT_TRUE(GeschwisterSpeichern(tag, S("5a: Meier"), L({"7c: Meier", "6b: Schulz"})));
    EXPECT_EQ(G("5a: Meier"), L({"6b: Schulz", "7c: Meier", "8a: Schulz"}));
    EXPECT_EQ(G("7c: Meier"), L({"5a: Meier", "6b: Schulz", "8a: Schulz"}));
    EXPECT_EQ(G("6b: Schulz"), L({"5a: Meier", "7c: Meier", "8a: Schulz"}));
    EXPECT_EQ(G("8a: Schulz"), L({"5a: Meier", "6b: Schulz", "7c: Meier"}));
    EXPECT_TRUE(G("9c: Weber").isEmpty());
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
}

TEST_F(Geschwister, EntmarkierenWirftAusDerFamilie)
{
    struct Fall {
        const char* titel;
        QStringList markiert;
        QStringList x, y, z;
    };
    const Fall faelle[] = {
        {"einer", L({"8a: Schulz"}), L({"8a: Schulz"}), {}, L({"5a: Meier"})},
        {"beide", {}, {}, {}, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.titel);
        for (const auto& e : tag.Eltern)
            e.record->Geschwister.Leeren();
        Familie({"5a: Meier", "6b: Schulz", "8a: Schulz"});
        EXPECT_TRUE(GeschwisterSpeichern(tag, S("5a: Meier"), f.markiert));
        EXPECT_EQ(G("5a: Meier"), f.x);
        EXPECT_EQ(G("6b: Schulz"), f.y);
        EXPECT_EQ(G("8a: Schulz"), f.z);
    }
}

TEST_F(Geschwister, UnvollstaendigeFamilieWirdGeschlossen)
{
    // A chain from a file: X - Y, Y - Z, with one link spelled in another case.
    E("5a: Meier").Geschwister.Hinzufuegen(S("7c: Meier"));
    E("7c: Meier").Geschwister.Setze(L({"5A: MEIER", "9c: Weber"}));
    E("9c: Weber").Geschwister.Setze(L({"7c: Meier", "2z: Unbekannt"}));
    EXPECT_TRUE(GeschwisterSpeichern(tag, S("5a: Meier"), L({"7c: Meier"})));
    EXPECT_EQ(G("5a: Meier"), L({"7c: Meier", "9c: Weber"}));
    EXPECT_EQ(G("7c: Meier"), L({"5A: MEIER", "9c: Weber"}));
    // The unknown name stays where it is; the family is complete around it.
    EXPECT_EQ(G("9c: Weber"), L({"2z: Unbekannt", "5a: Meier", "7c: Meier"}));
}

TEST_F(Geschwister, GleicheMarkierungAendertNichts)
{
    Familie({"5a: Meier", "7c: Meier"});
    tag.AlsGespeichertMarkieren();
    EXPECT_FALSE(GeschwisterSpeichern(tag, S("5a: Meier"), L({"7c: Meier"})));
    EXPECT_FALSE(GeschwisterSpeichern(tag, S("9c: Weber"), {}));
    EXPECT_FALSE(GeschwisterSpeichern(tag, S(""), L({"7c: Meier"})));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    // An entry never becomes its own sibling, whatever the list hands over.
    EXPECT_TRUE(GeschwisterSpeichern(tag, S("9c: Weber"), L({"9C: Weber", "6a: Kurz"})));
    EXPECT_EQ(G("9c: Weber"), L({"6a: Kurz"}));
    EXPECT_EQ(G("6a: Kurz"), L({"9c: Weber"}));
}

TEST_F(Geschwister, SprunglisteNenntPositionen)
{
    E("5a: Meier").Geschwister.Setze(L({"7c: Meier", "3x: Weg", "6a: kurz"}));
    const QList<TGeschwisterSprung> s = GeschwisterSprungliste(tag, S("5a: Meier"));
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(s[0].Name, S("3x: Weg"));
    EXPECT_EQ(s[0].Position, -1);
    EXPECT_EQ(s[1].Name, S("6a: kurz"));
    EXPECT_EQ(s[1].Position, tag.Eltern.IndexVon(S("6a: Kurz")));
    EXPECT_EQ(s[2].Position, tag.Eltern.IndexVon(S("7c: Meier")));
    EXPECT_TRUE(GeschwisterSprungliste(tag, S("9c: Weber")).isEmpty());
    EXPECT_EQ(GeschwisterKeineText(), S("Keine Geschwister für diesen Schüler markiert"));
}

} // namespace
