// What the day says about invitations: the figure "Einladungen: x von y erteilt", unmet
// invitations first among the reasons, the capacity preview's warning about a teacher
// with more invitations than slots, and the preview list marking invited families.
#include "berechnung_hilfen.h"

#include "bearbeiten/vorrang.h"
#include "optimierung/gruende.h"
#include "optimierung/kennzahlen.h"
#include "vorschau/kapazitaet.h"
#include "vorschau/vorschauliste.h"

#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

const QString A = QStringLiteral("Frau Adler");
const QString B = QStringLiteral("Herr Berg");
QString Z(const char* zeit, const QString& wer) { return QString::fromLatin1(zeit) + QStringLiteral(" Uhr: ") + wer; }

// 15:00-15:20: two slots for each teacher. Written by hand: Adler talks to 5a and 5b,
// Berg to 5c. 5c is invited by Adler (unmet), 5a by Adler (met), 5b marked "Vorrang" for
// Berg (unmet), 5d asks Berg (unmet, normal).
void Tag(TSprechtag& tag)
{
    Rahmen(tag, 15, 0, 15, 20, 10);
    tag.SetRaumwechselPause(false);
    Lehrer(tag, A).Zeitplan = {Z("15:00", QStringLiteral("5a: Aal")), Z("15:10", QStringLiteral("5b: Bär"))};
    Lehrer(tag, B).Zeitplan = {Z("15:00", QStringLiteral("5c: Cäsar"))};
    Eltern(tag, QStringLiteral("5a: Aal"), {A}).Zeitplan.Setze({Z("15:00", A)});
    Eltern(tag, QStringLiteral("5b: Bär"), {A, B}).Zeitplan.Setze({Z("15:10", A)});
    Eltern(tag, QStringLiteral("5c: Cäsar"), {B, A}).Zeitplan.Setze({Z("15:00", B)});
    Eltern(tag, QStringLiteral("5d: Dachs"), {B});
    PrioritaetSetzen(tag, QStringLiteral("5a: Aal"), A, TPrioritaet::Einladung);
    PrioritaetSetzen(tag, QStringLiteral("5c: Cäsar"), A, TPrioritaet::Einladung);
    PrioritaetSetzen(tag, QStringLiteral("5b: Bär"), B, TPrioritaet::Vorrang);
    tag.PlaeneGueltig = true;
}

TEST(VorrangAuswertung, ZahlenUndGruendeMitEinladungenZuerst)
{
    TSprechtag tag;
    Tag(tag);
    const TPlanKennzahlen k = BerechnePlanKennzahlen(tag);
    EXPECT_EQ(EinladungenText(k), QStringLiteral("Einladungen: 1 von 2 erteilt"));
    EXPECT_EQ(VorrangText(k), QStringLiteral("Vorrang: 0 von 1 erteilt"));
    EXPECT_EQ(ErklaereNichtErfuellte(tag),
              (QStringList{QStringLiteral("Frau Adler  --  5c: Cäsar (Einladung): die Lehrkraft ist ausgebucht"),
                           QStringLiteral("Herr Berg  --  5b: Bär (Vorrang): kein freier Termin der Lehrkraft passt zu "
                                          "den Zeiten und übrigen Terminen der Familie"),
                           QStringLiteral("Herr Berg  --  5d: Dachs: kein freier Termin der Lehrkraft passt zu den "
                                          "Zeiten und übrigen Terminen der Familie")}));

    // Without marks nothing of this shows.
    for (const auto& e : tag.Eltern)
        e.record->Einladungen.clear(), e.record->Vorrang.clear();
    const TPlanKennzahlen ohne = BerechnePlanKennzahlen(tag);
    EXPECT_TRUE(EinladungenText(ohne).isEmpty());
    EXPECT_TRUE(VorrangText(ohne).isEmpty());
    EXPECT_FALSE(ErklaereNichtErfuellte(tag).join(u'\n').contains(QStringLiteral("Einladung")));
}

TEST(VorrangAuswertung, KapazitaetsvorschauNenntZuVieleEinladungen)
{
    const struct {
        int eingeladen;
        QStringList erwartet;
    } faelle[] = {
        {2, {}},
        {3, {QStringLiteral("Frau Adler hat 3 Einladungen, aber nur 2 Termine")}},
        {5, {QStringLiteral("Frau Adler hat 5 Einladungen, aber nur 2 Termine")}},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        Rahmen(tag, 15, 0, 15, 20, 10);
        Lehrer(tag, A);
        TLehrer& b = Lehrer(tag, B);
        b.AbweichZeit = true, b.StartZeit = b.EndZeit = Zeit::Kodiere(15, 0);
        for (int i = 0; i < 6; ++i) {
            const QString n = QStringLiteral("6a: Kind %1").arg(i);
            Eltern(tag, n, {B});
            if (i < f.eingeladen)
                PrioritaetSetzen(tag, n, A, TPrioritaet::Einladung);
        }
        QStringList erwartet = f.erwartet;
        // Berg has no slot at all and one invitation in every case.
        PrioritaetSetzen(tag, QStringLiteral("6a: Kind 5"), B, TPrioritaet::Einladung);
        erwartet << QStringLiteral("Herr Berg hat 1 Einladung, aber keinen Termin");
        EXPECT_EQ(EinladungenUeberKapazitaet(tag), erwartet) << f.eingeladen;
    }
}

TEST(VorrangAuswertung, VorschaulisteMarktEingeladeneFamilien)
{
    TSprechtag tag;
    Tag(tag);
    tag.Vorschau.Brief = {QStringLiteral("Liebe Kollegin,")};
    const QStringList z = Vorschauliste::ZeilenFuerLehrer(tag, A, *tag.Lehrer.Suche(A));
    EXPECT_EQ(z, (QStringList{QStringLiteral("KALUMO"), QString(), QStringLiteral("Lehrer(in): Frau Adler"), QString(),
                              QStringLiteral("Liebe Kollegin,"), QString(), QStringLiteral("1.  5a: Aal  (Einladung)"),
                              QStringLiteral("2.  5b: Bär"), QStringLiteral("3.  5c: Cäsar  (Einladung)"),
                              QStringLiteral("\f")}));
}

} // namespace
