#pragma once
// "Zeitpläne": computing, viewing, correcting and printing the timetables.

#include "seiten/seite.h"

#include "druckauftrag.h"

#include <functional>
#include <optional>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QPrinter;
class QTabWidget;
class TAusfallDialog;
class TCalcForm;
class TDruckPanel;
class TDruckerWahl;
class TOptimierFenster;
class TPlanEditorForm;
class TPlanSetupForm;
class TStatForm;
class TTermineForm;
class TVersandDialog;
struct TVersandKontext;
class TWaitForm;
struct TPlanKennzahlen;

class TPlaeneSeite : public TSeite {
    Q_OBJECT
public:
    /// The windows the page opens; all live for the whole run.
    struct Fenster {
        TCalcForm* rechnen = nullptr;
        TPlanEditorForm* editor = nullptr;
        TPlanSetupForm* einstellungen = nullptr;
        TStatForm* statistik = nullptr;
        TDruckerWahl* drucker = nullptr;
        TWaitForm* warten = nullptr;
        TOptimierFenster* optimieren = nullptr;
        TAusfallDialog* ausfall = nullptr;
    };

    TPlaeneSeite(TSprechtag& tag, QWidget* eltern);
    void SetFenster(const Fenster& fenster) { m_fenster = fenster; }

    void Aufbereiten(bool fensterSichtbar) override;
    QPushButton* StandardKnopf() const override;

    void ZeitplanCalcButClick();
    /// "Opti&mieren": improves the valid plans in the optimising window.
    void OptimierenClick();
    /// Plans shown exactly while they are valid.
    void CheckZplPageVis();
    /// Refills both selection lists from the master lists.
    void MakeZeitPlanUebersicht();
    /// Shows the plan of the current name on the active tab.
    void WahlBoxSelection();
    void ZeitplanBearbeiten();
    void ZeitPlanSetupButClick();
    void StatBtnClick();
    /// "Dr&ucken": the print dialog, then the job.
    void PrintSomePlans();
    void Druckvorschau();
    /// After a load: a file with plans brings a new overview.
    void Geladen(bool mitPlaenen);

    /// "Tür&listen": the door sheets of all teachers or of those selected in the teachers'
    /// list, through the print dialog or in the preview.
    void TuerlistenDrucken(bool nurAusgewaehlte);
    void TuerlistenVorschau(bool nurAusgewaehlte);
    /// "Aus&fall …": re-plans the valid plans for a teacher who drops out, in a dialog that
    /// shows the result before it is applied (plaeneseite_ausfall.cpp).
    void AusfallClick();
    QPushButton* AusfallBtn() const { return m_ausfall; }
    /// The teachers whose door sheets print, in list order.
    QStringList TuerlistenLehrer(bool nurAusgewaehlte) const;
    QPushButton* TuerlistenBtn() const { return m_tuerlisten; }

    /// "&Termine exportieren …": the list of every talk and the families' calendar files.
    void TermineExportieren();
    void SetTermineDialog(TTermineForm* dialog) { m_termineDialog = dialog; }
    QPushButton* TermineBtn() const { return m_termine; }

    /// "Plä&ne versenden …": plans by mail to the families and teachers, all or those chosen
    /// in the two lists (plaeneseite_versand.cpp). `kontext` supplies what the page does not
    /// know (the day's file, the date, qvt.ini).
    void PlaeneVersenden();
    void SetVersand(TVersandDialog* dialog, std::function<TVersandKontext()> kontext);
    QPushButton* VersandBtn() const { return m_versand; }

    /// The print job as the controls describe it, selection included.
    TDruckOptionen DruckOptionen() const;
    /// The selection panel takes half of what the left column leaves.
    void PlanwahlBreite();

    TDruckPanel* Druck() const { return m_druck; }
    /// Adds a button to the row of further actions on the plans, which stays in view and is
    /// shown while plans exist.
    void AktionHinzufuegen(QPushButton* knopf);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    /// The list of the active tab.
    QListWidget* aktiveWahl() const;
    bool elternAktiv() const;
    /// Gives the statistics window the figures of the plans as they are now.
    void kennzahlenAnStatistik(const std::optional<TPlanKennzahlen>& vorher);
    /// Prints on the chosen printer behind the progress window ("<was> 3 von 40"); a PDF
    /// file from the print dialog is written complete or not at all and then named in a
    /// message ("<ergebnis> wurden in die PDF-Datei … geschrieben.").
    void druckeMitFortschritt(QPrinter& drucker, const QString& was, const QString& ergebnis,
                              const std::function<std::optional<QString>(const TDruckFortschritt&)>& aufDrucker,
                              const std::function<std::optional<QString>(const QString& pdf, const TDruckFortschritt&)>& alsPdf);
    /// The door sheets' button and its menu (plaeneseite_tuer.cpp).
    void bauTuerlisten();
    void bauAusfall();
    /// The appointment export's button (plaeneseite_termine.cpp).
    void bauTermine();
    void bauVersand();
    QString schulName() const;

    Fenster m_fenster;
    QPushButton* m_rechnen;
    QPushButton* m_optimieren;
    QPushButton* m_setup;
    QPushButton* m_statistik;
    QLabel* m_keinePlaene;
    QWidget* m_planPanel;
    QWidget* m_planwahl;
    QTabWidget* m_pcPlanwahl;
    QListWidget* m_wahlL;
    QListWidget* m_wahlE;
    /// The names the two lists were last filled with.
    QStringList m_wahlNamenL;
    QStringList m_wahlNamenE;
    QLabel* m_wessen;
    QListWidget* m_plan;
    QPushButton* m_bearbeiten;
    TDruckPanel* m_druck;
    QWidget* m_aktionen;
    QHBoxLayout* m_weitere;
    QPushButton* m_tuerlisten = nullptr;
    QPushButton* m_ausfall = nullptr;
    QPushButton* m_termine = nullptr;
    TTermineForm* m_termineDialog = nullptr;
    QPushButton* m_versand = nullptr;
    TVersandDialog* m_versandDialog = nullptr;
    std::function<TVersandKontext()> m_versandKontext;
};
