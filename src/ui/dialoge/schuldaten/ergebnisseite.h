#pragma once
// Step 3 of the school-data wizard: what the import would add, what it skips and every
// line it leaves out, before anything changes. The report can be copied.

#include "dialoge/schuldaten/stand.h"

#include <QWizardPage>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TSprechtag;

class TSchuldatenErgebnis : public QWizardPage {
    Q_OBJECT
public:
    TSchuldatenErgebnis(TSchuldatenStand& stand, const TSprechtag& tag, QWidget* eltern = nullptr);

    void initializePage() override;

private:
    TSchuldatenStand& m_stand;
    const TSprechtag& m_tag;
    QLabel* m_zusammenfassung;
    QPlainTextEdit* m_bericht;
    QPushButton* m_kopieren;
};
