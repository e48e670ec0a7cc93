#pragma once
// "Vorschau": the capacity preview on the left; on the right the teachers' preview lists
// with their covering letter, written to a text file or printed.

#include "seiten/seite.h"

#include <QStringList>
#include <functional>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QRadioButton;
class TDruckerWahl;
class TPreviewStoreForm;
class TWaitForm;

class TVorschauSeite : public TSeite {
    Q_OBJECT
public:
    TVorschauSeite(TSprechtag& tag, QWidget* eltern);

    void SetFenster(TWaitForm* warten, TPreviewStoreForm* ausgabe, TDruckerWahl* drucker);

    void Aufbereiten(bool fensterSichtbar) override;

    /// Computes and shows the share of unmet requests and the overbooked teachers.
    void MakePreviewStatistics();
    /// Requests from which on entering the page shows the wait window while the preview
    /// is computed; below, the work ends before a wait window could be seen.
    static constexpr int WartenAbWuenschen = 1'000'000;
    /// Tests lower the limit.
    void SetWartenAb(int wuensche) { m_wartenAb = wuensche; }
    /// The letter panel is shown exactly while "Ja" is chosen.
    void TestPreviewPanelVis();
    void MakePreviewsBtnClick();

    /// Start folder of the preview lists' save dialog (kept in the settings file).
    QString Ordner() const { return m_ordner; }
    void SetOrdner(const QString& ordner) { m_ordner = ordner; }

    /// Chooses the file to write; empty when cancelled. Tests replace it.
    using Dateiwahl = std::function<QString(QWidget* eltern, const QString& ordner)>;
    void SetDateiwahl(Dateiwahl wahl) { m_wahl = std::move(wahl); }

    /// The letter holds characters the data file cannot store: they are named in a
    /// message. True when it did (the letter is then not taken).
    bool BriefPruefen();

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    /// Shows the day's preview settings in the controls.
    void einstellungenZeigen();

    TWaitForm* m_warten = nullptr;
    TPreviewStoreForm* m_ausgabe = nullptr;
    TDruckerWahl* m_drucker = nullptr;
    QString m_ordner;
    Dateiwahl m_wahl;
    bool m_zeigen = false;
    /// The letter shows a text the day does not hold, because of characters it cannot
    /// store; the day keeps m_briefStand meanwhile.
    bool m_briefOffen = false;
    bool m_briefGemeldet = false;
    QStringList m_briefStand;
    /// The day's change count the capacity preview shows; none before the first.
    std::optional<quint64> m_vorschauStand;
    int m_wartenAb = WartenAbWuenschen;

    QLabel* m_prozent;
    QLabel* m_label1;
    QLabel* m_betroffene;
    QLabel* m_label17;
    /// Says so when the day has no slot.
    QLabel* m_keineTermine;
    /// Teachers who invite more families than they have slots.
    QLabel* m_einladungen;
    QRadioButton* m_ja;
    QRadioButton* m_nein;
    QWidget* m_panel;
    QPlainTextEdit* m_memo;
    QRadioButton* m_betroffeneLehrer;
    QRadioButton* m_alleLehrer;
};
