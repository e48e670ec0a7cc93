#pragma once
// "Zeitplan bearbeiten": a plan as free text. The organiser answers for what is typed; the
// editor checks only that the data file can hold it, and leaves the other side's plans alone.

#include <QDialog>
#include <QStringList>
#include <optional>

class QLabel;
class QPlainTextEdit;

class TPlanEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TPlanEditorForm(QWidget* eltern = nullptr);

    /// Shows `name` and its plan; the memo's lines on OK, nothing on cancel.
    std::optional<QStringList> Bearbeiten(const QString& name, const QStringList& zeilen);

    QPlainTextEdit* PlanMemo() const { return m_memo; }

    /// OK takes the plan only when the data file can hold every character.
    void accept() override;

private:
    QLabel* m_name;
    QPlainTextEdit* m_memo;
};
