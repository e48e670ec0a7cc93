#pragma once
// "Ausfall …": a teacher drops out on the day, wholly, or comes only from a time, or stays
// only until one. The dialog shows the re-planned result for the choice as it stands
// (kept, moved and cancelled talks, the families whose plan changes), lets the user print
// it or save it for phoning, and applies it only on "Überneh&men" as one step; "&Abbrechen"
// leaves the day as it was. It opens with no kind of drop-out chosen and has no default
// button; a whole-day drop-out asks once more, with "Nein" as the default.

#include "optimierung/ausfall.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TDruckerWahl;
class TSprechtag;

class TAusfallDialog : public QDialog {
    Q_OBJECT
public:
    explicit TAusfallDialog(QWidget* eltern = nullptr);

    void SetDrucker(TDruckerWahl* drucker) { m_drucker = drucker; }

    /// Shows the dialog for the day, with `vorauswahl` as the teacher if it names one.
    /// Returns whether the drop-out was applied.
    bool Ausfuehren(TSprechtag& tag, const QString& vorauswahl);

    /// The plan shown now, if the choice can be planned.
    const std::optional<TAusfallPlan>& Plan() const { return m_plan; }

    /// "&Drucken …" and "Als &CSV speichern …".
    void ListeDrucken();
    void CsvSpeichern();
    /// "Überneh&men": after the question for a whole-day drop-out, the call list saved here
    /// (if any) is written for the result first; if that fails, nothing is applied.
    void Uebernehmen();

private:
    /// Plans the choice as the fields show it; the result and the buttons follow.
    void neuPlanen();
    std::optional<TAusfallWunsch> wunsch(QString& hindernis) const;
    /// The last line of a failed save's message: the day did not change.
    static QString NichtUebernommen();

    TSprechtag* m_tag = nullptr;
    TDruckerWahl* m_drucker = nullptr;
    std::optional<TAusfallPlan> m_plan;
    QString m_csvOrdner;
    /// The call list saved in this opening of the dialog.
    QString m_csvPfad;
    QComboBox* m_lehrer;
    QRadioButton* m_ganz;
    QRadioButton* m_ab;
    QRadioButton* m_bis;
    QLineEdit* m_zeit;
    QPlainTextEdit* m_ergebnis;
    QPushButton* m_druckenBtn;
    QPushButton* m_csvBtn;
    QPushButton* m_uebernehmenBtn;
    QPushButton* m_abbrechenBtn;
};
