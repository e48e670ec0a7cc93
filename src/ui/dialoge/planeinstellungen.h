#pragma once
// "Zeitplaneinstellungen": what the printed plans show and how they are laid out, and
// whether the next computation keeps free slots in the teachers' plans. The school's name
// is an installation-wide text (kept in the settings file); everything else belongs to the
// conference day.

#include <QDialog>

#include <utility>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
struct TPlanEinstellungen;

class TPlanSetupForm : public QDialog {
    Q_OBJECT
public:
    explicit TPlanSetupForm(QWidget* eltern = nullptr);

    /// Shows the day's settings; returns what the dialog shows when it closes, the plan
    /// settings and "Freie Termine anzeigen", for PlanEinstellungenSetzen.
    std::pair<TPlanEinstellungen, bool> Bearbeiten(const TPlanEinstellungen& plan, bool freieTermineAnzeigen);

    /// "Name der Schule" on every printed plan.
    QString SchulName() const;
    void SetSchulName(const QString& name);

    QTabWidget* Reiter() const { return m_reiter; }

    /// The dialog has only OK, so every way of closing it takes what it shows: each of
    /// them first checks that the texts can be stored.
    void done(int ergebnis) override;

private:
    void zeige(const TPlanEinstellungen& plan, bool freieTermine);

    QTabWidget* m_reiter;
    QLineEdit* m_schule;
    QLineEdit* m_headline2;
    QCheckBox* m_fussnote;
    QButtonGroup* m_lehrerFmt;
    QCheckBox* m_freieTermine;
    QButtonGroup* m_elternFmt;
    QPlainTextEdit* m_elternBrief;
};
