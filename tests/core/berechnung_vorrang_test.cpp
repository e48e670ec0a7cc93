// The computation on days with priorities: invitations are granted and placed before
// "Vorrang" requests, and those before the rest. Days where only that order decides, with
// the plans worked out by hand.
#include "berechnung_hilfen.h"

#include "bearbeiten/vorrang.h"

#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

const QString A = QStringLiteral("Adler (R1)");
const QString B = QStringLiteral("Berg (R2)");
const QString Aal = QStringLiteral("5a: Aal");
const QString Baer = QStringLiteral("5b: Bär");

// One slot (15:00) and two entries asking for it. Without marks the first entry of the
// list wins the only grant pass.
TEST(BerechnungVorrang, EinSlotZweiWuenscheDieRangfolgeEntscheidet)
{
    const struct {
        const char* fall;
        TPrioritaet aal, baer;
        const QString& sieger;
    } faelle[] = {
        {"ohne Marken", TPrioritaet::Normal, TPrioritaet::Normal, Aal},
        {"Einladung schlägt normal", TPrioritaet::Normal, TPrioritaet::Einladung, Baer},
        {"Vorrang schlägt normal", TPrioritaet::Normal, TPrioritaet::Vorrang, Baer},
        {"Einladung schlägt Vorrang", TPrioritaet::Vorrang, TPrioritaet::Einladung, Baer},
        {"Einladung vor Vorrang, andersherum", TPrioritaet::Einladung, TPrioritaet::Vorrang, Aal},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        Rahmen(tag, 15, 0, 15, 10, 10);
        Lehrer(tag, A);
        Eltern(tag, Aal, {A});
        Eltern(tag, Baer, {A});
        PrioritaetSetzen(tag, Aal, A, f.aal);
        PrioritaetSetzen(tag, Baer, A, f.baer);
        Rechne(tag);
        const QString& verlierer = &f.sieger == &Aal ? Baer : Aal;
        EXPECT_EQ(tag.Lehrer.Suche(A)->Zeitplan, QStringList{QStringLiteral("15:00 Uhr: ") + f.sieger}) << f.fall;
        EXPECT_EQ(tag.Eltern.Suche(f.sieger)->Zeitplan.Liste(), QStringList{QStringLiteral("15:00 Uhr: ") + A}) << f.fall;
        EXPECT_EQ(tag.Eltern.Suche(f.sieger)->Erteilt, QStringList{A}) << f.fall;
        EXPECT_TRUE(tag.Eltern.Suche(verlierer)->Zeitplan.Liste().isEmpty()) << f.fall;
        EXPECT_TRUE(tag.Eltern.Suche(verlierer)->Erteilt.isEmpty()) << f.fall;
    }
}

// One family, two talks; Berg can only at 15:00, Adler at 15:00 or 15:10. Placed first, the
// invited talk with Berg takes 15:00 and Adler's talk goes to 15:10 – whatever the draws.
TEST(BerechnungVorrang, EingeladeneGespraecheWerdenZuerstPlatziert)
{
    for (int lauf = 0; lauf < 8; ++lauf) {
        TSprechtag tag;
        Rahmen(tag, 15, 0, 15, 20, 10);
        tag.SetRaumwechselPause(false);
        Lehrer(tag, A);
        TLehrer& b = Lehrer(tag, B);
        b.AbweichZeit = true;
        b.StartZeit = Zeit::Kodiere(15, 0);
        b.EndZeit = Zeit::Kodiere(15, 10);
        Eltern(tag, Aal, {A, B});
        PrioritaetSetzen(tag, Aal, B, TPrioritaet::Einladung);
        tag.Zufall.SetSeed(quint32(1000 + 77 * lauf));
        Rechne(tag);
        EXPECT_EQ(tag.Eltern.Suche(Aal)->Zeitplan.Liste(),
                  (QStringList{QStringLiteral("15:00 Uhr: ") + B, QStringLiteral("15:10 Uhr: ") + A}))
            << lauf;
        EXPECT_EQ(tag.Eltern.Suche(Aal)->Erteilt, (QStringList{B, A})) << lauf;
        EXPECT_EQ(tag.Lehrer.Suche(B)->Zeitplan, QStringList{QStringLiteral("15:00 Uhr: ") + Aal}) << lauf;
    }
}

// Aal is invited by Adler and asks for nothing else; Bär marks nothing and asks for both
// teachers. The normal requests still get a pass each: Bär is granted both talks.
TEST(BerechnungVorrang, ElternOhneMarkenBekommenAlleDurchgaenge)
{
    TSprechtag tag;
    Rahmen(tag, 15, 0, 15, 20, 10);
    tag.SetRaumwechselPause(false);
    Lehrer(tag, A);
    Lehrer(tag, B);
    Eltern(tag, Aal, {A});
    Eltern(tag, Baer, {A, B});
    PrioritaetSetzen(tag, Aal, A, TPrioritaet::Einladung);
    const TBerechnungsErgebnis r = Rechne(tag);
    EXPECT_EQ(r.Bewilligt, 3);
    EXPECT_EQ(tag.Eltern.Suche(Aal)->Zeitplan.Liste().size(), 1);
    EXPECT_EQ(tag.Eltern.Suche(Baer)->Erteilt.size(), 2);
    EXPECT_EQ(tag.Eltern.Suche(Baer)->Zeitplan.Liste().size(), 2);
}

} // namespace
