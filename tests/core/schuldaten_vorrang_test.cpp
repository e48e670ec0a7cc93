// Invitations and priorities from files: an invitations file (teacher by short name or
// name, pupil by class and name or by entry) marks requests as invitations and adds the
// missing ones; a wishes file's priority column or the first-wish option marks "Vorrang".
// Hand-written fixtures with the expected marks worked out by hand.
#include "bearbeiten/vorrang.h"
#include "model/sprechtag.h"
#include "schuldaten/schulimport.h"

#include <gtest/gtest.h>

using namespace Schuldaten;

namespace {

const QString Weber = QStringLiteral("Weber (R1)");
const QString Schulz = QStringLiteral("Schulz (R2)");
const QString Anna = QStringLiteral("5a: Meier, Anna");
const QString Tim = QStringLiteral("7b: Meier, Tim");

void Schule(TSprechtag& tag)
{
    tag.LehrerUebernehmen(Weber);
    tag.LehrerUebernehmen(Schulz);
    tag.Lehrer.Suche(Weber)->Kuerzel = QStringLiteral("WEB");
    tag.Lehrer.Suche(Schulz)->Kuerzel = QStringLiteral("SCH");
    tag.ElternUebernehmen(Anna);
    tag.ElternUebernehmen(Tim);
    tag.Eltern.Suche(Anna)->Sprechwuensche = {Schulz};
    tag.Geaendert(QStringLiteral("Schule anlegen"));
}

TGeleseneQuelle Quelle(const char* text, bool einladungen)
{
    TQuelle q;
    q.Pfad = QStringLiteral("datei.csv");
    q.Art = TQuellArt::Wuensche;
    q.Einladungen = einladungen;
    return LeseQuelleAusBytes(q, QByteArray(text));
}

TEST(SchuldatenVorrang, EinladungsdateiMarktUndErgaenztWuensche)
{
    TSprechtag tag;
    Schule(tag);
    const TGeleseneQuelle q = Quelle("Lehrkraft;Klasse;Nachname;Vorname\n"
                                     "WEB;5a;Meier;Anna\n"
                                     "Schulz;5a;Meier;Anna\n"
                                     "sch;7b;Meier;Tim\n"
                                     "Unbekannt;7b;Meier;Tim\n",
                                     true);
    ASSERT_TRUE(q.ok()) << q.Fehler.toStdString();
    const TImportPlan plan = PlaneImport(tag, {q}, {});
    ASSERT_EQ(plan.Berichte.size(), 1);
    EXPECT_EQ(plan.Berichte[0].Einladungen, 3);
    EXPECT_EQ(plan.Berichte[0].WuenscheOffen(), 1);
    EXPECT_TRUE(BerichtText({q}, plan).contains(QStringLiteral("Einladungen: 3")));
    // Planning changes nothing.
    EXPECT_TRUE(tag.Eltern.Suche(Anna)->Einladungen.isEmpty());

    WendeImportAn(tag, plan);
    const TEltern& a = *tag.Eltern.Suche(Anna);
    const TEltern& t = *tag.Eltern.Suche(Tim);
    EXPECT_EQ(a.Sprechwuensche, (QStringList{Schulz, Weber}));
    EXPECT_EQ(Prioritaet(a, Weber), TPrioritaet::Einladung);
    EXPECT_EQ(Prioritaet(a, Schulz), TPrioritaet::Einladung);
    EXPECT_EQ(t.Sprechwuensche, QStringList{Schulz});
    EXPECT_EQ(Eingeladene(tag, Schulz), (QStringList{Anna, Tim}));
    // One step: undo takes requests and marks back together.
    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_EQ(tag.Eltern.Suche(Anna)->Sprechwuensche, QStringList{Schulz});
    EXPECT_TRUE(tag.Eltern.Suche(Anna)->Einladungen.isEmpty());
}

TEST(SchuldatenVorrang, PrioritaetAusDerWunschdatei)
{
    const struct {
        const char* fall;
        const char* text;
        bool ersterWunsch;
        QStringList vorrangAnna, vorrangTim;
        int offen;
    } faelle[] = {
        {"Spalte wichtig mit x", "Eintrag;Wunsch 1;Wunsch 2;wichtig\n5a: Meier, Anna;WEB;SCH;x\n7b: Meier, Tim;WEB;;\n",
         false, {Weber, Schulz}, {}, 0},
        {"Priorität nennt einen der Wünsche", "Eintrag;Wunsch 1;Wunsch 2;Priorität\n5a: Meier, Anna;WEB;SCH;Schulz\n"
                                              "7b: Meier, Tim;WEB;SCH;nein\n",
         false, {Schulz}, {}, 0},
        {"Priorität nennt keinen der Wünsche", "Eintrag;Wunsch 1;Priorität\n5a: Meier, Anna;WEB;Schulz\n", false, {}, {}, 1},
        {"erster Wunsch", "Eintrag;Wunsch 1;Wunsch 2\n5a: Meier, Anna;SCH;WEB\n7b: Meier, Tim;WEB;SCH\n", true, {Schulz},
         {Weber}, 0},
        {"ohne Spalte und Option", "Eintrag;Wunsch 1\n5a: Meier, Anna;WEB\n", false, {}, {}, 0},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        Schule(tag);
        const TGeleseneQuelle q = Quelle(f.text, false);
        ASSERT_TRUE(q.ok()) << f.fall;
        TImportMuster muster;
        muster.ErsterWunschVorrang = f.ersterWunsch;
        const TImportPlan plan = PlaneImport(tag, {q}, muster);
        EXPECT_EQ(plan.Berichte[0].WuenscheOffen(), f.offen) << f.fall;
        WendeImportAn(tag, plan);
        QStringList anna = tag.Eltern.Suche(Anna)->Vorrang, tim = tag.Eltern.Suche(Tim)->Vorrang;
        anna.sort();
        tim.sort();
        QStringList erwartetAnna = f.vorrangAnna, erwartetTim = f.vorrangTim;
        erwartetAnna.sort();
        erwartetTim.sort();
        EXPECT_EQ(anna, erwartetAnna) << f.fall;
        EXPECT_EQ(tim, erwartetTim) << f.fall;
        EXPECT_TRUE(tag.Eltern.Suche(Anna)->Einladungen.isEmpty()) << f.fall;
    }
}

} // namespace
