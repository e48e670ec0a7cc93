#pragma once
// "Statistik": the figures of the latest computation (or of the loaded file) and the list
// of unmet requests, which can be exported as a text file.

#include <QDialog>
#include <functional>

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
    QPushButton* m_export;
    Dateiwahl m_wahl;
};
