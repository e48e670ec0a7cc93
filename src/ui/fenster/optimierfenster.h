#pragma once
// "Optimieren": the window shown while the plans are improved. It shows the invitations and
// "Vorrang" requests placed (on a day with such marks), the talks, the entries without a
// talk and the families' waiting, at the start and as they improve,
// and can be stopped: "&Abbrechen" leaves the plans exactly as they were, "&Fertig" closes
// the window once the new plans are written. Afterwards it says how many talks are
// possible at most; "&Gründlich suchen" (kept for the next run) searches longer.

#include "optimierung/optimierer.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TSprechtag;

class TOptimierFenster : public QDialog, public TOptimierFortschritt {
    Q_OBJECT
public:
    explicit TOptimierFenster(QWidget* eltern = nullptr);

    /// Runs the step on the day with the window open; returns when the user pressed
    /// "&Fertig" (or the step was stopped).
    TOptimierErgebnis Ausfuehren(TSprechtag& tag);

    bool Zwischenstand(const TKennwerte& vorher, const TKennwerte& bester, qint64 zug, qint64 zuege) override;

    QPushButton* AbbrechenBtn() const { return m_abbrechenBtn; }
    QPushButton* FertigBtn() const { return m_fertigBtn; }
    QCheckBox* GruendlichBox() const { return m_gruendlich; }
    bool Laeuft() const { return m_laeuft; }

signals:
    /// After every update of the figures while the step runs.
    void zwischenstand();
    /// The step has ended and written the plans; the window waits for "&Fertig".
    void fertig();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void zeige(const TKennwerte& vorher, const TKennwerte& jetzt);

    /// Shows the rows of the marks and the matching explanation.
    void zeigeStufen(bool an);

    int m_takt = 10;
    bool m_laeuft = false;
    bool m_abbrechen = false;
    QLabel* m_text;
    QList<QWidget*> m_stufenZeilen;
    QLabel* m_einladungenVorher;
    QLabel* m_einladungenJetzt;
    QLabel* m_vorrangVorher;
    QLabel* m_vorrangJetzt;
    QLabel* m_termineVorher;
    QLabel* m_termineJetzt;
    QLabel* m_ohneVorher;
    QLabel* m_ohneJetzt;
    QLabel* m_wartenVorher;
    QLabel* m_wartenJetzt;
    QLabel* m_status;
    QLabel* m_schranke;
    QCheckBox* m_gruendlich;
    QProgressBar* m_balken;
    QPushButton* m_abbrechenBtn;
    QPushButton* m_fertigBtn;
};
