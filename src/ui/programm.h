#pragma once
// The program run: the command-line modes, the German translations, and the windows that
// live from start to end of the run.

#include <QStringList>
#include <memory>

class QApplication;
class TCalcForm;
class TDateiAktionen;
class TDruckerWahl;
class TEinstellungen;
class TImportAktionen;
class TForm1;
class TListLoadSpecForm;
class TSaveForm;
class TForm2;
class TPausenForm;
class TPlanEditorForm;
class TPlanSetupForm;
class TPreviewStoreForm;
class TStatForm;
class TAusfallDialog;
class TTermineForm;
class TVersandDialog;
class TOptimierFenster;
class TSprechtag;
class TRettung;
class TWaitForm;

class TProgramm {
public:
    TProgramm();
    ~TProgramm();

    /// Runs the program for the given arguments (without the program name) and returns the
    /// exit code. The QApplication must exist.
    int Ausfuehren(const QStringList& argumente);

    /// Loads the German Qt translations so that standard buttons and dialogs read German.
    static void DeutschLaden(QApplication& app);

    TSprechtag& Tag() { return *m_tag; }
    TForm1* StartFenster() const { return m_start; }
    TForm2* Hauptfenster() const { return m_haupt; }
    TDateiAktionen* Dateien() const { return m_dateien; }
    TImportAktionen* Import() const { return m_import; }
    TEinstellungen* Einstellungen() const { return m_einstellungen.get(); }
    /// The recovery copy of the day (see wiederherstellung/).
    TRettung* Rettung() const { return m_rettung.get(); }

    /// At the start: offers the recovery copies that a run which did not end properly
    /// left behind. "Wiederherstellen" loads one (the day counts as changed and names its
    /// file, nothing is written there), "Verwerfen" deletes it, "Später entscheiden" keeps
    /// it for the next start. Returns whether a day was recovered.
    bool WiederherstellungAnbieten();

    TPlanSetupForm* PlanEinstellungen() const { return m_planSetup; }
    TCalcForm* Rechenfenster() const { return m_rechnen; }
    TPreviewStoreForm* VorschauAusgabe() const { return m_vorschauAusgabe; }
    TPlanEditorForm* PlanEditor() const { return m_planEditor; }
    TStatForm* Statistik() const { return m_statistik; }
    TOptimierFenster* Optimierfenster() const { return m_optimieren; }
    TAusfallDialog* Ausfalldialog() const { return m_ausfall; }
    TDruckerWahl* DruckerWahl() const { return m_drucker; }
    TTermineForm* TermineDialog() const { return m_termine; }
    TVersandDialog* VersandDialog() const { return m_versand; }

    /// The school's name on the printed plans, edited in the timetable settings; an
    /// installation-wide value for the settings file.
    QString SchulName() const;
    void SetSchulName(const QString& name);
    /// Start folder of the preview lists' save dialog, for the settings file.
    QString VorschauOrdner() const;
    void SetVorschauOrdner(const QString& ordner);

    /// Creates the windows of a normal run (done by Ausfuehren; tests call it directly).
    void FensterErzeugen();

private:
    int Dokumentation(const QStringList& argumente);

    std::unique_ptr<TSprechtag> m_tag;
    TForm1* m_start = nullptr;
    TForm2* m_haupt = nullptr;
    TPausenForm* m_pausen = nullptr;
    TWaitForm* m_warten = nullptr;
    TSaveForm* m_speicherDialog = nullptr;
    TListLoadSpecForm* m_ladefrage = nullptr;
    TDateiAktionen* m_dateien = nullptr;
    TPlanSetupForm* m_planSetup = nullptr;
    TCalcForm* m_rechnen = nullptr;
    TPreviewStoreForm* m_vorschauAusgabe = nullptr;
    TPlanEditorForm* m_planEditor = nullptr;
    TStatForm* m_statistik = nullptr;
    TOptimierFenster* m_optimieren = nullptr;
    TAusfallDialog* m_ausfall = nullptr;
    TDruckerWahl* m_drucker = nullptr;
    TTermineForm* m_termine = nullptr;
    TVersandDialog* m_versand = nullptr;
    TImportAktionen* m_import = nullptr;
    std::unique_ptr<TEinstellungen> m_einstellungen;
    std::unique_ptr<TRettung> m_rettung;
};
