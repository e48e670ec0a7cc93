#include "bildschirmfotos.h"

#include "aktionen/dateiaktionen.h"
#include "beispiel/beispielschule.h"
#include "datei/datei.h"
#include "datei/inhaltsmaske.h"
#include "berechnung/zeitplanrechner.h"
#include "dialoge/ladefrage.h"
#include "fenster/hauptfenster.h"
#include "fenster/optimierfenster.h"
#include "fenster/startfenster.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"
#include "programm.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>
#include <functional>

namespace Bildschirmfotos {
namespace {

class TFotograf {
public:
    explicit TFotograf(const QString& ordner)
        : m_ordner(ordner)
    {
    }

    void Foto(QWidget* w, const char* name)
    {
        if (!w)
            return;
        QApplication::processEvents();
        const QPixmap bild = w->grab();
        const QString pfad = m_ordner.filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
        if (bild.save(pfad))
            ++m_anzahl;
        else
            std::fprintf(stderr, "kalumo-handbuch: %s nicht geschrieben\n", qPrintable(pfad));
    }

    /// Photographs the modal dialog that `oeffnen` opens, then cancels it. When no dialog
    /// opens, the pending shot is dropped, so that it cannot catch a later dialog.
    void FotoImDialog(const char* name, const std::function<void()>& oeffnen)
    {
        QTimer ausloeser;
        ausloeser.setSingleShot(true);
        QObject::connect(&ausloeser, &QTimer::timeout, [this, name] {
            QWidget* d = QApplication::activeModalWidget();
            if (!d)
                return;
            Foto(d, name);
            if (auto* dlg = qobject_cast<QDialog*>(d))
                dlg->reject();
            else
                d->close();
        });
        ausloeser.start(0);
        oeffnen();
        ausloeser.stop();
    }

    int Anzahl() const { return m_anzahl; }

private:
    QDir m_ordner;
    int m_anzahl = 0;
};

// Pages still being built may lack a control; the picture then shows the page as it is.
void Klicke(QWidget* wurzel, const char* name)
{
    if (auto* k = wurzel->findChild<QAbstractButton*>(QString::fromUtf8(name)))
        k->click();
}

void WaehleZeile(QWidget* wurzel, const char* name, int zeile)
{
    auto* liste = wurzel->findChild<QAbstractItemView*>(QString::fromUtf8(name));
    if (!liste || !liste->model() || liste->model()->rowCount() <= zeile)
        return;
    const QModelIndex i = liste->model()->index(zeile, 0);
    liste->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    liste->scrollTo(i);
    emit liste->clicked(i);
}

QWidget* OffenesFenster(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QString::fromUtf8(name))
            return w;
    return nullptr;
}

void WaehleReiter(QWidget* wurzel, const char* name, int reiter)
{
    if (auto* t = wurzel->findChild<QTabWidget*>(QString::fromUtf8(name)); t && reiter < t->count())
        t->setCurrentIndex(reiter);
}

} // namespace

int Erzeuge(const QString& ordner)
{
    QDir().mkpath(ordner);
    TFotograf foto(ordner);
    // Questions that a step might raise are answered "no": the pictures must never wait.
    Meldung::SetAbfang([](Meldung::Art, const QString&) { return Meldung::Antwort::Nein; });

    // A small day of the example school reads better in a picture than the full one. It
    // comes in as a user's day does: through a data file, once without and once with plans.
    QTemporaryDir tmp;
    // The pictures show the program as it starts for a new user, whatever settings file
    // the person building it has.
    qputenv("KALUMO_INI", tmp.filePath(QStringLiteral("qvt.ini")).toLocal8Bit());
    const QString ohnePlaene = tmp.filePath(QStringLiteral("sprechtag.qvt"));
    const QString mitPlaenen = tmp.filePath(QStringLiteral("sprechtag-mit-plaenen.qvt"));
    {
        TSprechtag tag;
        TBeispielschule klein;
        klein.Lehrer = 12;
        klein.Eltern = 60;
        BaueBeispielschule(tag, klein);
        TStillerFortschritt still;
        if (!Datei::Speichern(tag, ohnePlaene, Inhalt::OhnePlaene).ok())
            return 0;
        BerechneZeitplaene(tag, still);
        if (!Datei::Speichern(tag, mitPlaenen, Inhalt::Alles).ok())
            return 0;
    }

    {
        TProgramm programm;
        programm.FensterErzeugen();
        TForm1* start = programm.StartFenster();
        TForm2* haupt = programm.Hauptfenster();

        start->show();
        foto.Foto(start, "start");
        start->hide();

        haupt->show();
        haupt->ZeigeSeite(TForm2::Seite::Plaene);
        foto.Foto(haupt, "plaene_leer");
        programm.Dateien()->LadeDatei(ohnePlaene);

        haupt->ZeigeSeite(TForm2::Seite::Vorgaben);
        foto.Foto(haupt, "vorgaben");
        foto.FotoImDialog("pause", [&] { Klicke(haupt, "PausePlus"); });
        haupt->ZeigeSeite(TForm2::Seite::Vorgaben);

        haupt->ZeigeSeite(TForm2::Seite::Lehrer);
        WaehleZeile(haupt, "LehrerBox", 2);
        foto.Foto(haupt, "lehrer");
        WaehleReiter(haupt, "LehrerPageC", 1);
        foto.Foto(haupt, "lehrer_anwesenheit");
        WaehleReiter(haupt, "LehrerPageC", 2);
        foto.Foto(haupt, "lehrer_ablehnungen");
        WaehleReiter(haupt, "LehrerPageC", 0);

        haupt->ZeigeSeite(TForm2::Seite::Eltern);
        foto.Foto(haupt, "eltern");
        WaehleZeile(haupt, "ElternBox", 4);
        Klicke(haupt, "SbElternDetails");
        WaehleReiter(haupt, "ElternPageC", 0);
        foto.Foto(haupt, "eltern_wuensche");
        WaehleReiter(haupt, "ElternPageC", 1);
        foto.Foto(haupt, "eltern_geschwister");
        WaehleReiter(haupt, "ElternPageC", 2);
        foto.Foto(haupt, "eltern_sonstiges");
        WaehleReiter(haupt, "ElternPageC", 0);
        Klicke(haupt, "SbElternDetails");

        haupt->ZeigeSeite(TForm2::Seite::Vorschau);
        foto.Foto(haupt, "vorschau");

        foto.FotoImDialog("speichern", [&] { programm.Dateien()->SaveIt(); });
        if (auto* frage = haupt->findChild<TListLoadSpecForm*>())
            foto.FotoImDialog("laden", [&] { frage->Frage(); });
        haupt->hide();
    }

    {
        TProgramm programm;
        programm.FensterErzeugen();
        TForm2* haupt = programm.Hauptfenster();
        haupt->show();
        programm.Dateien()->LadeDatei(mitPlaenen);
        haupt->ZeigeSeite(TForm2::Seite::Plaene);
        WaehleZeile(haupt, "WahlBoxL", 1);
        Klicke(haupt, "DruckOptBtn");
        foto.Foto(haupt, "plaene");
        foto.FotoImDialog("planeinstellungen", [&] { Klicke(haupt, "ZeitplanSetupBut"); });
        // The drop-out dialog for the selected teacher, who stays only until 16:00; the
        // picture is taken, then the dialog is cancelled and the day stays as it was.
        QTimer::singleShot(0, haupt, [&foto] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            if (auto* bis = d->findChild<QRadioButton*>(QStringLiteral("RbAusfallBis")))
                bis->click();
            if (auto* zeit = d->findChild<QLineEdit*>(QStringLiteral("AusfallZeitEdit")))
                zeit->setText(QStringLiteral("16:00"));
            foto.Foto(d, "ausfall");
            d->reject();
        });
        Klicke(haupt, "AusfallBtn");

        Klicke(haupt, "StatBtn");
        if (QWidget* statistik = OffenesFenster("StatForm")) {
            foto.Foto(statistik, "statistik");
            statistik->hide();
        }

        // The optimising window waits at its end for "&Fertig"; the picture is taken then.
        TOptimierFenster* optimieren = programm.Optimierfenster();
        QObject::connect(
            optimieren, &TOptimierFenster::fertig, optimieren,
            [&foto, optimieren] {
                QMetaObject::invokeMethod(
                    optimieren,
                    [&foto, optimieren] {
                        foto.Foto(optimieren, "optimieren");
                        optimieren->FertigBtn()->click();
                    },
                    Qt::QueuedConnection);
            },
            Qt::SingleShotConnection);
        Klicke(haupt, "OptimierenBtn");
        Klicke(haupt, "StatBtn");
        if (QWidget* statistik = OffenesFenster("StatForm")) {
            if (auto* reiter = statistik->findChild<QTabWidget*>(QStringLiteral("TabbedNotebook1")))
                reiter->setCurrentIndex(3);
            foto.Foto(statistik, "statistik_wartezeiten");
            statistik->hide();
        }

        // The computation runs to its end inside the click; its window then says "Fertig!".
        Klicke(haupt, "ZeitPlanCalcBut");
        if (QWidget* rechnen = OffenesFenster("CalcForm")) {
            foto.Foto(rechnen, "rechnen");
            Klicke(rechnen, "BitBtn1");
            rechnen->hide();
        }
        haupt->hide();
    }

    Meldung::SetAbfang({});
    return foto.Anzahl();
}

} // namespace Bildschirmfotos
