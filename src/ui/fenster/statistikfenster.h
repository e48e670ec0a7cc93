#pragma once
// "Statistik": the figures of the latest computation (or of the loaded file) and the list
// of unmet requests, which can be exported as a text file.

#include "auswertung/hintergrund.h"
#include "optimierung/kennzahlen.h"

#include <QDialog>
#include <QFuture>
#include <QFutureWatcher>
#include <functional>
#include <optional>

class QLabel;
class QListView;
class QPushButton;
class QStringListModel;
class QTabWidget;
class TSprechtag;

class TStatForm : public QDialog {
    Q_OBJECT
public:
    explicit TStatForm(const TSprechtag& tag, QWidget* eltern = nullptr);

    /// Shows the texts as they are now; without blocking.
    void StatBtnClick();
    /// Refreshes the labels and the lists from the day's texts and the figures below;
    /// figures still being counted are waited for.
    void Auffrischen();

    /// The figures of the plans beyond the stored ones: entries without a talk and the
    /// families' waiting, with the figures before an optimisation beside them, and the
    /// reason of every unmet request. Shown at once when the window is open, else when it
    /// is opened next.
    void SetKennzahlen(const TPlanKennzahlen& jetzt, const std::optional<TPlanKennzahlen>& vorher,
                       const QStringList& gruende);
    /// The same, still being counted on another thread. An open window greys out its
    /// figures until they arrive.
    void SetAuswertung(QFuture<TPlanAuswertung> auswertung, const std::optional<TPlanKennzahlen>& vorher);
    /// Figures are still being counted.
    bool Ausstehend() const { return m_ausstehend.has_value(); }

    void TabbedNotebook1Change(int reiter);
    void ActBtnClick();

    /// Chooses the export file; empty when cancelled. Tests replace it.
    using Dateiwahl = std::function<QString(QWidget* eltern)>;
    void SetDateiwahl(Dateiwahl wahl) { m_wahl = std::move(wahl); }

private:
    void auswertungAbholen();
    /// false: the figures shown are not yet those of the latest run (greyed out).
    void zeigeGezaehlt(bool gezaehlt);

    const TSprechtag& m_tag;
    QTabWidget* m_reiter;
    QList<QLabel*> m_werte;
    QListView* m_liste;
    QStringListModel* m_listenModell;
    std::optional<QFuture<TPlanAuswertung>> m_ausstehend;
    QFutureWatcher<TPlanAuswertung> m_waechter;
    TPlanKennzahlen m_jetzt;
    std::optional<TPlanKennzahlen> m_vorher;
    QStringList m_gruende;
    /// "… Termine – mehr sind nicht möglich." or "…, höchstens … möglich"; empty when unknown.
    QString m_schranke;
    QLabel* m_schrankeLb = nullptr;
    QList<QLabel*> m_kennJetzt;
    QList<QLabel*> m_kennVorher;
    /// The captions of the rows for invitations and "Vorrang", shown on days with marks.
    QList<QLabel*> m_stufenBeschriftung;
    QLabel* m_stufenText;
    QLabel* m_kopfVorher;
    QLabel* m_kopfJetzt;
    QListView* m_gruendeListe;
    QStringListModel* m_gruendeModell;
    QPushButton* m_export;
    Dateiwahl m_wahl;
};
