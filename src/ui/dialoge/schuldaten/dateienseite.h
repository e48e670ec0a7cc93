#pragma once
// Step 1 of the school-data wizard: which files, and what each holds. The kind is guessed
// from the timetable program's file names or from the header and can be changed.

#include "dialoge/schuldaten/stand.h"

#include <QWizardPage>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

class TSchuldatenDateien : public QWizardPage {
    Q_OBJECT
public:
    TSchuldatenDateien(TSchuldatenStand& stand, QWidget* eltern = nullptr);

    /// Starts afresh; a file added without a guess is taken as `vorschlag`.
    void Zuruecksetzen(Schuldaten::TQuellArt vorschlag);
    /// Adds a file as if chosen in the dialog (also used by the button).
    void DateiHinzufuegen(const QString& pfad);

    bool isComplete() const override;
    bool validatePage() override;

private:
    void hinzuClick();
    void entfernenClick();
    void auswahlGeaendert();
    void artGeaendert(int index);
    void listeNeu();

    TSchuldatenStand& m_stand;
    Schuldaten::TQuellArt m_vorschlag = Schuldaten::TQuellArt::Lehrer;
    QListWidget* m_liste;
    QPushButton* m_hinzu;
    QPushButton* m_entfernen;
    QComboBox* m_art;
    /// A wishes file that lists teachers' invitations.
    QCheckBox* m_einladungen;
    /// The first wish of each line counts as the parents' most important one.
    QCheckBox* m_ersterVorrang;
};
