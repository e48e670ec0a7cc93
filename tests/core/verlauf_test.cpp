// Undo and redo: every kind of step brings the day back exactly (field by field and by the
// bytes a save would write) and forward again; the changed state follows the history.

#include "bearbeiten/ablehnungen.h"
#include "bearbeiten/anwesenheit.h"
#include "bearbeiten/direkte_aenderungen.h"
#include "bearbeiten/geschwister.h"
#include "bearbeiten/lehrerzeiten.h"
#include "bearbeiten/plaene_ungueltig.h"
#include "bearbeiten/sprechwuensche.h"
#include "bearbeiten/umbenennen.h"
#include "bearbeiten/vorrang.h"
#include "beispiel/beispielschule.h"
#include "beispiel/beispieltag.h"
#include "berechnung/fortschritt.h"
#include "berechnung/zeitplanrechner.h"
#include "datei/datei.h"
#include "datei/schreiber.h"
#include "import/briefimport.h"
#include "import/namensimport.h"
#include "model/sprechtag.h"
#include "optimierung/ausfall.h"
#include "optimierung/optimierer.h"
#include "schuldaten/schulimport.h"
#include "verlauf/verlauf.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

/// What a save of everything would write, and what no file holds: validity, the
/// generator, the breaks' slots and the working fields of the last computation.
QByteArray Bytes(const TSprechtag& tag)
{
    QByteArray b = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000);
    b += tag.PlaeneGueltig ? "|P" : "|p";
    b += "|" + QByteArray::number(tag.Zufall.Seed());
    for (const auto& p : tag.Pausen)
        b += "|" + QByteArray::number(p->SlotVon()) + "-" + QByteArray::number(p->SlotBis());
    for (const auto& l : tag.Lehrer)
        b += "|" + QByteArray::number(l.record->AnzErteilt);
    for (const auto& e : tag.Eltern)
        b += "|" + e.record->Erteilt.join(QLatin1Char(',')).toUtf8();
    return b;
}

/// Field by field: names in collection order, each record, settings, breaks, texts.
void ErwarteGleich(const TSprechtag& a, const TSprechtag& b, const QString& wo)
{
    ASSERT_EQ(a.Lehrer.Namen(), b.Lehrer.Namen()) << wo.toStdString();
    ASSERT_EQ(a.Eltern.Namen(), b.Eltern.Namen()) << wo.toStdString();
    for (qsizetype i = 0; i < a.Lehrer.Anzahl(); ++i)
        EXPECT_TRUE(a.Lehrer.Record(i) == b.Lehrer.Record(i)) << wo.toStdString() << ": " << a.Lehrer.Name(i).toStdString();
    for (qsizetype i = 0; i < a.Eltern.Anzahl(); ++i)
        EXPECT_TRUE(a.Eltern.Record(i) == b.Eltern.Record(i)) << wo.toStdString() << ": " << a.Eltern.Name(i).toStdString();
    for (qsizetype i = 0; i < a.Lehrer.Anzahl(); ++i)
        EXPECT_EQ(a.Lehrer.Suche(a.Lehrer.Name(i)), &a.Lehrer.Record(i)) << "index of " << a.Lehrer.Name(i).toStdString();
    for (qsizetype i = 0; i < b.Eltern.Anzahl(); ++i)
        EXPECT_EQ(b.Eltern.Suche(b.Eltern.Name(i)), &b.Eltern.Record(i)) << "index of " << b.Eltern.Name(i).toStdString();
    EXPECT_TRUE(a.Vorgaben == b.Vorgaben) << wo.toStdString();
    EXPECT_TRUE(a.Vorschau == b.Vorschau) << wo.toStdString();
    EXPECT_TRUE(a.Plan == b.Plan) << wo.toStdString();
    EXPECT_TRUE(a.Statistik() == b.Statistik()) << wo.toStdString();
    EXPECT_EQ(a.PlaeneGueltig, b.PlaeneGueltig) << wo.toStdString();
    EXPECT_EQ(a.FreieTermineAnzeigen, b.FreieTermineAnzeigen) << wo.toStdString();
    EXPECT_EQ(a.GemeinsameGespraeche, b.GemeinsameGespraeche) << wo.toStdString();
    EXPECT_EQ(a.Zufall.Seed(), b.Zufall.Seed()) << wo.toStdString();
    ASSERT_EQ(a.Pausen.size(), b.Pausen.size()) << wo.toStdString();
    for (size_t i = 0; i < a.Pausen.size(); ++i) {
        EXPECT_EQ(a.Pausen[i]->Start(), b.Pausen[i]->Start());
        EXPECT_EQ(a.Pausen[i]->Dauer(), b.Pausen[i]->Dauer());
    }
    EXPECT_EQ(Bytes(a), Bytes(b)) << wo.toStdString();
}

/// A small school with computed timetables, counting as saved, without history.
void BaueTag(TSprechtag& tag)
{
    BaueBeispielschule(tag, {12, 80, 4711});
    TStillerFortschritt still;
    BerechneZeitplaene(tag, still);
    tag.Verlauf()->NeuBeginnen();
    tag.AlsGespeichertMarkieren();
}

QByteArray Tagesdatei(const std::function<void(TSprechtag&)>& fuellen)
{
    TSprechtag t;
    fuellen(t);
    return Datei::SpeichereInBytes(t, Inhalt::Alles);
}

/// A step of every kind: it acts on the day and returns the name the step should have.
struct TFall {
    const char* art;
    std::function<QString(TSprechtag&)> tue;
};

QString L(const TSprechtag& t, int i) { return t.Lehrer.Name(i); }
QString E(const TSprechtag& t, int i) { return t.Eltern.Name(i); }

const std::vector<TFall>& Faelle()
{
    static const std::vector<TFall> f = {
        {"Lehrer hinzufügen", [](TSprechtag& t) { t.LehrerUebernehmen(QStringLiteral("Meier (101)")); return QStringLiteral("Lehrer „Meier (101)“ hinzufügen"); }},
        {"Eltern hinzufügen", [](TSprechtag& t) { t.ElternUebernehmen(QStringLiteral("0a: Aal")); return QStringLiteral("Eltern „0a: Aal“ hinzufügen"); }},
        {"Lehrer löschen", [](TSprechtag& t) { const QString n = L(t, 3); t.LehrerEntfernen(n); return QStringLiteral("Lehrer „%1“ löschen").arg(n); }},
        {"Eltern löschen", [](TSprechtag& t) {
             // One with siblings: their marks on the other side go, too.
             qsizetype i = 0;
             while (t.Eltern.Record(i).Geschwister.isEmpty())
                 ++i;
             const QString n = E(t, int(i));
             t.ElternEntfernen(n);
             return QStringLiteral("Eltern „%1“ löschen").arg(n);
         }},
        {"Alle Lehrer löschen", [](TSprechtag& t) { t.LehrerLoesch(); return QStringLiteral("Alle Lehrer löschen"); }},
        {"Alle Eltern löschen", [](TSprechtag& t) { t.ElternLoesch(); return QStringLiteral("Alle Eltern löschen"); }},
        {"Lehrer umbenennen", [](TSprechtag& t) { const QString n = L(t, 0); LehrerUmbenennen(t, n, QStringLiteral("Zander (9)")); return QStringLiteral("Lehrer „%1“ in „Zander (9)“ umbenennen").arg(n); }},
        {"Eltern umbenennen", [](TSprechtag& t) { const QString n = E(t, 5); ElternUmbenennen(t, n, QStringLiteral("0b: Anfang")); return QStringLiteral("Eltern „%1“ in „0b: Anfang“ umbenennen").arg(n); }},
        {"Sprechwünsche", [](TSprechtag& t) { const QString n = E(t, 2); SprechwuenscheSpeichern(t, n, {L(t, 1), L(t, 0)}); return QStringLiteral("Sprechwünsche von „%1“ ändern").arg(n); }},
        {"Einladung", [](TSprechtag& t) { const QString n = E(t, 6); PrioritaetSetzen(t, n, L(t, 1), TPrioritaet::Einladung); return QStringLiteral("Sprechwunsch „%1“ von „%2“: Einladung").arg(L(t, 1), n); }},
        {"Vorrang", [](TSprechtag& t) {
             qsizetype i = 0;
             while (t.Eltern.Record(i).Sprechwuensche.isEmpty())
                 ++i;
             const QString n = E(t, int(i)), l = t.Eltern.Record(i).Sprechwuensche.first();
             PrioritaetSetzen(t, n, l, TPrioritaet::Vorrang);
             return QStringLiteral("Sprechwunsch „%1“ von „%2“: Vorrang").arg(l, n);
         }},
        {"Einladungen eines Lehrers", [](TSprechtag& t) { const QString n = L(t, 2); EinladungenSpeichern(t, n, {E(t, 3), E(t, 9)}); return QStringLiteral("Einladungen von „%1“ ändern").arg(n); }},
        {"Gemeinsame Gespräche", [](TSprechtag& t) { GemeinsameGespraecheSetzen(t, true); return QStringLiteral("„Geschwister bei derselben Lehrkraft: ein gemeinsames Gespräch“ ändern"); }},
        {"Ablehnungen", [](TSprechtag& t) { const QString n = L(t, 2); AblehnungenSpeichern(t, n, {E(t, 7), E(t, 1)}); return QStringLiteral("Ablehnungen von „%1“ ändern").arg(n); }},
        {"Geschwister", [](TSprechtag& t) { const QString n = E(t, 10); GeschwisterSpeichern(t, n, {E(t, 11), E(t, 40)}); return QStringLiteral("Geschwister von „%1“ ändern").arg(n); }},
        {"Anwesenheit an", [](TSprechtag& t) {
             qsizetype i = 0;
             while (t.Eltern.Record(i).NichtVor)
                 ++i;
             const QString n = E(t, int(i));
             AnwesenheitSchalten(t, n, TAnwesenheitsGrenze::NichtVor, true);
             return QStringLiteral("Anwesenheit von „%1“ ändern").arg(n);
         }},
        {"Anwesenheitszeit", [](TSprechtag& t) {
             TAnwesenheitsGedaechtnis g;
             const QString n = E(t, 4);
             AnwesenheitZeitEingabe(t, n, TAnwesenheitsGrenze::NichtNach, QStringLiteral("17:35"), g);
             return QStringLiteral("Anwesenheit von „%1“ ändern").arg(n);
         }},
        {"Abweichende Zeit", [](TSprechtag& t) {
             qsizetype i = 0;
             while (t.Lehrer.Record(i).AbweichZeit)
                 ++i;
             const QString n = L(t, int(i));
             AbweichZeitSetzen(t, n, true);
             return QStringLiteral("Abweichende Sprechzeit für „%1“").arg(n);
         }},
        {"Sprechzeit eines Lehrers", [](TSprechtag& t) { const QString n = L(t, 5); LehrerEndeEingabe(t, n, QStringLiteral("16:40")); return QStringLiteral("Sprechzeit von „%1“ ändern").arg(n); }},
        {"Sprechbeginn", [](TSprechtag& t) { t.SetSprechStart(Zeit::Kodiere(16, 30)); return QStringLiteral("Sprechbeginn ändern"); }},
        {"Sprechende", [](TSprechtag& t) { t.SetSprechEnde(Zeit::Kodiere(20, 0)); return QStringLiteral("Sprechende ändern"); }},
        {"Sprechtakt", [](TSprechtag& t) { t.SetSprechTakt(7); return QStringLiteral("Sprechtakt ändern"); }},
        {"Pausen einplanen", [](TSprechtag& t) { t.SetRaumwechselPause(!t.Vorgaben.RaumwechselPause); return QStringLiteral("„Pausen einplanen“ ändern"); }},
        {"Pause hinzufügen", [](TSprechtag& t) { t.NeuePause(); return QStringLiteral("Pause hinzufügen"); }},
        {"Pause löschen", [](TSprechtag& t) { t.PauseEntfernen(0); return QStringLiteral("Pause löschen"); }},
        {"Pause ändern", [](TSprechtag& t) { PauseSetzen(t, *t.Pausen.front(), QStringLiteral("16:05"), QStringLiteral("25")); return QStringLiteral("Pause ändern"); }},
        {"Lehrerplan", [](TSprechtag& t) { const QString n = L(t, 1); LehrerplanSetzen(t, n, {QStringLiteral("15:00 Uhr: von Hand")}); return QStringLiteral("Zeitplan von „%1“ bearbeiten").arg(n); }},
        {"Elternplan", [](TSprechtag& t) { const QString n = E(t, 1); ElternplanSetzen(t, n, {QStringLiteral("18:00 Uhr: spät"), QStringLiteral("15:00 Uhr: früh")}); return QStringLiteral("Zeitplan von „%1“ bearbeiten").arg(n); }},
        {"Anschreiben", [](TSprechtag& t) { VorschauBriefSetzen(t, {QStringLiteral("Liebe Kollegen")}); return QStringLiteral("Anschreiben ändern"); }},
        {"Vorschaulisten", [](TSprechtag& t) { VorschauGewuenschtSetzen(t, !t.Vorschau.Gewuenscht); return t.Vorschau.Gewuenscht ? QStringLiteral("Vorschaulisten erzeugen") : QStringLiteral("Keine Vorschaulisten erzeugen"); }},
        {"Vorschau für alle", [](TSprechtag& t) { VorschauFuerAlleSetzen(t, !t.Vorschau.FuerAlleLehrer); return t.Vorschau.FuerAlleLehrer ? QStringLiteral("Vorschau für alle Lehrer") : QStringLiteral("Vorschau für betroffene Lehrer"); }},
        {"Planeinstellungen", [](TSprechtag& t) {
             TPlanEinstellungen p = t.Plan;
             p.Headline2 = QStringLiteral("Elternsprechtag am 3.3.");
             p.ElternBrief = {QStringLiteral("Liebe Eltern")};
             PlanEinstellungenSetzen(t, p, !t.FreieTermineAnzeigen);
             return QStringLiteral("Planeinstellungen ändern");
         }},
        {"Pläne verwerfen", [](TSprechtag& t) { PlaeneUngueltigAntwort(t, true); return QStringLiteral("Zeitpläne verwerfen"); }},
        {"Namensimport", [](TSprechtag& t) {
             NamenUebernehmen(t, {QStringLiteral("Neu (1)"), L(t, 0), QStringLiteral("Neu (2)"), QStringLiteral("Neu (3)")}, true);
             return QStringLiteral("Import von 3 Einträgen");
         }},
        {"Schuldaten", [](TSprechtag& t) {
             Schuldaten::TImportPlan p;
             p.NeueLehrer = {QStringLiteral("Quast (3)")};
             p.NeueEltern = {QStringLiteral("9z: Zett")};
             p.NeueWuensche = {{QStringLiteral("9z: Zett"), QStringLiteral("Quast (3)")}, {E(t, 0), QStringLiteral("Quast (3)")}};
             Schuldaten::WendeImportAn(t, p);
             return QStringLiteral("Import von 4 Einträgen");
         }},
        {"Briefimport", [](TSprechtag& t) {
             QTemporaryDir d;
             QFile f(d.filePath(QStringLiteral("brief.txt")));
             f.open(QIODevice::WriteOnly);
             f.write("Liebe Kolleginnen,\nbitte streichen.\n");
             f.close();
             ImportiereBrief(t, f.fileName());
             return QStringLiteral("Anschreiben importieren");
         }},
        {"Kombinierendes Laden", [](TSprechtag& t) {
             const QByteArray datei = Tagesdatei([&](TSprechtag& n) {
                 n.LehrerUebernehmen(QStringLiteral("Aachen (1)"));
                 n.LehrerUebernehmen(L(t, 0));
                 n.ElternUebernehmen(E(t, 0));
                 n.Eltern.Record(0).Sprechwuensche = {QStringLiteral("Aachen (1)")};
             });
             Datei::LadeAusBytes(t, datei, TLadeModus::Hinzufuegen, QStringLiteral("/irgendwo/herbst.qvt"));
             return QStringLiteral("„herbst.qvt“ hinzuladen");
         }},
        {"Berechnen", [](TSprechtag& t) {
             TStillerFortschritt still;
             t.SetSprechTakt(8); // a separate step; the computation follows it
             BerechneZeitplaene(t, still);
             return QStringLiteral("Zeitpläne berechnen");
         }},
        {"Optimieren", [](TSprechtag& t) {
             TStillerOptimierFortschritt still;
             Optimiere(t, still, 3000);
             return QStringLiteral("Zeitpläne optimieren");
         }},
        {"Ausfall", [](TSprechtag& t) {
             TAusfallWunsch w;
             w.Lehrer = L(t, 0);
             WendeAusfallAn(t, PlaneAusfall(t, w));
             return QStringLiteral("Ausfall von „%1“").arg(L(t, 0));
         }},
    };
    return f;
}

class VerlaufFall : public ::testing::TestWithParam<size_t> {};

TEST_P(VerlaufFall, RueckgaengigUndWiederholenGebenGenauDenTag)
{
    const TFall& f = Faelle()[GetParam()];
    TSprechtag tag;
    BaueTag(tag);
    auto vorher = tag.Abbild();
    const quint64 stand = tag.Stand();

    const QString name = f.tue(tag);
    const auto nachher = tag.Abbild();
    ASSERT_NE(Bytes(*vorher), Bytes(tag)) << f.art << ": the step changed nothing";
    ASSERT_TRUE(tag.Verlauf()->KannRueckgaengig()) << f.art;
    EXPECT_EQ(tag.Verlauf()->RueckgaengigName(), name) << f.art;
    EXPECT_TRUE(tag.UngespeicherteAenderungen()) << f.art;

    // "Berechnen" is two steps: the slot length, then the computation.
    const qsizetype schritte = tag.Verlauf()->Index();
    for (qsizetype i = 0; i < schritte; ++i)
        ASSERT_TRUE(tag.Rueckgaengig()) << f.art;
    ErwarteGleich(tag, *vorher, QStringLiteral("%1 rückgängig").arg(QString::fromUtf8(f.art)));
    EXPECT_FALSE(tag.UngespeicherteAenderungen()) << f.art << ": back at the saved state";
    EXPECT_GT(tag.Stand(), stand) << "views must see that the day moved";
    EXPECT_FALSE(tag.Rueckgaengig()) << "nothing before the start";
    EXPECT_EQ(tag.Verlauf()->WiederholenName(), schritte == 1 ? name : QStringLiteral("Sprechtakt ändern"));

    for (qsizetype i = 0; i < schritte; ++i)
        ASSERT_TRUE(tag.Wiederholen()) << f.art;
    ErwarteGleich(tag, *nachher, QStringLiteral("%1 wiederholt").arg(QString::fromUtf8(f.art)));
    EXPECT_TRUE(tag.UngespeicherteAenderungen()) << f.art;
    EXPECT_FALSE(tag.Wiederholen());

    // And back once more: the stored steps are not used up by replaying them.
    for (qsizetype i = 0; i < schritte; ++i)
        ASSERT_TRUE(tag.Rueckgaengig());
    ErwarteGleich(tag, *vorher, QStringLiteral("%1 wieder rückgängig").arg(QString::fromUtf8(f.art)));
}

INSTANTIATE_TEST_SUITE_P(JedeArt, VerlaufFall, ::testing::Range<size_t>(0, Faelle().size()),
                         [](const ::testing::TestParamInfo<size_t>& i) {
                             std::string n;
                             for (const char c : std::string(Faelle()[i.param].art))
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     n += c;
                             return n;
                         });

TEST(Verlauf, GespeichertFolgtDemVerlauf)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("tag.qvt"));
    TSprechtag tag;
    BaueTag(tag);
    tag.LehrerUebernehmen(QStringLiteral("A (1)"));
    tag.LehrerUebernehmen(QStringLiteral("B (2)"));
    ASSERT_TRUE(Datei::Speichern(tag, pfad, Inhalt::Alles).ok());
    EXPECT_FALSE(tag.UngespeicherteAenderungen());

    // Saving drew a number for the file's key; that is no step to undo.
    EXPECT_EQ(tag.Verlauf()->RueckgaengigName(), QStringLiteral("Lehrer „B (2)“ hinzufügen"));
    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_TRUE(tag.UngespeicherteAenderungen()) << "one step before the saved state";
    ASSERT_TRUE(tag.Wiederholen());
    EXPECT_FALSE(tag.UngespeicherteAenderungen()) << "redone up to the saved state";

    ASSERT_TRUE(tag.Rueckgaengig());
    tag.LehrerUebernehmen(QStringLiteral("C (3)"));
    EXPECT_FALSE(tag.Verlauf()->KannWiederholen()) << "a new step ends the way forward";
    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_TRUE(tag.UngespeicherteAenderungen()) << "the saved state is no longer on the way";

    // Saved after an undo: that state is now the clean one.
    ASSERT_TRUE(Datei::Speichern(tag, pfad, Inhalt::Alles).ok());
    ASSERT_TRUE(tag.Wiederholen());
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

TEST(Verlauf, ErsetzendesLadenBeginntNeu)
{
    const QByteArray datei = Tagesdatei([](TSprechtag& t) { t.LehrerUebernehmen(QStringLiteral("Datei (1)")); });
    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("Vorher (1)"));
    ASSERT_TRUE(Datei::LadeAusBytes(tag, datei, TLadeModus::Ersetzen, QStringLiteral("a.qvt")).ok());
    EXPECT_FALSE(tag.Verlauf()->KannRueckgaengig()) << "undo does not cross a load that replaced the day";
    EXPECT_FALSE(tag.UngespeicherteAenderungen());

    // Into an empty day, adding is loading, too.
    TSprechtag leer;
    leer.LehrerUebernehmen(QStringLiteral("X"));
    leer.LehrerEntfernen(QStringLiteral("X"));
    ASSERT_TRUE(Datei::LadeAusBytes(leer, datei, TLadeModus::Hinzufuegen, QStringLiteral("a.qvt")).ok());
    EXPECT_FALSE(leer.Verlauf()->KannRueckgaengig());

    // A load that fails leaves the history as it was.
    TSprechtag t;
    t.LehrerUebernehmen(QStringLiteral("Bleibt (1)"));
    EXPECT_FALSE(Datei::LadeAusBytes(t, "kaputt", TLadeModus::Ersetzen, QStringLiteral("b.qvt")).ok());
    EXPECT_EQ(t.Verlauf()->RueckgaengigName(), QStringLiteral("Lehrer „Bleibt (1)“ hinzufügen"));
}

TEST(Verlauf, EineBedienhandlungIstEinSchritt)
{
    // Deleting a teacher with valid plans: the plans become invalid and the teacher goes,
    // and both come back with one undo under the name of the deletion.
    TSprechtag tag;
    BaueTag(tag);
    const QString n = tag.Lehrer.Name(2);
    {
        TSchritt schritt(tag, {});
        PlaeneUngueltigAntwort(tag, true);
        tag.LehrerEntfernen(n);
    }
    EXPECT_EQ(tag.Verlauf()->Anzahl(), 1);
    EXPECT_EQ(tag.Verlauf()->RueckgaengigName(), QStringLiteral("Lehrer „%1“ löschen").arg(n));
    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_TRUE(tag.PlaeneGueltig);
    EXPECT_TRUE(tag.Lehrer.Enthaelt(n));

    // An operation that changes nothing leaves no step.
    { TSchritt schritt(tag, QStringLiteral("Nichts")); }
    AblehnungenSpeichern(tag, tag.Lehrer.Name(0), tag.Lehrer.Record(0).Ablehnungen);
    EXPECT_EQ(tag.Verlauf()->Index(), 0);
}

TEST(Verlauf, AenderungenOhneSchrittWerdenVorDemRueckgaengigEinSchritt)
{
    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("A (1)"));
    tag.LehrerUebernehmen(QStringLiteral("B (2)"));
    // A change straight into the records, told afterwards without a name.
    tag.Lehrer.Record(0).Ablehnungen = {QStringLiteral("x")};
    tag.Geaendert();
    EXPECT_EQ(tag.Verlauf()->RueckgaengigName(), QStringLiteral("Änderung"));
    // Not told at all: undo first makes it a step of its own and takes that back.
    tag.Lehrer.Record(1).AbweichZeit = true;
    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_FALSE(tag.Lehrer.Record(1).AbweichZeit);
    EXPECT_EQ(tag.Lehrer.Record(0).Ablehnungen, QStringList{QStringLiteral("x")});
    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_TRUE(tag.Lehrer.Record(0).Ablehnungen.isEmpty());
}

TEST(Verlauf, HundertZufaelligeSchritteZurueckZumAnfang)
{
    for (const quint32 saat : {1u, 2u, 3u}) {
        TSprechtag tag;
        FuelleBeispieltag(tag, {300, 40, 5, 10, 2, 10, 10, saat});
        tag.Verlauf()->NeuBeginnen();
        const QByteArray anfang = Bytes(tag);
        std::mt19937 z(saat);
        auto zufall = [&](qsizetype n) { return n <= 0 ? qsizetype(0) : qsizetype(z() % quint32(n)); };
        int neu = 0;
        while (tag.Verlauf()->Index() < 100) {
            const qsizetype nl = tag.Lehrer.Anzahl(), ne = tag.Eltern.Anzahl();
            switch (z() % 14) {
            case 0: tag.LehrerUebernehmen(QStringLiteral("Neu %1 (%2)").arg(++neu).arg(z() % 300)); break;
            case 1: tag.ElternUebernehmen(QStringLiteral("%1x: Neu %2").arg(z() % 13).arg(++neu)); break;
            case 2: if (nl > 1) tag.LehrerEntfernen(tag.Lehrer.Name(zufall(nl))); break;
            case 3: if (ne > 1) tag.ElternEntfernen(tag.Eltern.Name(zufall(ne))); break;
            case 4: if (nl) LehrerUmbenennen(tag, tag.Lehrer.Name(zufall(nl)), QStringLiteral("Um %1").arg(++neu)); break;
            case 5: if (ne) ElternUmbenennen(tag, tag.Eltern.Name(zufall(ne)), QStringLiteral("%1u: Um %2").arg(z() % 9).arg(++neu)); break;
            case 6: if (nl > 2 && ne) SprechwuenscheSpeichern(tag, tag.Eltern.Name(zufall(ne)), {tag.Lehrer.Name(zufall(nl)), tag.Lehrer.Name(zufall(nl))}); break;
            case 7: if (nl && ne) AblehnungenSpeichern(tag, tag.Lehrer.Name(zufall(nl)), {tag.Eltern.Name(zufall(ne))}); break;
            case 8: if (ne > 3) GeschwisterSpeichern(tag, tag.Eltern.Name(zufall(ne)), {tag.Eltern.Name(zufall(ne))}); break;
            case 9: tag.SetSprechTakt(int(z() % 20) + 5); break;
            case 10: if (tag.Pausen.size() < 3) tag.NeuePause(); else tag.PauseEntfernen(int(zufall(3))); break;
            case 11: {
                TStillerFortschritt still;
                BerechneZeitplaene(tag, still);
                break;
            }
            case 12: if (z() % 8 == 0) { z() % 2 ? tag.LehrerLoesch() : tag.ElternLoesch(); } break;
            case 13: NamenUebernehmen(tag, {QStringLiteral("Imp %1").arg(++neu), QStringLiteral("Imp %1").arg(++neu)}, z() % 2); break;
            }
        }
        const QByteArray ende = Bytes(tag);
        while (tag.Rueckgaengig()) {
        }
        EXPECT_EQ(Bytes(tag), anfang) << "saat " << saat;
        while (tag.Wiederholen()) {
        }
        EXPECT_EQ(Bytes(tag), ende) << "saat " << saat;
    }
}

TEST(Verlauf, GrenzenHaltenSchritteUndSpeicher)
{
    TSprechtag tag;
    for (int i = 0; i < 150; ++i)
        tag.LehrerUebernehmen(QStringLiteral("L %1").arg(i));
    EXPECT_EQ(tag.Verlauf()->Anzahl(), TVerlauf::StandardGrenze);
    int zurueck = 0;
    while (tag.Rueckgaengig())
        ++zurueck;
    EXPECT_EQ(zurueck, 100);
    EXPECT_EQ(tag.Lehrer.Anzahl(), 50) << "the first 50 steps were forgotten, the later ones undone";

    // Big steps: the budget forgets the oldest, never the newest.
    TSprechtag gross;
    FuelleBeispieltag(gross, {2000, 100, 5, 10, 2, 10, 10, 7});
    gross.Verlauf()->NeuBeginnen();
    gross.Verlauf()->SetGrenzen(100, 1024 * 1024);
    gross.ElternLoesch();
    EXPECT_EQ(gross.Verlauf()->Anzahl(), 1) << "the newest step stays even beyond the budget";
    gross.LehrerUebernehmen(QStringLiteral("Klein"));
    EXPECT_EQ(gross.Verlauf()->Anzahl(), 1) << "the big old step went";
    EXPECT_LE(gross.Verlauf()->Kosten(), 1024 * 1024);
}

TEST(Verlauf, AbbildHatKeinenVerlauf)
{
    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("A"));
    const auto k = tag.Abbild();
    EXPECT_EQ(k->Verlauf(), nullptr);
    EXPECT_FALSE(k->UngespeicherteAenderungen() == false) << "the copy keeps the changed state";
    k->LehrerUebernehmen(QStringLiteral("B"));
    EXPECT_FALSE(k->Rueckgaengig());
}

} // namespace
