// A teacher dropping out: worked examples on a hand-written day (which talks stay, move
// or are cancelled, and the plan lines afterwards), the property that only the listed
// entries' plans change on generated days for every kind of drop-out, and that planning
// alone leaves the day untouched.
#include "berechnung_hilfen.h"
#include "plan_pruefer.h"

#include "beispiel/beispieltag.h"
#include "optimierung/ausfall.h"
#include "optimierung/plaene.h"
#include "optimierung/zustand.h"
#include "raster/tagesraster.h"

#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

const QString A = QStringLiteral("Adler (R1)");
const QString X = QStringLiteral("Xaver (R2)");
const QString Eins = QStringLiteral("1a: Eins");
const QString Zwei = QStringLiteral("1b: Zwei");
const QString Drei = QStringLiteral("1c: Drei");

QString Z(const char* zeit, const QString& wer) { return QString::fromLatin1(zeit) + QStringLiteral(" Uhr: ") + wer; }

// 15:00-16:00, 10 minutes (slots 0..5), no room change. Written by hand as a valid plan:
//   Adler: 15:00 Eins, 15:10 Zwei, 15:40 Drei      Xaver: 15:20 Drei, 15:30 Zwei
// Waiting: Zwei 15:10/15:30 and Drei 15:20/15:40 one slot each.
void KleinerTag(TSprechtag& tag)
{
    Rahmen(tag, 15, 0, 16, 0, 10);
    tag.SetRaumwechselPause(false);
    Lehrer(tag, A).Zeitplan = {Z("15:00", Eins), Z("15:10", Zwei), Z("15:40", Drei)};
    Lehrer(tag, X).Zeitplan = {Z("15:20", Drei), Z("15:30", Zwei)};
    Eltern(tag, Eins, {A}).Zeitplan.Setze({Z("15:00", A)});
    Eltern(tag, Zwei, {A, X}).Zeitplan.Setze({Z("15:10", A), Z("15:30", X)});
    Eltern(tag, Drei, {A, X}).Zeitplan.Setze({Z("15:20", X), Z("15:40", A)});
    tag.PlaeneGueltig = true;
}

QStringList Zeilen(const std::vector<TAusfallTermin>& termine)
{
    QStringList z;
    for (const auto& t : termine)
        z << t.Lehrer + u' ' + t.Eltern + u' ' + t.AltZeit + QStringLiteral("->") + t.NeuZeit;
    return z;
}

TAusfallWunsch Wunsch(TAusfallArt art, int std = 0, int min = 0)
{
    return {A, art, Zeit::Kodiere(std, min)};
}

TEST(Ausfall, WorkedExamplesOnAHandWrittenDay)
{
    struct Fall {
        const char* name;
        TAusfallWunsch wunsch;
        QStringList behalten, verschoben, abgesagt, familien;
        QStringList adler, zwei, drei;
        QString sprechzeit;
    };
    const std::vector<Fall> faelle = {
        // Slots 3..5 remain with 3 and 5 free: both fit without moving anyone, Eins
        // (earlier) first takes the first slot.
        {"ab 15:30",
         Wunsch(TAusfallArt::Ab, 15, 30),
         {A + u' ' + Drei + QStringLiteral(" 15:40->15:40")},
         {A + u' ' + Eins + QStringLiteral(" 15:00->15:30"), A + u' ' + Zwei + QStringLiteral(" 15:10->15:50")},
         {},
         {Eins, Zwei},
         {Z("15:30", Eins), Z("15:40", Drei), Z("15:50", Zwei)},
         {Z("15:30", X), Z("15:50", A)},
         {Z("15:20", X), Z("15:40", A)},
         QStringLiteral("15:30 bis 16:00")},
        // Slots 0..2 remain, only 15:20 free, where Drei talks to Xaver: one talk must
        // move. Of the three ways with one move (Eins to 15:20; Zwei to 15:20; Drei's
        // Xaver talk elsewhere) moving Zwei leaves no waiting at all.
        {"bis 15:30",
         Wunsch(TAusfallArt::Bis, 15, 30),
         {A + u' ' + Eins + QStringLiteral(" 15:00->15:00")},
         {A + u' ' + Zwei + QStringLiteral(" 15:10->15:20"), A + u' ' + Drei + QStringLiteral(" 15:40->15:10")},
         {},
         {Zwei, Drei},
         {Z("15:00", Eins), Z("15:10", Drei), Z("15:20", Zwei)},
         {Z("15:20", A), Z("15:30", X)},
         {Z("15:10", A), Z("15:20", X)},
         QStringLiteral("15:00 bis 15:30")},
        {"ganz",
         Wunsch(TAusfallArt::Ganz),
         {},
         {},
         {A + u' ' + Eins + QStringLiteral(" 15:00->"), A + u' ' + Zwei + QStringLiteral(" 15:10->"),
          A + u' ' + Drei + QStringLiteral(" 15:40->")},
         {Eins, Zwei, Drei},
         {},
         {Z("15:30", X)},
         {Z("15:20", X)},
         QStringLiteral("keine")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TSprechtag tag;
        KleinerTag(tag);
        ASSERT_TRUE(AusfallHindernis(tag, f.wunsch).isEmpty());
        const TAusfallPlan plan = PlaneAusfall(tag, f.wunsch);
        EXPECT_EQ(Zeilen(plan.Behalten), f.behalten);
        EXPECT_EQ(Zeilen(plan.Verschoben), f.verschoben);
        EXPECT_EQ(Zeilen(plan.Abgesagt), f.abgesagt);
        EXPECT_EQ(plan.Familien, f.familien);
        EXPECT_EQ(plan.NeueSprechzeit, f.sprechzeit);

        WendeAusfallAn(tag, plan);
        EXPECT_EQ(tag.Lehrer.Suche(A)->Zeitplan, f.adler);
        EXPECT_EQ(tag.Eltern.Suche(Zwei)->Zeitplan.Liste(), f.zwei);
        EXPECT_EQ(tag.Eltern.Suche(Drei)->Zeitplan.Liste(), f.drei);
        EXPECT_TRUE(tag.Lehrer.Suche(A)->AbweichZeit);
        const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
        EXPECT_TRUE(b.Fehler.isEmpty()) << b.Fehler.join(u'\n').toStdString();
        EXPECT_TRUE(tag.UngespeicherteAenderungen());
    }
}

TEST(Ausfall, SiblingMarksAndFreeSlotLinesFollowTheMove)
{
    // Eins and Drei are siblings; Adler keeps free slot lines and has 15:10 to 15:30
    // free. Eins leaves 15:00: at 15:10 the family would wait a slot, 15:20 is Drei's
    // Xaver talk, so 15:30. The bracketed mark in Drei's plan moves along, 15:00 goes
    // with the hours, the other free lines stay.
    TSprechtag tag;
    KleinerTag(tag);
    Geschwister(tag, Eins, Drei);
    tag.FreieTermineAnzeigen = true;
    const QString frei;
    const QString klammerA = QStringLiteral("[ ") + A + QStringLiteral(" ]");
    const QString klammerX = QStringLiteral("[ ") + X + QStringLiteral(" ]");
    tag.Lehrer.Suche(A)->Zeitplan = {Z("15:00", Eins), Z("15:10", frei), Z("15:20", frei),
                                     Z("15:30", frei), Z("15:40", Drei), Z("15:50", Zwei)};
    tag.Lehrer.Suche(X)->Zeitplan = {Z("15:00", frei), Z("15:10", frei), Z("15:20", Drei),
                                     Z("15:30", Zwei), Z("15:40", frei), Z("15:50", frei)};
    tag.Eltern.Suche(Zwei)->Zeitplan.Setze({Z("15:30", X), Z("15:50", A)});
    tag.Eltern.Suche(Eins)->Zeitplan.Setze({Z("15:00", A), Z("15:20", klammerX), Z("15:40", klammerA)});
    tag.Eltern.Suche(Drei)->Zeitplan.Setze({Z("15:00", klammerA), Z("15:20", X), Z("15:40", A)});
    ASSERT_TRUE(PlanPruefer::Pruefe(tag).Fehler.isEmpty()) << PlanPruefer::Pruefe(tag).Fehler.join(u'\n').toStdString();

    const TAusfallPlan plan = PlaneAusfall(tag, Wunsch(TAusfallArt::Ab, 15, 10));
    EXPECT_EQ(Zeilen(plan.Verschoben), QStringList{A + u' ' + Eins + QStringLiteral(" 15:00->15:30")});
    EXPECT_TRUE(plan.Abgesagt.empty());
    EXPECT_EQ(plan.Familien, (QStringList{Eins, Drei}));
    WendeAusfallAn(tag, plan);
    EXPECT_EQ(tag.Lehrer.Suche(A)->Zeitplan, (QStringList{Z("15:10", frei), Z("15:20", frei), Z("15:30", Eins),
                                                          Z("15:40", Drei), Z("15:50", Zwei)}));
    EXPECT_EQ(tag.Eltern.Suche(Eins)->Zeitplan.Liste(),
              (QStringList{Z("15:20", klammerX), Z("15:30", A), Z("15:40", klammerA)}));
    EXPECT_EQ(tag.Eltern.Suche(Drei)->Zeitplan.Liste(), (QStringList{Z("15:20", X), Z("15:30", klammerA), Z("15:40", A)}));
    const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
    EXPECT_TRUE(b.Fehler.isEmpty()) << b.Fehler.join(u'\n').toStdString();
}

TEST(Ausfall, WhatCannotBePlanned)
{
    TSprechtag tag;
    KleinerTag(tag);
    EXPECT_EQ(AusfallHindernis(tag, {QStringLiteral("Niemand"), TAusfallArt::Ganz, 0}),
              QStringLiteral("Die Lehrkraft „Niemand“ gibt es nicht."));
    EXPECT_TRUE(AusfallHindernis(tag, {QStringLiteral("adler (r1)"), TAusfallArt::Ganz, 0}).isEmpty());
    EXPECT_FALSE(AusfallHindernis(tag, Wunsch(TAusfallArt::Ab, 15, 0)).isEmpty());
    EXPECT_TRUE(AusfallHindernis(tag, Wunsch(TAusfallArt::Ab, 15, 5)).isEmpty());
    EXPECT_FALSE(AusfallHindernis(tag, Wunsch(TAusfallArt::Bis, 16, 0)).isEmpty());
    EXPECT_TRUE(AusfallHindernis(tag, Wunsch(TAusfallArt::Bis, 15, 55)).isEmpty());
    tag.PlaeneGueltig = false;
    EXPECT_EQ(AusfallHindernis(tag, Wunsch(TAusfallArt::Ganz)),
              QStringLiteral("Es liegen keine gültigen Zeitpläne vor. Bitte berechnen Sie zuerst die Zeitpläne."));
}

TEST(Ausfall, PhoneListAsCsv)
{
    TSprechtag tag;
    KleinerTag(tag);
    const TAusfallPlan plan = PlaneAusfall(tag, Wunsch(TAusfallArt::Bis, 15, 30));
    EXPECT_EQ(AusfallCsv(plan), QByteArray("\xEF\xBB\xBF"
                                           "Eintrag;Lehrkraft;Bisher;Neu;\xC3\x84nderung\r\n"
                                           "1b: Zwei;Adler (R1);15:10;15:20;verlegt\r\n"
                                           "1c: Drei;Adler (R1);15:40;15:10;verlegt\r\n"));
    const TAusfallPlan ganz = PlaneAusfall(tag, Wunsch(TAusfallArt::Ganz));
    EXPECT_TRUE(AusfallCsv(ganz).endsWith("1c: Drei;Adler (R1);15:40;;abgesagt\r\n"));
    const QStringList liste = AusfallListe(ganz);
    EXPECT_EQ(liste.first(), QStringLiteral("Adler (R1) fällt ganz aus."));
    EXPECT_TRUE(liste.contains(QStringLiteral("Termine abgesagt (3):")));
    EXPECT_TRUE(liste.contains(QStringLiteral("  15:10  Adler (R1) – 1b: Zwei")));
}

struct TVariante {
    int eltern;
    int lehrer;
    int geschwister;
    bool raumwechsel;
    bool freie;
    quint32 saat;
};

class AusfallGenerierteTage : public ::testing::TestWithParam<TVariante> {};

/// The teacher with the most talks, and one in the middle of the list.
QStringList Kandidaten(const TSprechtag& tag)
{
    qsizetype best = 0;
    for (qsizetype i = 0; i < tag.Lehrer.Anzahl(); ++i)
        if (tag.Lehrer.Record(i).Zeitplan.size() > tag.Lehrer.Record(best).Zeitplan.size())
            best = i;
    return {tag.Lehrer.Name(best), tag.Lehrer.Name(tag.Lehrer.Anzahl() / 2)};
}

TEST_P(AusfallGenerierteTage, OnlyTheListedEntriesChange)
{
    const TVariante v = GetParam();
    TBeispielVorgaben b;
    b.eltern = v.eltern;
    b.lehrer = v.lehrer;
    b.geschwisterProzent = v.geschwister;
    b.saat = v.saat;
    TSprechtag basis;
    FuelleBeispieltag(basis, b);
    const QStringList kandidaten = Kandidaten(basis);

    for (const QString& lehrer : kandidaten) {
        for (const TAusfallArt art : {TAusfallArt::Ganz, TAusfallArt::Ab, TAusfallArt::Bis}) {
            SCOPED_TRACE((lehrer + QStringLiteral(" Art %1").arg(int(art))).toStdString());
            TSprechtag tag;
            FuelleBeispieltag(tag, b);
            tag.SetRaumwechselPause(v.raumwechsel);
            tag.FreieTermineAnzeigen = v.freie;
            Rechne(tag);
            ASSERT_TRUE(PlanPruefer::Pruefe(tag).Fehler.isEmpty());
            // The middle of the teacher's hours, on the half hour.
            const TLehrer& l = *tag.Lehrer.Suche(lehrer);
            const double mitte = (Raster::LehrerStart(tag, l) + Raster::LehrerEnde(tag, l)) / 2;
            const Zeit::Uhrzeit u = Zeit::Zerlege(mitte);
            const TAusfallWunsch wunsch{lehrer, art, Zeit::Kodiere(u.stunden, u.minuten < 30 ? 0 : 30)};
            ASSERT_TRUE(AusfallHindernis(tag, wunsch).isEmpty()) << AusfallHindernis(tag, wunsch).toStdString();

            QHash<QString, QStringList> vorher;
            for (const auto& e : tag.Eltern)
                vorher.insert(e.name, e.record->Zeitplan.Liste());
            QHash<QString, QStringList> lehrerVorher;
            for (const auto& t : tag.Lehrer)
                lehrerVorher.insert(t.name, t.record->Zeitplan);
            const PlanPruefer::TBefund alt = PlanPruefer::Pruefe(tag);

            const TAusfallPlan plan = PlaneAusfall(tag, wunsch);
            WendeAusfallAn(tag, plan);

            const PlanPruefer::TBefund neu = PlanPruefer::Pruefe(tag);
            ASSERT_TRUE(neu.Fehler.isEmpty()) << neu.Fehler.mid(0, 10).join(u'\n').toStdString();
            // Exactly the listed entries have other plans.
            for (const auto& e : tag.Eltern) {
                const bool gelistet = plan.Familien.contains(e.name);
                EXPECT_EQ(gelistet, e.record->Zeitplan.Liste() != vorher.value(e.name)) << e.name.toStdString();
            }
            // Teachers: only the one dropping out and those whose talks moved.
            QSet<QString> bewegt{plan.Lehrer};
            for (const auto& t : plan.Verschoben)
                bewegt.insert(t.Lehrer);
            for (const auto& t : tag.Lehrer) {
                if (!bewegt.contains(t.name)) {
                    EXPECT_EQ(t.record->Zeitplan, lehrerVorher.value(t.name)) << t.name.toStdString();
                }
            }

            // Only talks of that teacher are cancelled, never more than simply cancelling.
            EXPECT_EQ(neu.Termine, alt.Termine - int(plan.Abgesagt.size()));
            EXPECT_LE(int(plan.Abgesagt.size()), plan.Herausgenommen);
            for (const auto& t : plan.Abgesagt) {
                EXPECT_EQ(t.Lehrer, plan.Lehrer);
            }
            if (art == TAusfallArt::Ganz) {
                EXPECT_TRUE(tag.Lehrer.Suche(lehrer)->Zeitplan.isEmpty());
            }

            // The lines are in the computation's formats: reading and writing them again
            // gives the same lines.
            const QStringList geschrieben = AllePlaene(tag);
            TOptimierZustand z(tag);
            EXPECT_EQ(LiesPlaene(tag, z), 0);
            SchreibePlaene(tag, z);
            EXPECT_EQ(AllePlaene(tag), geschrieben);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tage, AusfallGenerierteTage,
                         ::testing::Values(TVariante{150, 15, 30, true, false, 1},
                                           TVariante{150, 15, 30, false, true, 2},
                                           TVariante{200, 20, 40, true, true, 3},
                                           TVariante{80, 12, 50, false, false, 4}),
                         [](const ::testing::TestParamInfo<TVariante>& i) {
                             return "Eltern" + std::to_string(i.param.eltern) + "Saat" + std::to_string(i.param.saat);
                         });

TEST(Ausfall, PlanningAloneChangesNothing)
{
    TBeispielVorgaben b;
    b.eltern = 150;
    b.lehrer = 15;
    TSprechtag tag;
    FuelleBeispieltag(tag, b);
    Rechne(tag);
    tag.AlsGespeichertMarkieren();
    const QStringList plaene = AllePlaene(tag);
    const auto statistik = tag.Statistik().Texte;
    const quint32 saat = tag.Zufall.Seed();
    const QString lehrer = Kandidaten(tag).first();
    const TLehrer stunden = *tag.Lehrer.Suche(lehrer);

    const TAusfallPlan plan = PlaneAusfall(tag, {lehrer, TAusfallArt::Bis, Zeit::Kodiere(16, 30)});
    EXPECT_GT(plan.Herausgenommen, 0);
    EXPECT_EQ(AllePlaene(tag), plaene);
    EXPECT_EQ(tag.Statistik().Texte, statistik);
    EXPECT_EQ(tag.Zufall.Seed(), saat);
    const TLehrer& jetzt = *tag.Lehrer.Suche(lehrer);
    EXPECT_EQ(jetzt.AbweichZeit, stunden.AbweichZeit);
    EXPECT_EQ(jetzt.StartZeit, stunden.StartZeit);
    EXPECT_EQ(jetzt.EndZeit, stunden.EndZeit);
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

} // namespace
