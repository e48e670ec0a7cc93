#pragma once
// The main window: five pages walked in order, back/forward, help. It is created once and
// only hidden when closed, so the day stays in memory for the whole run.

#include <QDialog>

class QAction;
class QPushButton;
class QToolButton;
class TAnzeigeOptionen;
class QTabWidget;
class TElternSeite;
class TLehrerSeite;
class TPausenForm;
class TPlaeneSeite;
class TSeite;
class TSprechtag;
class TVorgabenSeite;
class TVorschauSeite;
class TWaitForm;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    enum class Seite { Vorgaben, Lehrer, Eltern, Vorschau, Plaene };

    TForm2(TSprechtag& tag, TPausenForm* pausenDialog, TWaitForm* warten, QWidget* eltern = nullptr);
    ~TForm2() override;

    /// Activates a page and runs the page preparation.
    void ZeigeSeite(Seite seite);
    Seite AktiveSeite() const;

    /// Page preparation: refreshes the active page from the records.
    void PageCChange();
    /// Both counters.
    void AnzAuffrischen();
    /// The day changed as a whole (a load): every page shows it anew.
    void DatenNeu();
    /// The one commit path: every relation list writes its pending selection and every
    /// time field its typed time into the record it shows. Runs before anything could
    /// change what they show. False when a typed time was invalid (reported; the field
    /// shows the stored time again): actions that can wait (save, load, import, program
    /// end) stop then.
    bool AuswahlenSichern();
    /// Asks whether computed timetables may become invalid (renaming, deleting).
    bool TryInvalidatePlansAction();

    /// Undo and redo of the day's history: the typed edits are committed first, and every
    /// page shows the day anew afterwards.
    void RueckgaengigClick();
    void WiederholenClick();
    QAction* RueckgaengigAktion() const { return m_rueckgaengig; }
    QAction* WiederholenAktion() const { return m_wiederholen; }

    void BackBtnClick();
    void FwdBtnClick();
    void HelpBtnClick();

    /// Hides the window while the timetables are computed, so that no input can change the
    /// day; its modal run goes on, and show() brings it back.
    void FuerBerechnungAusblenden();

    /// "Kalumo", or "Kalumo - " and the file name once a file was chosen.
    void SetDateiName(const QString& pfad);

    TVorgabenSeite* Vorgaben() const { return m_vorgaben; }
    TLehrerSeite* Lehrer() const { return m_lehrer; }
    TElternSeite* Eltern() const { return m_eltern; }
    TVorschauSeite* Vorschau() const { return m_vorschau; }
    TPlaeneSeite* Plaene() const { return m_plaene; }
    TWaitForm* Warten() const { return m_warten; }

    /// Every page's file row, so that the program can connect load, save and import once.
    QList<TSeite*> Seiten() const;

signals:
    /// Undo or redo changed the day: windows that show it refresh.
    void verlaufAngewendet();
    /// The day's file as the caption names it (empty: none).
    void dateiGewaehlt(const QString& pfad);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TSprechtag& m_tag;
    TWaitForm* m_warten;
    TAnzeigeOptionen* m_optionen;
    QTabWidget* m_pageC;
    TVorgabenSeite* m_vorgaben;
    TLehrerSeite* m_lehrer;
    TElternSeite* m_eltern;
    TVorschauSeite* m_vorschau;
    TPlaeneSeite* m_plaene;
    QPushButton* m_back;
    QPushButton* m_fwd;
    QPushButton* m_help;
    QAction* m_rueckgaengig;
    QAction* m_wiederholen;
    QToolButton* m_rueckKnopf;
    QToolButton* m_vorKnopf;
    int m_beobachter = 0;

    void verlaufZeigen();
    void nachVerlauf();
};
