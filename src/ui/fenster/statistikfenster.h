#pragma once
// "Statistik": the figures of the latest computation (or of the loaded file) and the list
// of unmet requests, which can be exported as a text file.

#include "optimierung/kennzahlen.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
struct TStatistikTexte;

class TStatForm : public QDialog {
    Q_OBJECT
public:
    explicit TStatForm(const TStatistikTexte& texte, QWidget* eltern = nullptr);

    /// Shows the texts as they are now; without blocking.
    void StatBtnClick();
    /// Refreshes the labels and the list from the texts.
    void Auffrischen();

    /// The figures of the plans beyond the stored ones: entries without a talk and the
    /// families' waiting, with the figures before an optimisation beside them, and the
    /// reason of every unmet request. Shown from the next Auffrischen on.
    void SetKennzahlen(const TPlanKennzahlen& jetzt, const std::optional<TPlanKennzahlen>& vorher,
                       const QStringList& gruende);

    void TabbedNotebook1Change(int reiter);
    void ActBtnClick();

    /// Chooses the export file; empty when cancelled. Tests replace it.
    using Dateiwahl = std::function<QString(QWidget* eltern)>;
    void SetDateiwahl(Dateiwahl wahl) { m_wahl = std::move(wahl); }

private:
    const TStatistikTexte& m_texte;
    QTabWidget* m_reiter;
    QList<QLabel*> m_werte;
    QListWidget* m_liste;
    TPlanKennzahlen m_jetzt;
    std::optional<TPlanKennzahlen> m_vorher;
    QStringList m_gruende;
    QList<QLabel*> m_kennJetzt;
    QList<QLabel*> m_kennVorher;
    QLabel* m_kopfVorher;
    QLabel* m_kopfJetzt;
    QListWidget* m_gruendeListe;
    QPushButton* m_export;
    Dateiwahl m_wahl;
};
