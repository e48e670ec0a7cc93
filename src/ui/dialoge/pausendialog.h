#pragma once
// The break dialog: start and length of one break, both typed as times.

#include <QDialog>

#include <optional>

class QLineEdit;
class TPause;

/// The two times as typed, both valid.
struct TPausenEingabe {
    QString Start;
    QString Dauer;
};

class TPausenForm : public QDialog {
    Q_OBJECT
public:
    explicit TPausenForm(QWidget* eltern = nullptr);

    /// Shows the break's times; returns the typed times on OK, nothing on Cancel. The
    /// break itself is left alone: the caller hands the texts to PauseSetzen.
    std::optional<TPausenEingabe> Bearbeiten(const TPause& pause);

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
