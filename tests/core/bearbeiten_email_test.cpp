// The e-mail fields of the detail pages: a typed address replaces the one its field showed,
// an implausible one or one with a control character changes nothing and is named with its
// field, and every change is one step that undo takes back.
#include "bearbeiten/emailfelder.h"
#include "model/sprechtag.h"
#include "verlauf/verlauf.h"

#include <gtest/gtest.h>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

QStringList L(std::initializer_list<const char*> t)
{
    QStringList l;
    for (const char* x : t)
        l << S(x);
    return l;
}

class EMailFelder : public testing::Test {
protected:
    void SetUp() override
    {
        tag.LehrerUebernehmen(S("Abel (7)"));
        tag.ElternUebernehmen(S("5a: Groß"));
        tag.Verlauf()->NeuBeginnen();
        tag.AlsGespeichertMarkieren();
    }
    TEltern& gross() { return *tag.Eltern.Suche(S("5a: Groß")); }
    TSprechtag tag;
};

TEST_F(EMailFelder, ElternfelderErsetzenDieGezeigteAdresse)
{
    struct Fall {
        const char* name;
        QStringList vorher;
        const char* bisher; ///< what the field showed
        const char* text;
        QStringList nachher;
    };
    const Fall faelle[] = {
        {"erste Adresse", {}, "", "mama@example.org", L({"mama@example.org"})},
        {"zweite dazu", L({"mama@example.org"}), "", " papa@example.org ", L({"mama@example.org", "papa@example.org"})},
        {"erste ersetzt", L({"a@example.org", "b@example.org"}), "a@example.org", "c@example.org", L({"c@example.org", "b@example.org"})},
        {"zweite ersetzt", L({"a@example.org", "b@example.org"}), "b@example.org", "c@example.org", L({"a@example.org", "c@example.org"})},
        {"erste geleert rückt auf", L({"a@example.org", "b@example.org"}), "a@example.org", "", L({"b@example.org"})},
        {"nur Leerzeichen leert", L({"a@example.org"}), "a@example.org", "   ", L({})},
        {"doppelt wird nicht doppelt", L({"a@example.org", "b@example.org"}), "b@example.org", "A@example.org", L({"a@example.org"})},
        {"Umlaut in der Domain", L({}), "", "eltern@müller-familie.de", L({"eltern@müller-familie.de"})},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        gross().EMail = f.vorher;
        const TEMailEingabe r = ElternEMailSetzen(tag, S("5a: Groß"), S(f.bisher), S(f.text), ElternEMailFeld2);
        EXPECT_TRUE(r.Ok);
        EXPECT_TRUE(r.Meldung.isEmpty()) << r.Meldung.toStdString();
        EXPECT_EQ(gross().EMail, f.nachher);
    }

    // Both fields edited before either was taken: the first emptied, the second changed.
    gross().EMail = L({"a@example.org", "b@example.org"});
    ElternEMailSetzen(tag, S("5a: Groß"), S("a@example.org"), QString(), ElternEMailFeld1);
    ElternEMailSetzen(tag, S("5a: Groß"), S("b@example.org"), S("c@example.org"), ElternEMailFeld2);
    EXPECT_EQ(gross().EMail, L({"c@example.org"}));
}

TEST_F(EMailFelder, UngueltigeAdressenAendernNichtsUndNennenDasFeld)
{
    const char* falsch[] = {"mama", "mama@", "@example.org", "mama@example", "ma ma@example.org", "mama@example.org\r\nBcc: x@y.de",
                            "mama@exa\tmple.org", "mama@example.123"};
    for (const char* t : falsch) {
        SCOPED_TRACE(t);
        gross().EMail = L({"alt@example.org"});
        tag.Lehrer.Suche(S("Abel (7)"))->EMail = L({"abel@schule.example"});
        const quint64 stand = tag.Stand();
        const TEMailEingabe e = ElternEMailSetzen(tag, S("5a: Groß"), S("alt@example.org"), S(t), ElternEMailFeld2);
        EXPECT_FALSE(e.Ok);
        EXPECT_TRUE(e.Meldung.contains(S("„Zweite E-Mail“"))) << e.Meldung.toStdString();
        const TEMailEingabe l = LehrerEMailSetzen(tag, S("Abel (7)"), S(t));
        EXPECT_FALSE(l.Ok);
        EXPECT_TRUE(l.Meldung.contains(S("„E-Mail“"))) << l.Meldung.toStdString();
        EXPECT_EQ(gross().EMail, L({"alt@example.org"}));
        EXPECT_EQ(tag.Lehrer.Suche(S("Abel (7)"))->EMail, L({"abel@schule.example"}));
        EXPECT_EQ(tag.Stand(), stand);
    }
    // A third address has no field: refused, not silently dropped.
    gross().EMail = L({"a@example.org", "b@example.org"});
    const TEMailEingabe drei = ElternEMailSetzen(tag, S("5a: Groß"), QString(), S("c@example.org"), ElternEMailFeld2);
    EXPECT_FALSE(drei.Ok);
    EXPECT_EQ(gross().EMail, L({"a@example.org", "b@example.org"}));
}

TEST_F(EMailFelder, JedeAenderungIstEinSchrittUndGleichesAendertNichts)
{
    ASSERT_TRUE(LehrerEMailSetzen(tag, S("Abel (7)"), S("abel@schule.example")).Ok);
    EXPECT_EQ(tag.Verlauf()->RueckgaengigName(), S("E-Mail-Adresse von „Abel (7)“ ändern"));
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
    ASSERT_TRUE(ElternEMailSetzen(tag, S("5a: Groß"), QString(), S("mama@example.org"), ElternEMailFeld1).Ok);
    EXPECT_EQ(tag.Verlauf()->RueckgaengigName(), S("E-Mail-Adresse von „5a: Groß“ ändern"));

    // The same text again, and a name the day does not hold, are no step.
    const qsizetype schritte = tag.Verlauf()->Index();
    LehrerEMailSetzen(tag, S("Abel (7)"), S(" abel@schule.example "));
    LehrerEMailSetzen(tag, S("Niemand (0)"), S("x@example.org"));
    ElternEMailSetzen(tag, S("5a: Groß"), S("mama@example.org"), S("mama@example.org"), ElternEMailFeld1);
    EXPECT_EQ(tag.Verlauf()->Index(), schritte);

    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_TRUE(gross().EMail.isEmpty());
    EXPECT_EQ(tag.Lehrer.Suche(S("Abel (7)"))->EMail, L({"abel@schule.example"}));
    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_TRUE(tag.Lehrer.Suche(S("Abel (7)"))->EMail.isEmpty());
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    ASSERT_TRUE(tag.Wiederholen());
    ASSERT_TRUE(tag.Wiederholen());
    EXPECT_EQ(gross().EMail, L({"mama@example.org"}));

    // Emptying the field removes the address.
    ASSERT_TRUE(LehrerEMailSetzen(tag, S("Abel (7)"), QString()).Ok);
    EXPECT_TRUE(tag.Lehrer.Suche(S("Abel (7)"))->EMail.isEmpty());
}

} // namespace
