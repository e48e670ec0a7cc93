#pragma once
// The progress of a mail run: the messages go out on a worker thread, one after another
// with the pause the organiser set, while this window shows "37 von 412 versendet".
// "Abbrechen" stops after the message on its way (a pause is cut short); at the end the
// window shows how many went out and lists the failures. The messages are built before
// the run, so the worker never touches the day.

#include "versand.h"

#include <QDialog>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class TVersandFortschritt : public QDialog {
    Q_OBJECT
public:
    explicit TVersandFortschritt(QWidget* eltern);
    ~TVersandFortschritt() override;

    /// Sends `nachrichten` as `lauf` says, shows the summary and returns the report once
    /// the user closes the window.
    Versand::TLaufBericht Ausfuehren(const std::vector<Versand::TNachricht>& nachrichten, Versand::TLauf lauf);

    /// The run itself; tests put a fake server in its place.
    using Versender = std::function<Versand::TLaufBericht(const std::vector<Versand::TNachricht>&, const Versand::TLauf&)>;
    static void SetVersender(Versender versender);

    /// "Abbrechen": the run stops after the current message.
    void Abbrechen();

    QLabel* StandLb() const { return m_stand; }
    QPushButton* AbbrechenBtn() const { return m_abbrechen; }
    QPushButton* SchliessenBtn() const { return m_schliessen; }
    QPlainTextEdit* Zusammenfassung() const { return m_zusammenfassung; }

signals:
    /// After every message (main thread): `fertig` of `gesamt` are done.
    void fortschritt(int fertig, int gesamt);

protected:
    void reject() override;

private:
    void zeige(int fertig, int gesamt);
    void fertig(const Versand::TLaufBericht& bericht);
    /// The pause between messages on the worker: ends early when the user cancels.
    void warte(int ms);

    QLabel* m_stand;
    QProgressBar* m_balken;
    QPlainTextEdit* m_zusammenfassung;
    QPushButton* m_abbrechen;
    QPushButton* m_schliessen;
    std::atomic<bool> m_abbruch{false};
    bool m_laeuft = false;
    std::mutex m_mutex;
    std::condition_variable m_wecker;
    Versand::TLaufBericht m_bericht;
};
