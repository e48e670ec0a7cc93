#include "bildschirmfotos.h"

#include "beispieltag.h"
#include "aktionen/dateiaktionen.h"
#include "beispiel/beispielschule.h"
#include "datei/datei.h"
#include "datei/inhaltsmaske.h"
#include "berechnung/zeitplanrechner.h"
#include "dialoge/ladefrage.h"
#include "dialoge/schuldaten/assistent.h"
#include "dialoge/versanddialog.h"
#include "gemeinsam/dateiwahl.h"
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
#include <QFile>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
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

/// A small school's exports as the manual describes them: invented people, two teachers
/// and two pupils of the same name, names from other languages, wishes by short name,
/// surname and subject, and one wish nobody can read.
QStringList Schuldateien(const QDir& ordner)
{
    const struct {
        const char* name;
        const char* inhalt;
    } dateien[] = {
        {"lehrer.csv", "Kürzel;Nachname;Vorname;Titel;Raum\n"
                       "WEB;Weber;Christine;;A 12\n"
                       "WEE;Weber;Ralf;Dr.;B 3\n"
                       "BRA;Brandt;Jonas;;A 7\n"
                       "KOC;Koch;Mira;;C 1\n"},
        {"schueler.csv", "Schülernummer;Klasse;Nachname;Vorname\n"
                         "1001;7b;Yılmaz;Ayşe\n"
                         "1002;7b;Nowak;Łukasz\n"
                         "1003;8a;Weiß;Jan\n"
                         "1004;8a;Weiß;Jan\n"
                         "1005;5c;Schmidt;Lea\n"},
        {"unterricht.csv", "Klasse;Fach;Kürzel\n"
                           "7b;M;WEB\n"
                           "7b;D;BRA\n"
                           "8a;E;WEE\n"
                           "5c;Bio;KOC\n"},
        {"wuensche.csv", "Schülernummer;Klasse;Nachname;Vorname;Wunsch 1;Wunsch 2\n"
                         "1001;7b;Yilmaz;Ayse;Mathematik;BRA\n"
                         "1003;8a;Weiß;Jan;Englisch;Frau Weber\n"
                         "1005;5c;Schmidt;Lea;Biologie;XQZ\n"},
    };
    QStringList pfade;
    for (const auto& d : dateien) {
        const QString pfad = ordner.filePath(QString::fromUtf8(d.name));
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly) || f.write(d.inhalt) < 0)
            return {};
        pfade << pfad;
    }
    return pfade;
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
        Beispieltag::Ergaenze(tag);
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
        WaehleZeile(haupt, "LehrerBox", Beispieltag::EinladendeLehrkraft);
        foto.Foto(haupt, "lehrer");
        WaehleReiter(haupt, "LehrerPageC", 1);
        foto.Foto(haupt, "lehrer_anwesenheit");
        WaehleReiter(haupt, "LehrerPageC", 2);
        foto.Foto(haupt, "lehrer_ablehnungen");
        WaehleReiter(haupt, "LehrerPageC", 3);
        foto.Foto(haupt, "lehrer_einladungen");
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
        // The family with marks, its most important teacher in the drop-down.
        WaehleZeile(haupt, "ElternBox", Beispieltag::ElternMitMarken);
        if (auto* wuensche = haupt->findChild<QListWidget*>(QStringLiteral("SprechwunschBox"))) {
            const QList<QListWidgetItem*> markiert = wuensche->findItems(QStringLiteral(" – Vorrang"), Qt::MatchEndsWith);
            if (!markiert.isEmpty()) {
                wuensche->setCurrentItem(markiert.front(), QItemSelectionModel::NoUpdate);
                wuensche->scrollToItem(markiert.front());
            }
        }
        foto.Foto(haupt, "eltern_prioritaet");
        Klicke(haupt, "SbElternDetails");

        haupt->ZeigeSeite(TForm2::Seite::Vorschau);
        foto.Foto(haupt, "vorschau");

        // The school-data wizard with the exports of a small school, step by step.
        const QStringList schuldateien = Schuldateien(QDir(tmp.path()));
        if (!schuldateien.isEmpty()) {
            QStringList wahl = schuldateien;
            Dateiwahl::SetAbfang([&wahl](const Dateiwahl::TAnfrage&) { return wahl.isEmpty() ? QString() : wahl.takeFirst(); });
            haupt->ZeigeSeite(TForm2::Seite::Eltern);
            QTimer::singleShot(0, haupt, [&foto] {
                auto* a = qobject_cast<TSchuldatenAssistent*>(QApplication::activeModalWidget());
                if (!a)
                    return;
                for (int i = 0; i < 4; ++i)
                    Klicke(a, "SchuldatenHinzuBtn");
                foto.Foto(a, "schuldaten_dateien");
                a->next();
                foto.Foto(a, "schuldaten_vorschau");
                a->next();
                // The lists under their headings say more than the files' details above.
                if (auto* bericht = a->findChild<QPlainTextEdit*>(QStringLiteral("SchuldatenBericht")))
                    bericht->verticalScrollBar()->setValue(bericht->verticalScrollBar()->maximum());
                foto.Foto(a, "schuldaten_ergebnis");
                a->reject();
            });
            Klicke(haupt, "SchuldatenBtn");
            Dateiwahl::SetAbfang({});
        }

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
        // The send dialog with invented server settings; nothing is sent, the dialog is
        // closed once both tabs are photographed.
        QTimer::singleShot(0, haupt, [&foto] {
            auto* d = qobject_cast<TVersandDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            const struct {
                const char* feld;
                const char* text;
            } felder[] = {{"VersandDatumEdit", "12.02.2027"},
                          {"VersandHostEdit", "mail.schule.example.org"},
                          {"VersandBenutzerEdit", "sekretariat"},
                          {"VersandAbsenderEdit", "sekretariat@schule.example.org"},
                          {"VersandAbsenderNameEdit", "Sekretariat der Beispielschule"},
                          {"VersandSchuleEdit", "Beispielschule"},
                          {"VersandEigeneEdit", "organisation@schule.example.org"}};
            for (const auto& f : felder)
                if (auto* feld = d->findChild<QLineEdit*>(QString::fromUtf8(f.feld)))
                    feld->setText(QString::fromUtf8(f.text));
            d->Aktualisieren();
            foto.Foto(d, "versand");
            WaehleReiter(d, "VersandReiter", 1);
            foto.Foto(d, "versand_server");
            d->reject();
        });
        Klicke(haupt, "VersandBtn");
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
