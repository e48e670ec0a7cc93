#pragma once
// "Zeitplanberechnung": the only window visible while the timetables are computed. It
// shows the totals, the grant pass, how many appointments were granted and placed, who is
// being placed with whom, a small animation, and at the end a blinking "Fertig!" with the
// button back to the main window.

#include "berechnung/fortschritt.h"

#include <QDialog>
#include <QPoint>
#include <QPointer>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTimer;
class QWidget;
class TForm2;
class TSprechtag;

class TCalcForm : public QDialog, public TFortschritt {
    Q_OBJECT
public:
    explicit TCalcForm(const TSprechtag& tag, QWidget* eltern = nullptr);

    /// Shows the window for a computation and hides the main window until "&Weiter".
    void Starten(TForm2* haupt);

    void ZeigAn(int durchgang, int durchgaenge, bool fertig, const QString& text, int platziert, int bewilligt,
                int vergeben) override;
    void EreignisseVerarbeiten() override;

    /// The totals, filled before the window shows and on an activation when the day
    /// changed since.
    void FormActivate();
    void CloseCalcFormClick();
    void SpeedButton1Click();
    void ShowWerBeiWemCbClick();
    void BlinkTimerTimer();
    void AnimTimerTimer();

    QPushButton* WeiterBtn() const { return m_weiter; }
    bool Fertig() const;

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    /// Back to the state before any run: progress page, empty bars, no figures, no
    /// "Fertig!", no "&Weiter".
    void zuruecksetzen();

    const TSprechtag& m_tag;
    /// The day's change count the totals were computed for.
    quint64 m_summenStand = 0;
    bool m_summenGueltig = false;
    QPointer<TForm2> m_haupt;
    /// Where the main window stood before it was hidden.
    QPoint m_hauptPlatz;
    bool m_darfSchliessen = false;

    QWidget* m_oben;
    QLabel* m_bild;
    QLabel* m_person1;
    QLabel* m_person2;
    QLabel* m_insgesamt;
    QLabel* m_unverweigert;
    QLabel* m_bewilligt;
    QLabel* m_erteilt;
    QLabel* m_durchgang;
    QProgressBar* m_balken1;
    QProgressBar* m_balken2;
    QCheckBox* m_werBeiWemCb;
    QLabel* m_werBeiWem;
    QStackedWidget* m_unten;
    QWidget* m_fertigPanel;
    QLabel* m_fertigLabel;
    QPushButton* m_weiter;
    QTimer* m_blink;
    QTimer* m_anim;
    int m_schritt = 98;
};
