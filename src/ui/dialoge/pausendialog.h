#pragma once
// The break dialog: start and length of one break, both typed as times.

#include <QDialog>

class QLineEdit;
class TPause;

class TPausenForm : public QDialog {
    Q_OBJECT
public:
    explicit TPausenForm(QWidget* eltern = nullptr);

    /// Shows the break's times; on OK stores the typed times through SetStart/SetDauer.
    /// Returns whether OK was chosen.
    bool Bearbeiten(TPause& pause);

    QLineEdit* EditStart() const { return m_start; }
    QLineEdit* EditDauer() const { return m_dauer; }

    void accept() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    /// Checks one field as a time; on failure shows the message and returns false.
    bool pruefe(QLineEdit* feld);

    QLineEdit* m_start;
    QLineEdit* m_dauer;
    bool m_pruefeGerade = false;
};
