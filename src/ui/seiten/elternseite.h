#pragma once
// "Eltern": entering parent entries, the parent list with its search, the overview and
// details layouts, and the selected entry's details.

#include "seiten/namenseite.h"

#include <functional>

class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabWidget;
class TElternGeschwister;
class TElternSonstiges;
class TElternSprechwuensche;
class TSpaltenKnoepfe;

class TElternSeite : public TNamenSeite {
    Q_OBJECT
public:
    TElternSeite(TSprechtag& tag, TAnzeigeOptionen& optionen, QWidget* eltern);

    void Aufbereiten(bool fensterSichtbar) override;

    /// Columns of the parent list in the overview, and the relation column count shared
    /// by the request, sibling and refusal lists.
    int ElternSpalten() const;
    int RelationsSpalten() const;
    /// Applied as given (the settings file is trusted); the buttons keep 1..10.
    void SetSpalten(int eltern, int relation);

    void SbElternDetailsClick();
    void ElternBoxClick();
    void ElternPageCChange();
    void ElternSuchen(bool weiter);
    void DelElternBtnClick();
    void ElternRenameBtnClick();
    /// Writes pending edits of the details into the records.
    bool Sichern() override;
    void AuswahlZeigen() override;
    bool DetailsAn() const;

    TElternSprechwuensche* Sprechwuensche() const { return m_wuensche; }
    TElternGeschwister* Geschwister() const { return m_geschwister; }
    TElternSonstiges* Sonstiges() const { return m_sonstiges; }
    QTabWidget* Tabs() const { return m_tabs; }


protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void spaltenAnwenden();
    void spaltenSchritt(int schritt);

    QPushButton* m_detailsBtn;
    QLabel* m_kopf;
    TSpaltenKnoepfe* m_spalten;
    QWidget* m_listenPanel;
    QLineEdit* m_suche;
    QPushButton* m_weiter;
    int m_treffer = 1;
    QWidget* m_detailsPanel;
    QStackedWidget* m_stapel;
    QTabWidget* m_tabs;
    TElternSprechwuensche* m_wuensche;
    TElternGeschwister* m_geschwister;
    TElternSonstiges* m_sonstiges;
};
