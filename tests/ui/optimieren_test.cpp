// "Opti&mieren" on the "Zeitpläne" page: enabled only with valid plans, the window with the
// figures before and now, "&Abbrechen" (and Escape) keeping the plans, "&Fertig" after new
// plans, and the statistics window's new figures and reasons.

#include "../core/plan_pruefer.h"
#include "beispiel/beispieltag.h"
#include "fenster/optimierfenster.h"
#include "fenster/rechenfenster.h"
#include "fenster/statistikfenster.h"
#include "optimierung/kennzahlen.h"
#include "ui_hilfen.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QStringList zeilen(const QListView* liste)
{
    QStringList z;
    for (int i = 0; i < liste->model()->rowCount(); ++i)
        z << liste->model()->index(i, 0).data().toString();
    return z;
}

class Optimieren : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TBeispielVorgaben v;
        v.eltern = 120;
        v.lehrer = 12;
        v.geschwisterProzent = 30;
        FuelleBeispieltag(tag(), v);
    }

    QStringList allePlaene()
    {
        QStringList alle;
        for (const auto& l : tag().Lehrer)
            alle << l.record->Zeitplan;
        for (const auto& e : tag().Eltern)
            alle << e.record->Zeitplan.Liste();
        return alle;
    }

    /// Presses "Opti&mieren"; `waehrend` runs at the first update of the running window.
    void optimiere(std::function<void(TOptimierFenster*)> waehrend)
    {
        TOptimierFenster* f = programm.Optimierfenster();
        QMetaObject::Connection c = QObject::connect(f, &TOptimierFenster::zwischenstand, f, [&] {
            QObject::disconnect(c);
            waehrend(f);
        });
        finde<QPushButton>("OptimierenBtn")->click();
        QObject::disconnect(c);
    }

    QString text(const char* name, QWidget* in) { return finde<QLabel>(name, in)->text(); }
};

TEST_F(Optimieren, NurMitGueltigenPlaenen)
{
    haupt().ZeigeSeite(TForm2::Seite::Plaene);
    auto* knopf = finde<QPushButton>("OptimierenBtn");
    EXPECT_TRUE(knopf->isVisible());
    EXPECT_FALSE(knopf->isEnabled());
    berechneUndWeiter();
    EXPECT_TRUE(knopf->isEnabled());
    EXPECT_EQ(knopf->text(), QStringLiteral("Opti&mieren"));
}

TEST_F(Optimieren, FertigSchreibtDieNeuenPlaeneUndDieStatistikZeigtVorherUndNachher)
{
    berechneUndWeiter();
    const TPlanKennzahlen vorher = BerechnePlanKennzahlen(tag());
    tag().AlsGespeichertMarkieren();
    TOptimierFenster* f = programm.Optimierfenster();
    bool fertigGesehen = false;
    QObject::connect(f, &TOptimierFenster::fertig, f, [&] {
        fertigGesehen = true;
        // Queued: the window's own loop must be running to close it.
        QMetaObject::invokeMethod(f, [&, f] {
            EXPECT_TRUE(f->FertigBtn()->isVisible());
            EXPECT_FALSE(f->AbbrechenBtn()->isVisible());
            EXPECT_EQ(text("TermineVorher", f), QString::number(vorher.Termine));
            EXPECT_EQ(text("TermineJetzt", f), QString::number(BerechnePlanKennzahlen(tag()).Termine));
            f->FertigBtn()->click();
        }, Qt::QueuedConnection);
    }, Qt::SingleShotConnection);
    optimiere([](TOptimierFenster* w) { EXPECT_TRUE(w->AbbrechenBtn()->isVisible()); });
    ASSERT_TRUE(fertigGesehen);
    EXPECT_FALSE(f->isVisible());

    const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag());
    EXPECT_TRUE(b.Fehler.isEmpty()) << b.Fehler.join(u'\n').toStdString();
    const TPlanKennzahlen nachher = BerechnePlanKennzahlen(tag());
    EXPECT_GE(nachher.Termine, vorher.Termine);
    EXPECT_LE(nachher.OhneTermin, vorher.OhneTermin);
    EXPECT_TRUE(tag().UngespeicherteAenderungen());
    EXPECT_TRUE(tag().PlaeneGueltig);

    finde<QPushButton>("StatBtn")->click();
    TStatForm* stat = programm.Statistik();
    EXPECT_EQ(text("LbErteilt", stat), QString::number(nachher.Termine));
    EXPECT_EQ(text("LbKennTermine", stat), QString::number(nachher.Termine));
    EXPECT_EQ(text("LbKennTermineVorher", stat), QString::number(vorher.Termine));
    EXPECT_EQ(text("LbOhneTerminVorher", stat), QString::number(vorher.OhneTermin));
    EXPECT_EQ(text("LbWarteP90", stat), QString::number(nachher.WarteP90) + QStringLiteral(" min"));
    auto* reiter = finde<QTabWidget>("TabbedNotebook1", stat);
    reiter->setCurrentIndex(3);
    EXPECT_TRUE(finde<QLabel>("LbKennTermineVorher", stat)->isVisible());

    // Every unmet request has its reason, and the stored list keeps its own format.
    const QStringList gruende = zeilen(finde<QListView>("GruendeBox", stat));
    const QStringList liste = zeilen(finde<QListView>("NichtErtBox", stat));
    ASSERT_EQ(gruende.size(), liste.size());
    ASSERT_GT(liste.size(), 0);
    for (const QString& z : liste) {
        const QString stamm = z.section(QStringLiteral("      ("), 0, 0);
        bool gefunden = false;
        for (qsizetype j = 0; j < gruende.size() && !gefunden; ++j)
            gefunden = gruende.at(j).startsWith(stamm + QStringLiteral(": "));
        EXPECT_TRUE(gefunden) << stamm.toStdString();
        EXPECT_TRUE(z.endsWith(QStringLiteral("      (Zeitmangel)")) || z.endsWith(QStringLiteral("      (abgelehnt)")));
    }
    stat->close();

    // A new computation shows no "vorher" column any more.
    berechneUndWeiter();
    finde<QPushButton>("StatBtn")->click();
    reiter->setCurrentIndex(3);
    EXPECT_FALSE(finde<QLabel>("LbKennTermineVorher", stat)->isVisible());
    stat->close();
}

TEST_F(Optimieren, GruendlichGiltFuerDenNaechstenLaufUndDieSchrankeStehtInBeidenFenstern)
{
    berechneUndWeiter();
    TOptimierFenster* f = programm.Optimierfenster();
    QCheckBox* gruendlich = f->GruendlichBox();
    for (const bool an : {false, true}) {
        QString schranke;
        QObject::connect(f, &TOptimierFenster::fertig, f, [&] {
            QMetaObject::invokeMethod(f, [&, f] {
                EXPECT_TRUE(gruendlich->isEnabled());
                schranke = text("OptimierSchranke", f);
                // Ticked after one run, it holds for the next.
                gruendlich->setChecked(true);
                f->FertigBtn()->click();
            }, Qt::QueuedConnection);
        }, Qt::SingleShotConnection);
        optimiere([&](TOptimierFenster*) {
            EXPECT_FALSE(gruendlich->isEnabled());
            EXPECT_EQ(gruendlich->isChecked(), an);
        });
        const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag());
        EXPECT_TRUE(b.Fehler.isEmpty()) << b.Fehler.join(u'\n').toStdString();
        const QRegularExpression form(QStringLiteral("^%1 Termine( – mehr sind nicht möglich\\.|, höchstens (\\d+) möglich)$")
                                          .arg(b.Termine));
        const QRegularExpressionMatch m = form.match(schranke);
        ASSERT_TRUE(m.hasMatch()) << schranke.toStdString();
        if (m.hasCaptured(2)) {
            EXPECT_GT(m.captured(2).toInt(), b.Termine);
        }

        finde<QPushButton>("StatBtn")->click();
        TStatForm* stat = programm.Statistik();
        EXPECT_EQ(text("LbSchranke", stat), schranke);
        stat->close();
    }
}

TEST_F(Optimieren, AbbrechenUndEscapeBehaltenDiePlaene)
{
    berechneUndWeiter();
    tag().AlsGespeichertMarkieren();
    const QStringList plaene = allePlaene();
    const auto statistik = tag().Statistik().Texte;
    for (const bool escape : {false, true}) {
        optimiere([escape](TOptimierFenster* f) {
            if (escape)
                QTest::keyClick(f, Qt::Key_Escape);
            else
                f->AbbrechenBtn()->click();
        });
        EXPECT_FALSE(programm.Optimierfenster()->isVisible());
        EXPECT_EQ(allePlaene(), plaene);
        EXPECT_EQ(tag().Statistik().Texte, statistik);
        EXPECT_FALSE(tag().UngespeicherteAenderungen());
    }
}

TEST_F(Optimieren, NachDemBerechnenSagtDasFensterWasVerschobenWurde)
{
    // The computation's own plan with two talks of one entry side by side after the
    // day's end (16:20 and 16:30 on a day until 16:00, both teachers until 17:00): the
    // window says what it moved and why, not that a talk broke a rule.
    TSprechtag& t = tag();
    while (t.Eltern.Anzahl() > 0)
        t.ElternEntfernen(t.Eltern.Name(0));
    while (t.Lehrer.Anzahl() > 0)
        t.LehrerEntfernen(t.Lehrer.Name(0));
    while (!t.Pausen.empty())
        t.PauseEntfernen(0);
    t.SetSprechStart(Zeit::Kodiere(15, 0));
    t.SetSprechEnde(Zeit::Kodiere(16, 0));
    t.SetSprechTakt(10);
    const QString ahorn = QStringLiteral("Ahorn (A1)"), buche = QStringLiteral("Buche (B2)");
    const QString kind = QStringLiteral("1a: Kind");
    for (const QString& name : {ahorn, buche}) {
        TLehrer& l = t.Lehrer.Record(t.LehrerUebernehmen(name).index);
        l.AbweichZeit = true, l.StartZeit = Zeit::Kodiere(15, 0), l.EndZeit = Zeit::Kodiere(17, 0);
    }
    t.Lehrer.Suche(ahorn)->Zeitplan = {QStringLiteral("16:20 Uhr: ") + kind};
    t.Lehrer.Suche(buche)->Zeitplan = {QStringLiteral("16:30 Uhr: ") + kind};
    TEltern& e = t.Eltern.Record(t.ElternUebernehmen(kind).index);
    e.Sprechwuensche = {ahorn, buche};
    e.Zeitplan.Setze({QStringLiteral("16:20 Uhr: ") + ahorn, QStringLiteral("16:30 Uhr: ") + buche});
    t.PlaeneGueltig = true;
    haupt().ZeigeSeite(TForm2::Seite::Plaene);

    TOptimierFenster* f = programm.Optimierfenster();
    QString status, schranke;
    QObject::connect(f, &TOptimierFenster::fertig, f, [&] {
        QMetaObject::invokeMethod(f, [&, f] {
            status = text("OptimierStatus", f);
            schranke = text("OptimierSchranke", f);
            f->FertigBtn()->click();
        }, Qt::QueuedConnection);
    }, Qt::SingleShotConnection);
    optimiere([](TOptimierFenster*) {});
    EXPECT_EQ(status, QStringLiteral("Fertig. Ein Termin wurde verschoben, damit zwischen zwei Gesprächen einer "
                                     "Familie Zeit zum Raumwechsel bleibt."));
    // One entry, two requests, both teachers free all afternoon: two talks is all there is.
    EXPECT_EQ(schranke, QStringLiteral("2 Termine – mehr sind nicht möglich."));
    const PlanPruefer::TBefund b = PlanPruefer::Pruefe(t);
    EXPECT_TRUE(b.Fehler.isEmpty()) << b.Fehler.join(u'\n').toStdString();
    EXPECT_TRUE(b.NurBerechnung.isEmpty());
    EXPECT_EQ(b.Termine, 2);
}

} // namespace
