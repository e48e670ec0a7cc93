#pragma once
// Progress of a print job with "Abbrechen". It replaces the wait window for printing:
// shown at once and application-modal, so that nothing can change the day while the job
// draws from it; the print layer asks it after every plan whether to go on.

#include <QString>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

class TDruckFortschrittFenster {
public:
    /// `was` names what is printed, e.g. "Zeitplan" ("Zeitplan 3 von 40").
    TDruckFortschrittFenster(QWidget* eltern, const QString& was);
    ~TDruckFortschrittFenster();
    TDruckFortschrittFenster(const TDruckFortschrittFenster&) = delete;
    TDruckFortschrittFenster& operator=(const TDruckFortschrittFenster&) = delete;

    /// For the print layer: shows `fertig` of `gesamt` and lets pending events run (the
    /// "Abbrechen" button); false once the user has cancelled.
    bool Weiter(int fertig, int gesamt);
    bool Abgebrochen() const { return m_abgebrochen; }
    void Schliesse();

    /// Tests: runs after every step with the open window, e.g. to press "Abbrechen".
    using Beobachter = std::function<void(QProgressDialog& fenster, int fertig)>;
    static void SetBeobachter(Beobachter beobachter);

private:
    std::unique_ptr<QProgressDialog> m_fenster;
    QString m_was;
    bool m_abgebrochen = false;
};
