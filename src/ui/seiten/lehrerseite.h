#pragma once
// "Lehrer": entering teachers, the teacher list and the selected teacher's details with
// the tabs "Allgemein", "Anwesenheit", "Ablehnungen" and "Einladungen".

#include "seiten/namenseite.h"

class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabWidget;
class TAdressFeld;
class TLehrerAblehnungen;
class TLehrerAnwesenheit;
class TLehrerEinladungen;
class TSpaltenKnoepfe;

class TLehrerSeite : public TNamenSeite {
    Q_OBJECT
public:
    TLehrerSeite(TSprechtag& tag, TAnzeigeOptionen& optionen, QWidget* eltern);

    void Aufbereiten(bool fensterSichtbar) override;

    /// Shows the details of the selected teacher.
    void LehrerBoxClick();
    void LehrerPageCChange();
    void LehrerDelBtnClick();
    void LehrerRenameBtnClick();
    /// Writes pending edits of the details into the records.
    bool Sichern() override;
    void AuswahlZeigen() override;

    TLehrerAnwesenheit* Anwesenheit() const { return m_anwesenheit; }
    TLehrerAblehnungen* Ablehnungen() const { return m_ablehnungen; }
    TLehrerEinladungen* Einladungen() const { return m_einladungen; }
    QTabWidget* Tabs() const { return m_tabs; }
    TAdressFeld* EMailEdit() const { return m_email; }


protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void spaltenAnwenden();

    QLabel* m_kopf;
    TSpaltenKnoepfe* m_spalten;
    QStackedWidget* m_stapel;
    QTabWidget* m_tabs;
    QLineEdit* m_renameEdit;
    QPushButton* m_renameBtn;
    QPushButton* m_delBtn;
    TAdressFeld* m_email;
    TLehrerAnwesenheit* m_anwesenheit;
    TLehrerAblehnungen* m_ablehnungen;
    TLehrerEinladungen* m_einladungen;
    QString m_gezeigt;
};
