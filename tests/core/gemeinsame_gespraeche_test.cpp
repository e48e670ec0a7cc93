// One talk for siblings who ask for the same teacher. A hand-built day where the joint
// talk frees the slot a third family then gets, with every plan worked out by hand from
// the draws of the generator (seed 0: the order is 5a, 6c, 9d, 7b; every other draw is 0).
#include "berechnung_hilfen.h"

#include "dreierfamilien.h"
#include "plan_pruefer.h"

#include "bearbeiten/vorrang.h"
#include "beispiel/beispieltag.h"
#include "berechnung/gemeinsame_zeile.h"
#include "berechnung/statistik.h"
#include "datei/datei.h"
#include "datei/inhaltsmaske.h"
#include "optimierung/gruende.h"
#include "optimierung/kennzahlen.h"
#include "termine/termine.h"
#include "vorschau/kapazitaet.h"
#include "vorschau/vorschauliste.h"
#include "optimierung/ausfall.h"
#include "optimierung/optimierer.h"
#include "optimierung/plaene.h"
#include "optimierung/schranke.h"
#include "raster/tagesraster.h"

#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

const QString Abel = QStringLiteral("Abel (7)");
const QString Tim = QStringLiteral("5a: Weber, Tim");
const QString Zorn = QStringLiteral("6c: Zorn");
const QString Anna = QStringLiteral("7b: Weber, Anna");
const QString Udo = QStringLiteral("9d: Weber, Udo");

QStringList Z(std::initializer_list<const char*> zeilen)
{
    QStringList l;
    for (const char* z : zeilen)
        l << QString::fromUtf8(z);
    return l;
}

// Abel has two slots. Tim and Anna (siblings, with Udo, who asks for nobody) and Zorn ask
// for her.
void Tag(TSprechtag& tag, bool gemeinsam)
{
    Rahmen(tag, 15, 0, 15, 20, 10);
    Lehrer(tag, Abel);
    Eltern(tag, Tim, {Abel});
    Eltern(tag, Zorn, {Abel});
    Eltern(tag, Anna, {Abel});
    Eltern(tag, Udo);
    Geschwister(tag, Tim, Anna);
    Geschwister(tag, Tim, Udo);
    Geschwister(tag, Anna, Udo);
    GemeinsameGespraecheSetzen(tag, gemeinsam);
}

/// Lines of the teachers' plans that name more than one entry.
int GemeinsameZeilen(const TSprechtag& tag, QString* lehrerMitDenMeisten = nullptr)
{
    int alle = 0, meiste = 0;
    for (const auto& l : tag.Lehrer) {
        int n = 0;
        for (const QString& z : l.record->Zeitplan)
            n += z.contains(QStringLiteral(" / ")) ? 1 : 0;
        alle += n;
        if (n > meiste && lehrerMitDenMeisten) {
            meiste = n;
            *lehrerMitDenMeisten = l.name;
        }
    }
    return alle;
}

void ErwarteGueltig(const TSprechtag& tag, const char* schritt)
{
    const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
    EXPECT_TRUE(b.Fehler.isEmpty()) << schritt << ": " << b.Fehler.mid(0, 10).join(u'\n').toStdString();
}

TEST(GemeinsameGespraeche, DerGemeinsameTerminMachtEinenSlotFuerEineDritteFamilieFrei)
{
    struct Erwartung {
        bool gemeinsam;
        QStringList abel, tim, zorn, anna, udo;
        int bewilligt, vergeben, anzErteilt;
        QStringList erteiltAnna;
        const char* erteilt;
        const char* proLehrer;
    };
    const Erwartung faelle[] = {
        // Off: the first pass grants Tim and Zorn, Anna finds Abel full. Zorn (placed
        // before Tim) draws 15:00, Tim takes 15:10; his siblings see it bracketed.
        {false, Z({"15:00 Uhr: 6c: Zorn", "15:10 Uhr: 5a: Weber, Tim"}), Z({"15:10 Uhr: Abel (7)"}),
         Z({"15:00 Uhr: Abel (7)"}), Z({"15:10 Uhr: [ Abel (7) ]"}), Z({"15:10 Uhr: [ Abel (7) ]"}), 2, 2, 2, {}, "2",
         "2,00"},
        // On: Tim's grant is Anna's as well and takes one of Abel's slots, so Zorn is
        // granted the other. Anna is placed first and draws 15:00 for both children; Udo
        // sees the family's talk bracketed, Zorn moves on to 15:10.
        {true, Z({"15:00 Uhr: 5a: Weber, Tim / 7b: Weber, Anna", "15:10 Uhr: 6c: Zorn"}), Z({"15:00 Uhr: Abel (7)"}),
         Z({"15:10 Uhr: Abel (7)"}), Z({"15:00 Uhr: Abel (7)"}), Z({"15:00 Uhr: [ Abel (7) ]"}), 3, 3, 2, {Abel},
         "3", "2,00"},
    };
    for (const Erwartung& f : faelle) {
        TSprechtag tag;
        Tag(tag, f.gemeinsam);
        const TBerechnungsErgebnis r = Rechne(tag);
        EXPECT_EQ(tag.Lehrer.Suche(Abel)->Zeitplan, f.abel) << f.gemeinsam;
        EXPECT_EQ(tag.Eltern.Suche(Tim)->Zeitplan.Liste(), f.tim) << f.gemeinsam;
        EXPECT_EQ(tag.Eltern.Suche(Zorn)->Zeitplan.Liste(), f.zorn) << f.gemeinsam;
        EXPECT_EQ(tag.Eltern.Suche(Anna)->Zeitplan.Liste(), f.anna) << f.gemeinsam;
        EXPECT_EQ(tag.Eltern.Suche(Udo)->Zeitplan.Liste(), f.udo) << f.gemeinsam;
        EXPECT_EQ(r.Bewilligt, f.bewilligt) << f.gemeinsam;
        EXPECT_EQ(r.Vergeben, f.vergeben) << f.gemeinsam;
        EXPECT_EQ(tag.Lehrer.Suche(Abel)->AnzErteilt, f.anzErteilt) << f.gemeinsam;
        EXPECT_EQ(tag.Eltern.Suche(Anna)->Erteilt, f.erteiltAnna) << f.gemeinsam;
        EXPECT_EQ(tag.Statistik().Texte[TStatistikTexte::Erteilt], QString::fromUtf8(f.erteilt)) << f.gemeinsam;
        EXPECT_EQ(tag.Statistik().Texte[TStatistikTexte::TermPerLeh], QString::fromUtf8(f.proLehrer)) << f.gemeinsam;
    }
}

// Saved and loaded again, the day keeps its joint lines, and the optimiser reads the
// teacher's line as one talk of both children.
TEST(GemeinsameGespraeche, DateiRundreiseUndOptimiererLiestDenGemeinsamenTermin)
{
    TSprechtag tag;
    Tag(tag, true);
    Rechne(tag);
    TSprechtag geladen;
    const TDateiErgebnis r = Datei::LadeAusBytes(geladen, Datei::SpeichereInBytes(tag, Inhalt::Alles), TLadeModus::Ersetzen);
    ASSERT_TRUE(r.ok()) << r.Fehler.toStdString();
    EXPECT_TRUE(geladen.GemeinsameGespraeche);
    EXPECT_EQ(geladen.Lehrer.Suche(Abel)->Zeitplan, Z({"15:00 Uhr: 5a: Weber, Tim / 7b: Weber, Anna", "15:10 Uhr: 6c: Zorn"}));
    EXPECT_EQ(geladen.Eltern.Suche(Anna)->Zeitplan.Liste(), Z({"15:00 Uhr: Abel (7)"}));

    TOptimierZustand z(geladen);
    const TGelesenePlaene gelesen = LiesPlaene(geladen, z);
    EXPECT_EQ(gelesen.Verworfen, 0);
    EXPECT_TRUE(gelesen.Lehrerzeilen.empty());
    EXPECT_TRUE(gelesen.Elternzeilen.empty());
    // Tim's request carries Anna's; together with Zorn's three requests are met.
    ASSERT_EQ(z.AnzWuensche(), 2);
    const int tim = int(geladen.Eltern.IndexVon(Tim));
    ASSERT_EQ(z.WuenscheVonEltern(tim).size(), 1u);
    const TOptimierZustand::Wunsch& w = z.W(z.WuenscheVonEltern(tim).front());
    EXPECT_EQ(w.mit, std::vector<int>{int(geladen.Eltern.IndexVon(Anna))});
    EXPECT_EQ(z.Slot(z.WuenscheVonEltern(tim).front()), 0);
    EXPECT_EQ(z.Kennwerte().Termine, 3);
    EXPECT_EQ(z.Kennwerte().OhneTermin, 0);
}

// Exports read the parents' plans: a joint talk is a talk of each child (the calendar and
// the CSV list it per entry, as every talk); the reasons name no met request.
TEST(GemeinsameGespraeche, ExportJeEintragUndKeinGrundFuerErfuellteWuensche)
{
    TSprechtag tag;
    Tag(tag, true);
    Rechne(tag);
    const TTerminListe liste = Termine::Lies(tag);
    EXPECT_TRUE(liste.Fehlend.empty());
    QStringList termine;
    for (const TTermin& t : liste.Termine)
        termine << t.Eintrag + QStringLiteral(" ") + Termine::Uhrzeit(t.Beginn) + QStringLiteral(" ") + t.Lehrkraft;
    EXPECT_EQ(termine, Z({"5a: Weber, Tim 15:00 Abel (7)", "6c: Zorn 15:10 Abel (7)", "7b: Weber, Anna 15:00 Abel (7)"}));
    EXPECT_EQ(ErklaereNichtErfuellte(tag), QStringList{});
}

// Abel invites both children: the joint talk is granted first (both invitations at once)
// and counts as two invitations met, in the statistics and in the optimiser's figures.
TEST(GemeinsameGespraeche, EinladungBeiderKinderZaehltZweimal)
{
    TSprechtag tag;
    Tag(tag, true);
    PrioritaetSetzen(tag, Tim, Abel, TPrioritaet::Einladung);
    PrioritaetSetzen(tag, Anna, Abel, TPrioritaet::Einladung);
    Rechne(tag);
    EXPECT_EQ(tag.Lehrer.Suche(Abel)->Zeitplan.size(), 2);
    EXPECT_TRUE(tag.Lehrer.Suche(Abel)->Zeitplan.join(u'|').contains(Tim + QStringLiteral(" / ") + Anna));
    EXPECT_EQ(EinladungenText(BerechnePlanKennzahlen(tag)), QStringLiteral("Einladungen: 2 von 2 erteilt"));
    TOptimierZustand z(tag);
    LiesPlaene(tag, z);
    EXPECT_EQ(z.AnzMitStufe(0), 2);
    EXPECT_EQ(z.Kennwerte().Einladungen, 2);
    EXPECT_EQ(z.Kennwerte().Termine, 3);
}

// A teacher's line read back: the whole text as a name first, then the pieces between
// " / " as names of one family, also where a name holds the separator itself.
TEST(GemeinsameGespraeche, LehrerzeileZuEintraegen)
{
    TSprechtag tag;
    Tag(tag, true);
    const QString evaMax = QStringLiteral("8a: Eva / Max Lang");
    Eltern(tag, evaMax);
    Geschwister(tag, evaMax, Udo);
    auto index = [&tag](const QString& n) { return int(tag.Eltern.IndexVon(n)); };
    const struct {
        QString text;
        std::vector<int> erwartet;
    } faelle[] = {
        {Tim, {index(Tim)}},
        {Tim + QStringLiteral(" / ") + Anna, {index(Tim), index(Anna)}},
        {QStringLiteral("5A: WEBER, TIM / 7b: Weber, Anna"), {index(Tim), index(Anna)}},
        {Tim + QStringLiteral(" / ") + Anna + QStringLiteral(" / ") + Udo, {index(Tim), index(Anna), index(Udo)}},
        {evaMax, {index(evaMax)}},
        {evaMax + QStringLiteral(" / ") + Udo, {index(evaMax), index(Udo)}},
        {Tim + QStringLiteral(" / ") + Zorn, {}},
        {Tim + QStringLiteral(" / Unbekannt"), {}},
        {Tim + QStringLiteral(" / ") + Tim, {}},
        {QStringLiteral(" / "), {}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ZeilenPartner(tag, f.text), f.erwartet) << f.text.toStdString();
}

// Abel comes only from 15:10: the joint talk at 15:00 moves as one to the free 15:20,
// the call list names both children once, and every plan line follows.
TEST(GemeinsameGespraeche, AusfallVerlegtDenGemeinsamenTerminAlsEinen)
{
    TSprechtag tag;
    Tag(tag, true);
    tag.SetSprechEnde(Zeit::Kodiere(15, 30));
    tag.Lehrer.Suche(Abel)->Zeitplan = Z({"15:00 Uhr: 5a: Weber, Tim / 7b: Weber, Anna", "15:10 Uhr: 6c: Zorn"});
    tag.Eltern.Suche(Tim)->Zeitplan.Setze(Z({"15:00 Uhr: Abel (7)"}));
    tag.Eltern.Suche(Anna)->Zeitplan.Setze(Z({"15:00 Uhr: Abel (7)"}));
    tag.Eltern.Suche(Udo)->Zeitplan.Setze(Z({"15:00 Uhr: [ Abel (7) ]"}));
    tag.Eltern.Suche(Zorn)->Zeitplan.Setze(Z({"15:10 Uhr: Abel (7)"}));
    tag.PlaeneGueltig = true;

    const TAusfallPlan plan = PlaneAusfall(tag, {Abel, TAusfallArt::Ab, Zeit::Kodiere(15, 10)});
    ASSERT_EQ(plan.Verschoben.size(), 1u);
    EXPECT_EQ(plan.Verschoben[0].Eltern, Tim + QStringLiteral(" / ") + Anna);
    EXPECT_EQ(plan.Verschoben[0].AltZeit, QStringLiteral("15:00"));
    EXPECT_EQ(plan.Verschoben[0].NeuZeit, QStringLiteral("15:20"));
    EXPECT_TRUE(plan.Abgesagt.empty());
    EXPECT_EQ(plan.Familien, (QStringList{Tim, Anna, Udo}));

    WendeAusfallAn(tag, plan);
    EXPECT_EQ(tag.Lehrer.Suche(Abel)->Zeitplan, Z({"15:10 Uhr: 6c: Zorn", "15:20 Uhr: 5a: Weber, Tim / 7b: Weber, Anna"}));
    EXPECT_EQ(tag.Eltern.Suche(Tim)->Zeitplan.Liste(), Z({"15:20 Uhr: Abel (7)"}));
    EXPECT_EQ(tag.Eltern.Suche(Anna)->Zeitplan.Liste(), Z({"15:20 Uhr: Abel (7)"}));
    EXPECT_EQ(tag.Eltern.Suche(Udo)->Zeitplan.Liste(), Z({"15:20 Uhr: [ Abel (7) ]"}));
    EXPECT_EQ(tag.Eltern.Suche(Zorn)->Zeitplan.Liste(), Z({"15:10 Uhr: Abel (7)"}));
    ErwarteGueltig(tag, "Ausfall");
}

// The capacity preview: Abel has two slots and three entries ask; with joint talks the
// two siblings need one of them, and Abel is no longer overbooked.
TEST(GemeinsameGespraeche, KapazitaetsvorschauZaehltGeschwisterEinmal)
{
    for (const bool an : {false, true}) {
        TSprechtag tag;
        Tag(tag, an);
        const TKapazitaet k = BerechneKapazitaet(tag);
        EXPECT_EQ(k.Wuensche, 3) << an;
        EXPECT_EQ(k.Unerfuellbar, an ? 0 : 1) << an;
        EXPECT_EQ(k.Betroffene, an ? 0 : 1) << an;
        // The preview lists "für betroffene Lehrer" follow the same count.
        EXPECT_EQ(Vorschauliste::IstBetroffen(tag, Abel, *tag.Lehrer.Suche(Abel)), !an) << an;
    }
}

// Switched on, a day whose siblings never ask for the same teacher is planned exactly as
// with the switch off: the same draws, the same lines.
TEST(GemeinsameGespraeche, OhneGemeinsameLehrkraftAendertDerSchalterNichts)
{
    for (const quint32 saat : {1u, 2u}) {
        TBeispielVorgaben b;
        b.eltern = 120;
        b.lehrer = 12;
        b.geschwisterProzent = 40;
        b.saat = saat;
        QStringList plaene[2];
        quint32 seed[2] = {0, 0};
        for (const bool an : {false, true}) {
            TSprechtag tag;
            FuelleBeispieltag(tag, b);
            Dreierfamilien(tag, 4);
            // A sibling keeps only the teachers no one else of the family asks for.
            for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i) {
                TEltern& e = tag.Eltern.Record(i);
                for (const QString& g : e.Geschwister)
                    if (const qsizetype s = tag.Eltern.IndexVon(g); s > i)
                        for (const QString& w : e.Sprechwuensche)
                            tag.Eltern.Record(s).Sprechwuensche.removeAll(w);
            }
            GemeinsameGespraecheSetzen(tag, an);
            Rechne(tag);
            plaene[an] = AllePlaene(tag);
            seed[an] = tag.Zufall.Seed();
        }
        EXPECT_EQ(plaene[0], plaene[1]) << saat;
        EXPECT_EQ(seed[0], seed[1]) << saat;
        EXPECT_EQ(plaene[0].filter(QStringLiteral(" / ")), QStringList{}) << saat;
    }
}

// Who shares: a teacher who refuses one sibling talks to the other alone; siblings who ask
// for different teachers keep their own talks; an entry outside the family never joins.
TEST(GemeinsameGespraeche, NurNichtAbgelehnteGeschwisterTeilenEinenTermin)
{
    const QString Berg = QStringLiteral("Berg (8)");
    TSprechtag tag;
    Rahmen(tag, 15, 0, 16, 0, 10);
    Lehrer(tag, Abel).Ablehnungen = QStringList{Anna};
    Lehrer(tag, Berg);
    Eltern(tag, Tim, {Abel, Berg});
    Eltern(tag, Anna, {Abel, Berg});
    Eltern(tag, Zorn, {Berg});
    Geschwister(tag, Tim, Anna);
    GemeinsameGespraecheSetzen(tag, true);
    Rechne(tag);

    const QStringList abel = tag.Lehrer.Suche(Abel)->Zeitplan;
    ASSERT_EQ(abel.size(), 1);
    EXPECT_EQ(abel.at(0).mid(11), Tim);
    const QStringList berg = tag.Lehrer.Suche(Berg)->Zeitplan;
    ASSERT_EQ(berg.size(), 2);
    QStringList partner;
    for (const QString& z : berg)
        partner << z.mid(11);
    partner.sort();
    EXPECT_EQ(partner, (QStringList{Tim + QStringLiteral(" / ") + Anna, Zorn}));
    EXPECT_EQ(tag.Lehrer.Suche(Berg)->AnzErteilt, 2);
    // Anna has Abel's talk only as her brother's bracketed line.
    const QString abelZeit = abel.at(0).left(11);
    EXPECT_TRUE(tag.Eltern.Suche(Anna)->Zeitplan.Enthaelt(abelZeit + QStringLiteral("[ ") + Abel + QStringLiteral(" ]")));
    EXPECT_EQ(tag.Eltern.Suche(Anna)->Erteilt, QStringList{Berg});
}

// The independent checker on hand-made plans of one family of three, two of whom ask for
// Abel: the valid joint talk, and each way to get it wrong.
TEST(GemeinsameGespraeche, PrueferErkenntFalscheGemeinsameTermine)
{
    const QString eins = QStringLiteral("1a: Eins"), zwei = QStringLiteral("2a: Zwei"), drei = QStringLiteral("3a: Drei");
    const QString um = QStringLiteral("15:00 Uhr: "), spaeter = QStringLiteral("15:20 Uhr: ");
    const QString marke = QStringLiteral("[ Abel (7) ]");
    struct Fall {
        const char* name;
        bool an;
        QStringList abel, eins, zwei, drei;
        bool gueltig;
    };
    const Fall faelle[] = {
        {"gemeinsam", true, {um + eins + " / " + zwei}, {um + Abel}, {um + Abel}, {um + marke}, true},
        {"ohne den Schalter keine gemeinsame Zeile", false, {um + eins + " / " + zwei}, {um + Abel}, {um + Abel},
         {um + marke}, false},
        {"zwei Termine", true, {um + eins, spaeter + zwei}, {um + Abel, spaeter + marke}, {um + marke, spaeter + Abel},
         {um + marke, spaeter + marke}, false},
        {"nur einer hat den Termin", true, {um + eins}, {um + Abel}, {um + marke}, {um + marke}, false},
        {"die Zeile nennt einen nicht", true, {um + eins}, {um + Abel}, {um + Abel}, {um + marke}, false},
        {"falsche Reihenfolge", true, {um + zwei + " / " + eins}, {um + Abel}, {um + Abel}, {um + marke}, false},
        {"Marke beim Dritten fehlt", true, {um + eins + " / " + zwei}, {um + Abel}, {um + Abel}, {}, false},
    };
    for (const Fall& f : faelle) {
        TSprechtag tag;
        Rahmen(tag, 15, 0, 16, 0, 10);
        Lehrer(tag, Abel).Zeitplan = f.abel;
        Eltern(tag, eins, {Abel}).Zeitplan.Setze(f.eins);
        Eltern(tag, zwei, {Abel}).Zeitplan.Setze(f.zwei);
        Eltern(tag, drei).Zeitplan.Setze(f.drei);
        Geschwister(tag, eins, zwei);
        Geschwister(tag, eins, drei);
        Geschwister(tag, zwei, drei);
        tag.GemeinsameGespraeche = f.an;
        const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
        EXPECT_EQ(b.Fehler.isEmpty(), f.gueltig) << f.name << ": " << b.Fehler.join(u'\n').toStdString();
        if (f.gueltig) {
            EXPECT_EQ(b.Termine, 2) << f.name << ": one talk, granted to both";
        }
    }
}

// Generated days with families of two and three whose children often ask for the same
// teacher: the computation, the optimiser and every kind of drop-out keep one talk per
// family and teacher, named with exactly its members, and every other rule.
TEST(GemeinsameGespraeche, ErzeugteTageBerechnenOptimierenAusfall)
{
    for (const quint32 saat : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(saat);
        TBeispielVorgaben b;
        b.eltern = 160;
        b.lehrer = 16;
        b.geschwisterProzent = 40;
        b.saat = saat;
        TSprechtag tag;
        FuelleBeispieltag(tag, b);
        Dreierfamilien(tag, 6);
        GeschwisterTeilenErstenWunsch(tag);
        tag.SetRaumwechselPause(saat % 2 == 1);
        tag.FreieTermineAnzeigen = saat == 3;
        GemeinsameGespraecheSetzen(tag, true);

        Rechne(tag);
        ErwarteGueltig(tag, "Berechnung");
        EXPECT_GT(GemeinsameZeilen(tag), 5);

        // The optimiser reads every joint line as one talk and writes the same lines back.
        const QStringList geschrieben = AllePlaene(tag);
        {
            TOptimierZustand z(tag);
            EXPECT_EQ(LiesPlaene(tag, z).Verworfen, 0);
            SchreibePlaene(tag, z);
            EXPECT_EQ(AllePlaene(tag), geschrieben);
        }

        TStillerOptimierFortschritt still;
        const TOptimierErgebnis e = Optimiere(tag, still, 20000);
        ErwarteGueltig(tag, "Optimieren");
        EXPECT_EQ(e.Verworfen, 0);
        const PlanPruefer::TBefund nachher = PlanPruefer::Pruefe(tag);
        EXPECT_EQ(nachher.Termine, e.Nachher.Termine);
        EXPECT_EQ(nachher.Wartezeit, e.Nachher.Wartezeit);
        // The statistics window's waiting counts a joint talk once for the family.
        const TPlanKennzahlen k = BerechnePlanKennzahlen(tag);
        EXPECT_EQ(k.Termine, nachher.Termine);
        EXPECT_EQ(k.OhneTermin, nachher.OhneTermin);
        EXPECT_EQ(k.WarteSlots, nachher.Wartezeit);
        // The bound stays above the talks, a joint talk counted per entry.
        EXPECT_GE(TerminSchranke(tag), nachher.Termine);

        QString lehrer;
        ASSERT_GT(GemeinsameZeilen(tag, &lehrer), 0);
        const TLehrer& l = *tag.Lehrer.Suche(lehrer);
        const Zeit::Uhrzeit mitte = Zeit::Zerlege((Raster::LehrerStart(tag, l) + Raster::LehrerEnde(tag, l)) / 2);
        const TAusfallWunsch wunsch{lehrer, saat % 2 == 0 ? TAusfallArt::Ganz : TAusfallArt::Ab,
                                    Zeit::Kodiere(mitte.stunden, mitte.minuten < 30 ? 0 : 30)};
        const TAusfallPlan plan = PlaneAusfall(tag, wunsch);
        WendeAusfallAn(tag, plan);
        ErwarteGueltig(tag, "Ausfall");
    }
}

} // namespace
