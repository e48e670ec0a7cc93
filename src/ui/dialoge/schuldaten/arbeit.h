#pragma once
// Reading and planning of the school-data wizard on a worker thread, with a progress bar
// and "Abbrechen". The wizard waits for the result in an event loop of its own, so the
// window keeps painting and the button answers; the window-modal progress keeps anyone
// from changing the files or the steps meanwhile.

#include "schuldaten/lauf.h"

#include <QObject>
#include <QString>
#include <functional>

class QProgressBar;
class QWidget;

class TSchuldatenArbeit : public QObject {
    Q_OBJECT
public:
    explicit TSchuldatenArbeit(QObject* eltern = nullptr);

    /// Runs `arbeit` on a worker thread and waits for it; the progress shows `text` over
    /// `fenster`. False when the user cancelled: whatever `arbeit` produced is then to be
    /// thrown away. `arbeit` must not touch widgets or the day.
    bool Fuehre(QWidget* fenster, const QString& text, const std::function<void(Schuldaten::TLauf&)>& arbeit);

    /// The running work stops at its next check; as "Abbrechen" in the progress window.
    void Abbrechen();
    bool Laeuft() const { return m_lauf != nullptr; }

signals:
    /// Progress in thousandths, on the window's thread; once at the start and then at
    /// every change.
    void fortschritt(int promille);

private:
    Schuldaten::TLauf* m_lauf = nullptr;
    QProgressBar* m_balken = nullptr;
    quint64 m_laeufe = 0;
};
