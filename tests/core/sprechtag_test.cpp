#include "bearbeiten/lehrerzeiten.h"
#include "bearbeiten/sprechwuensche.h"
#include "datei/datei.h"
#include "datei/inhaltsmaske.h"
#include "model/sprechtag.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

class Tag : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* l : {"Abel (7)", "Bauer (3)", "Zander (101)"})
            ASSERT_TRUE(tag.LehrerUebernehmen(S(l)).ok());
        for (const char* e : {"5a: Weber", "7b: Weber", "9c: Weber", "6a: Kurz"})
            ASSERT_TRUE(tag.ElternUebernehmen(S(e)).ok());
        auto& w5 = *tag.Eltern.Suche(S("5a: Weber"));
        auto& w7 = *tag.Eltern.Suche(S("7b: Weber"));
        auto& w9 = *tag.Eltern.Suche(S("9c: Weber"));
        w5.Geschwister.Setze({S("7b: Weber"), S("9c: Weber")});
        w7.Geschwister.Setze({S("5a: Weber"), S("9c: Weber")});
        w9.Geschwister.Setze({S("5a: Weber"), S("7b: Weber")});
        w5.Sprechwuensche = {S("Abel (7)"), S("Bauer (3)"), S("abel (7)")};
        tag.Eltern.Suche(S("6a: Kurz"))->Sprechwuensche = {S("Bauer (3)"), S("Abel (7)")};
        tag.Lehrer.Suche(S("Abel (7)"))->Ablehnungen = {S("7b: Weber"), S("6a: Kurz"), S("7B: WEBER")};
    }
    TSprechtag tag;
};

TEST_F(Tag, NeueNamenWerdenGeprueft)
{
    struct Fall {
        const char* name;
        bool lehrer;
        TNamensFehler fehler;
    };
    const Fall faelle[] = {
        {"", true, TNamensFehler::Leer},
        {"ABEL (7)", true, TNamensFehler::Doppelt},
        {"6A: KURZ", false, TNamensFehler::Doppelt},
        {"Yıldız (4)", true, TNamensFehler::FremdesZeichen},
        {"Łukasz (4)", true, TNamensFehler::FremdesZeichen},
        {"Doğan (4)", true, TNamensFehler::FremdesZeichen},
        {"Lehrername (RaumNr)", true, TNamensFehler::Keiner},
        {"Größe € ß (4)", true, TNamensFehler::Keiner},
        {"Abel (7) ", true, TNamensFehler::Keiner},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const qsizetype vorher = f.lehrer ? tag.Lehrer.Anzahl() : tag.Eltern.Anzahl();
        const TNeuerName r = f.lehrer ? tag.LehrerUebernehmen(S(f.name)) : tag.ElternUebernehmen(S(f.name));
        EXPECT_EQ(r.fehler, f.fehler);
        const qsizetype nachher = f.lehrer ? tag.Lehrer.Anzahl() : tag.Eltern.Anzahl();
        EXPECT_EQ(nachher, vorher + (r.ok() ? 1 : 0));
    }
}

TEST_F(Tag, MeldungNenntDasFremdeZeichen)
{
    const TNeuerName r = tag.LehrerUebernehmen(S("Yıldız (4)"));
    const QString m = NamensMeldung(r, true);
    EXPECT_TRUE(m.contains(S("ı"))) << m.toStdString();
    EXPECT_TRUE(m.contains(S("U+0131"))) << m.toStdString();
    EXPECT_EQ(NamensMeldung(tag.LehrerUebernehmen(S("abel (7)")), true), S("Diesen Lehrer gibt es in der Liste schon!"));
    EXPECT_EQ(NamensMeldung(tag.ElternUebernehmen(S("6a: kurz")), false), S("Diese Eltern gibt es in der Liste schon!"));
}

TEST_F(Tag, LehrerEntfernenLoeschtNurGenauGleicheSprechwuensche)
{
    tag.LehrerEntfernen(S("ABEL (7)"));
    EXPECT_EQ(tag.Lehrer.Anzahl(), 2);
    EXPECT_EQ(tag.Eltern.Suche(S("5a: Weber"))->Sprechwuensche, (QStringList{S("Bauer (3)"), S("abel (7)")}));
    EXPECT_EQ(tag.Eltern.Suche(S("6a: Kurz"))->Sprechwuensche, QStringList{S("Bauer (3)")});
    tag.LehrerEntfernen(S("Niemand"));
    EXPECT_EQ(tag.Lehrer.Anzahl(), 2);
}

TEST_F(Tag, ElternEntfernenRaeumtGeschwisterUndAblehnungenAuf)
{
    tag.ElternEntfernen(S("7B: weber"));
    EXPECT_EQ(tag.Eltern.Anzahl(), 3);
    EXPECT_EQ(tag.Eltern.Suche(S("5a: Weber"))->Geschwister.Liste(), QStringList{S("9c: Weber")});
    EXPECT_EQ(tag.Eltern.Suche(S("9c: Weber"))->Geschwister.Liste(), QStringList{S("5a: Weber")});
    EXPECT_EQ(tag.Lehrer.Suche(S("Abel (7)"))->Ablehnungen, (QStringList{S("6a: Kurz"), S("7B: WEBER")}));
}

TEST_F(Tag, AllesLoeschenRaeumtDieGegenseite)
{
    tag.Lehrer.Suche(S("Abel (7)"))->AbweichZeit = true;
    tag.ElternLoesch();
    EXPECT_TRUE(tag.Eltern.IstLeer());
    for (const auto& l : tag.Lehrer)
        EXPECT_TRUE(l.record->Ablehnungen.isEmpty());
    EXPECT_TRUE(tag.Lehrer.Suche(S("Abel (7)"))->AbweichZeit);

    ASSERT_TRUE(tag.ElternUebernehmen(S("6a: Kurz")).ok());
    tag.Eltern.Suche(S("6a: Kurz"))->Sprechwuensche = {S("Bauer (3)")};
    tag.LehrerLoesch();
    EXPECT_TRUE(tag.Lehrer.IstLeer());
    EXPECT_TRUE(tag.Eltern.Suche(S("6a: Kurz"))->Sprechwuensche.isEmpty());
}

TEST_F(Tag, ZaehlerTexte)
{
    EXPECT_EQ(tag.AnzLehrerText(), S("3 Lehrer"));
    EXPECT_EQ(tag.AnzElternText(), S("4 Eltern"));
    tag.LehrerEntfernen(S("Abel (7)"));
    tag.LehrerEntfernen(S("Bauer (3)"));
    EXPECT_EQ(tag.AnzLehrerText(), S("1 Lehrer"));
    tag.LehrerLoesch();
    tag.ElternLoesch();
    EXPECT_EQ(tag.AnzLehrerText(), S("Keine Lehrer"));
    EXPECT_EQ(tag.AnzElternText(), S("Keine Eltern"));
}

TEST_F(Tag, AnzWuenscheZaehltJedeElternzeileEinmal)
{
    EXPECT_EQ(tag.AnzWuensche(S("Abel (7)")), 2);
    EXPECT_EQ(tag.AnzWuensche(S("BAUER (3)")), 2);
    EXPECT_EQ(tag.AnzWuensche(S("Zander (101)")), 0);
    EXPECT_EQ(tag.AnzSprechwuensche(), 5);
}

TEST(Pausen, HoechstensZehnUndEntfernenRuecktNach)
{
    TSprechtag tag;
    for (int i = 0; i < TSprechtag::MaxPausen; ++i)
        ASSERT_NE(tag.NeuePause(), nullptr);
    EXPECT_EQ(tag.NeuePause(), nullptr);
    EXPECT_EQ(tag.Pausen.size(), 10u);
    tag.Pausen[4]->SetStart(Zeit::Kodiere(16, 0));
    tag.PauseEntfernen(3);
    EXPECT_EQ(tag.Pausen.size(), 9u);
    EXPECT_EQ(tag.Pausen[3]->Start(), Zeit::Kodiere(16, 0));
}

TEST(Aenderungen, JedeAenderungMeldetUngespeichertes)
{
    TSprechtag tag;
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    tag.LehrerUebernehmen(QStringLiteral("A"));
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
    tag.AlsGespeichertMarkieren();
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    tag.LehrerUebernehmen(QStringLiteral("a"));
    EXPECT_FALSE(tag.UngespeicherteAenderungen()) << "a refused name changes nothing";
}

// Views compare the change count to tell whether what they show is still the day's: every
// kind of change raises it, saving and loading never lower it.
TEST(Aenderungen, JedeAenderungErhoehtDenStand)
{
    TSprechtag quelle;
    ASSERT_TRUE(quelle.LehrerUebernehmen(QStringLiteral("Quelle")).ok());
    const QByteArray datei = Datei::SpeichereInBytes(quelle, Inhalt::OhnePlaene);

    TSprechtag tag;
    ASSERT_TRUE(tag.LehrerUebernehmen(QStringLiteral("Huber")).ok());
    ASSERT_TRUE(tag.ElternUebernehmen(QStringLiteral("5a: Weber")).ok());
    struct Fall {
        const char* name;
        std::function<void()> aendern;
    };
    const Fall faelle[] = {
        {"neue Lehrkraft", [&] { tag.LehrerUebernehmen(QStringLiteral("Abel")); }},
        {"Sprechwunsch", [&] { SprechwuenscheSpeichern(tag, QStringLiteral("5a: Weber"), {QStringLiteral("Huber")}); }},
        {"eigene Sprechzeit", [&] {
             AbweichZeitSetzen(tag, QStringLiteral("Huber"), true);
             LehrerStartEingabe(tag, QStringLiteral("Huber"), QStringLiteral("16:00"));
         }},
        {"Ende des Tages", [&] { tag.SetSprechEnde(tag.Vorgaben.SprechEnde + 1.0 / 24); }},
        {"Takt", [&] { tag.SetSprechTakt(15); }},
        {"Pause", [&] { tag.NeuePause(); }},
        {"Eintrag entfernt", [&] { tag.ElternEntfernen(QStringLiteral("5a: Weber")); }},
        {"Laden (Ersetzen)", [&] { ASSERT_TRUE(Datei::LadeAusBytes(tag, datei, TLadeModus::Ersetzen).Fehler.isEmpty()); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        tag.AlsGespeichertMarkieren();
        const quint64 vorher = tag.Stand();
        f.aendern();
        EXPECT_GT(tag.Stand(), vorher);
        const quint64 danach = tag.Stand();
        tag.AlsGespeichertMarkieren();
        EXPECT_EQ(tag.Stand(), danach) << "saving changes nothing of the day";
    }
    EXPECT_EQ(tag.Lehrer.Namen(), QStringList{QStringLiteral("Quelle")});
}

} // namespace
