#pragma once
// Step 2 of the school-data wizard: each file as read, with the encoding, separator and
// header that can be changed (the file is read again at once), the meaning of each
// column, the two name patterns and the names they give.

#include "dialoge/schuldaten/stand.h"

#include <QWizardPage>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class TSchuldatenVorschau : public QWizardPage {
    Q_OBJECT
public:
    TSchuldatenVorschau(TSchuldatenStand& stand, QWidget* eltern = nullptr);

    void initializePage() override;
    bool validatePage() override;

    /// Rows shown in the table.
    static constexpr int MaxZeilen = 50;

private:
    void dateiGewaehlt();
    void leseneu();
    void zeigen();
    void spalteGewaehlt();
    void feldGewaehlt(int index);
    void musterGeaendert();
    void namenZeigen();
    int aktuell() const;

    TSchuldatenStand& m_stand;
    bool m_fuelle = false;
    QComboBox* m_datei;
    QComboBox* m_kodierung;
    QLabel* m_hinweis;
    QComboBox* m_trenner;
    QComboBox* m_kopf;
    QTableWidget* m_tabelle;
    QComboBox* m_spalte;
    QComboBox* m_feld;
    QLineEdit* m_lehrerMuster;
    QLineEdit* m_elternMuster;
    QLineEdit* m_faecher;
    QCheckBox* m_umschreiben;
    QLabel* m_namen;
};
