// One talk for siblings who ask for the same teacher. A hand-built day where the joint
// talk frees the slot a third family then gets, with every plan worked out by hand from
// the draws of the generator (seed 0: the order is 5a, 6c, 9d, 7b; every other draw is 0).
#include "berechnung_hilfen.h"

#include "bearbeiten/vorrang.h"
#include "berechnung/statistik.h"

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

} // namespace
