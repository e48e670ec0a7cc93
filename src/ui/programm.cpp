#include "programm.h"

#include "aktionen/dateiaktionen.h"
#include "aktionen/einstellungen.h"
#include "aktionen/importaktionen.h"
#include "dialoge/ausfalldialog.h"
#include "dialoge/druckerwahl.h"
#include "dialoge/ladefrage.h"
#include "dialoge/pausendialog.h"
#include "dialoge/planeditor.h"
#include "dialoge/planeinstellungen.h"
#include "dialoge/speicherdialog.h"
#include "dialoge/terminexport.h"
#include "dialoge/versanddialog.h"
#include "dialoge/vorschauspeicherdialog.h"
#include "dialoge/wartefenster.h"
#include "fenster/hauptfenster.h"
#include "fenster/installerfenster.h"
#include "fenster/optimierfenster.h"
#include "fenster/rechenfenster.h"
#include "fenster/startfenster.h"
#include "fenster/statistikfenster.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/startordner.h"
#include "kunst/kunst.h"
#include "model/sprechtag.h"
#include "plattform/shell.h"
#include "seiten/plaeneseite.h"
#include "seiten/seite.h"
#include "seiten/vorschauseite.h"
#include "wiederherstellung/kopie.h"
#include "wiederherstellung/rettung.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

TProgramm::TProgramm()
    : m_tag(std::make_unique<TSprechtag>())
{
}

TProgramm::~TProgramm()
{
    Startordner::SetTagesdateiQuelle({});
    // Waits for a copy being written; the copy stays unless the run ended cleanly.
    m_rettung.reset();
    // The save dialog and the load question belong to the main window and go with it.
    delete m_dateien;
    delete m_import;
    delete m_start;
    delete m_haupt;
    delete m_pausen;
    delete m_warten;
    delete m_rechnen;
    delete m_drucker;
}

void TProgramm::DeutschLaden(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
    // The application title of message boxes and the task bar. Deliberately no display
    // name: window systems append it to every caption ("Kalumo - tag.qvt — Kalumo").
    app.setApplicationName(QStringLiteral("Kalumo"));
    app.setWindowIcon(Kunst::ProgrammSymbol());
}

void TProgramm::FensterErzeugen()
{
    m_warten = new TWaitForm;
    m_pausen = new TPausenForm;
    m_haupt = new TForm2(*m_tag, m_pausen, m_warten);
    m_speicherDialog = new TSaveForm(m_haupt);
    m_ladefrage = new TListLoadSpecForm(m_haupt);
    m_start = new TForm1(m_haupt);
    m_planSetup = new TPlanSetupForm(m_haupt);
    // The progress window is the only window shown while the main window is hidden, so it
    // has no parent and a task bar button of its own.
    m_rechnen = new TCalcForm(*m_tag);
    m_vorschauAusgabe = new TPreviewStoreForm(m_haupt);
    m_planEditor = new TPlanEditorForm(m_haupt);
    // A child of the main window, which runs modal: any other window would be blocked.
    m_statistik = new TStatForm(*m_tag, m_haupt);
    m_drucker = new TDruckerWahl;
    m_optimieren = new TOptimierFenster(m_haupt);
    m_termine = new TTermineForm(m_haupt);
    m_drucker->Vorlagen().SetDatum([this] { return m_termine->Datum(); });
    m_haupt->Plaene()->SetTermineDialog(m_termine);
    m_haupt->Vorschau()->SetFenster(m_warten, m_vorschauAusgabe, m_drucker);
    m_ausfall = new TAusfallDialog(m_haupt);
    m_ausfall->SetDrucker(m_drucker);
    m_haupt->Plaene()->SetFenster(
        {m_rechnen, m_planEditor, m_planSetup, m_statistik, m_drucker, m_warten, m_optimieren, m_ausfall});
    m_dateien = new TDateiAktionen(*m_tag, m_haupt, m_speicherDialog, m_ladefrage);
    m_import = new TImportAktionen(*m_tag, m_haupt);
    // Dialogs without a remembered folder open beside the day's file.
    Startordner::SetTagesdateiQuelle([dateien = m_dateien] { return dateien->EigeneDatei(); });
    for (TSeite* seite : m_haupt->Seiten()) {
        QObject::connect(seite->Leiste(), &TDateiLeiste::laden, m_dateien, &TDateiAktionen::LoadIt);
        QObject::connect(seite->Leiste(), &TDateiLeiste::speichern, m_dateien, [this] { m_dateien->SaveIt(); });
        QObject::connect(seite->Leiste(), &TDateiLeiste::importieren, m_import, &TImportAktionen::ImportBtnClick);
        QObject::connect(seite->Leiste(), &TDateiLeiste::schuldaten, m_import, &TImportAktionen::SchuldatenBtnClick);
    }
    QObject::connect(m_dateien, &TDateiAktionen::geladen, m_haupt->Plaene(), &TPlaeneSeite::Geladen);
    // Undo and redo may bring plans back or take them away: overview and statistics follow.
    QObject::connect(m_haupt, &TForm2::verlaufAngewendet, m_haupt->Plaene(),
                     [this] { m_haupt->Plaene()->Geladen(m_tag->PlaeneGueltig); });
    m_start->SetSchliessenErlaubt([this] { return m_dateien->DarfBeenden(); });
    m_einstellungen = std::make_unique<TEinstellungen>(m_haupt, m_dateien, m_import);
    m_einstellungen->LoadIni();
    m_versand = new TVersandDialog(m_haupt);
    m_haupt->Plaene()->SetVersand(m_versand, [this] {
        TVersandKontext k;
        k.TagDatei = m_dateien->EigeneDatei();
        k.Datum = m_termine->Datum();
        k.IniLesen = m_einstellungen->LesePfad();
        k.IniSchreiben = m_einstellungen->SchreibPfad();
        return k;
    });
    m_rettung = std::make_unique<TRettung>(*m_tag);
    m_rettung->SetIntervall(m_einstellungen->WiederherstellungSekunden());
    QObject::connect(m_haupt, &TForm2::dateiGewaehlt, m_rettung.get(), &TRettung::SetTagesdatei);
    SetSchulName(m_einstellungen->SchulName());
    SetVorschauOrdner(m_einstellungen->VorschauOrdner());
    m_termine->SetDatum(m_einstellungen->TermineDatum());
    m_termine->SetOrdner(m_einstellungen->TermineOrdner());
    QObject::connect(m_start, &TForm1::beendet, m_start, [this] {
        m_einstellungen->SetSchulName(SchulName());
        m_einstellungen->SetVorschauOrdner(VorschauOrdner());
        m_einstellungen->SetTermine(m_termine->Datum(), m_termine->Ordner());
        // A clean end: saved, or the user chose not to save. No copy is left.
        m_rettung->Beenden();
        const QString fehler = m_einstellungen->SaveIni();
        if (!fehler.isEmpty())
            Meldung::Fehler(nullptr, fehler);
    });
}

QString TProgramm::SchulName() const
{
    return m_planSetup ? m_planSetup->SchulName() : QString();
}

void TProgramm::SetSchulName(const QString& name)
{
    if (m_planSetup)
        m_planSetup->SetSchulName(name);
}

QString TProgramm::VorschauOrdner() const
{
    return m_haupt ? m_haupt->Vorschau()->Ordner() : QString();
}

void TProgramm::SetVorschauOrdner(const QString& ordner)
{
    if (m_haupt)
        m_haupt->Vorschau()->SetOrdner(ordner);
}

bool TProgramm::WiederherstellungAnbieten()
{
    for (const Wiederherstellung::TKopie& kopie : Wiederherstellung::Verwaiste(m_rettung->Ordner())) {
        const Meldung::Antwort a = Meldung::FrageMitKnoepfen(nullptr, Wiederherstellung::Frage(kopie), QStringLiteral("&Wiederherstellen"),
                                                             QStringLiteral("&Verwerfen"), QStringLiteral("&Später entscheiden"));
        if (a == Meldung::Antwort::Nein) {
            QFile::remove(kopie.Pfad);
            continue;
        }
        if (a != Meldung::Antwort::Ja)
            continue;
        const TDateiErgebnis e = Wiederherstellung::Laden(*m_tag, kopie);
        if (!e.ok()) {
            Meldung::Fehler(nullptr, e.Fehler);
            continue;
        }
        m_dateien->Wiederhergestellt(kopie.Tagesdatei);
        // This run's own copy first, then the old one goes: never a moment without one.
        m_rettung->Sichern();
        m_rettung->Warten();
        if (m_rettung->Pfad() != kopie.Pfad)
            QFile::remove(kopie.Pfad);
        // One day at a time; any further copies are offered at the next start.
        return true;
    }
    return false;
}

int TProgramm::Dokumentation(const QStringList& argumente)
{
    if (argumente.size() < 2 || argumente.at(1).toLower() != QStringLiteral("docs"))
        return 0;
    const QString seite = Shell::ProgrammOrdner() + QStringLiteral("QVTDOC1.HTM");
    Shell::InZwischenablage(seite);
    if (!Shell::Oeffne(QUrl::fromLocalFile(seite)))
        Meldung::Info(nullptr, Shell::BrowserMeldung());
    return 0;
}

int TProgramm::Ausfuehren(const QStringList& argumente)
{
    const QString erstes = argumente.value(0).toLower();
    if (erstes == QStringLiteral("installermsg")) {
        QApplication::setApplicationName(QStringLiteral("Info"));
        TInstallerInfoForm info;
        info.exec();
        return 0;
    }
    if (erstes == QStringLiteral("/browse"))
        return Dokumentation(argumente);

    FensterErzeugen();
    const bool wiederhergestellt = WiederherstellungAnbieten();
    m_start->show();
    if (wiederhergestellt) {
        QTimer::singleShot(0, m_start, [this] { m_start->Image4Click(); });
        return QApplication::exec();
    }
    // A day file handed over by the desktop (double-click, "Öffnen mit"): load it into the
    // empty day and go straight to the main window, as if the start button was pressed.
    const QString datei = argumente.value(0);
    if (datei.endsWith(QStringLiteral(".qvt"), Qt::CaseInsensitive) && QFileInfo(datei).isFile()) {
        m_dateien->LadeDatei(datei);
        QTimer::singleShot(0, m_start, [this] { m_start->Image4Click(); });
    }
    return QApplication::exec();
}
