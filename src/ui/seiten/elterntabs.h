#pragma once
// The three tabs of the parent details: requests, siblings, and "Sonstiges" (renaming,
// attendance limits, deleting).

#include "bearbeiten/anwesenheit.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TRelationsListe;
class TSprechtag;
class TZeitFeld;
class TAdressFeld;

class TElternSprechwuensche : public QWidget {
    Q_OBJECT
public:
    TElternSprechwuensche(TSprechtag& tag, QWidget* eltern);
    /// Refills the list with every teacher name (entering the page).
    void LehrerNeu();
    /// Shows the requests of `eltern` (SprechwunschBoxSelect).
    void Zeige(const QString& eltern);
    TRelationsListe* Liste() const { return m_liste; }
    /// "normal", "Vorrang", "Einladung" for the teacher at the list's current row; usable
    /// while that teacher is ticked.
    QComboBox* Prioritaet() const { return m_prioritaet; }
    /// The context menu of the list with the same three marks.
    QMenu* Menue() const { return m_menue; }

private:
    /// Stores pending ticks first, then sets the mark of the teacher at `zeile`.
    void prioritaetSetzen(int zeile, int stufe);
    /// The marks behind the ticked names and the drop-down for the current row.
    void markenZeigen();
    void menueZeigen(const QPoint& globalPos);

    TSprechtag& m_tag;
    TRelationsListe* m_liste;
    QComboBox* m_prioritaet;
    QMenu* m_menue;
    /// The row the open menu was made for.
    int m_menueZeile = -1;
};

class TElternGeschwister : public QWidget {
    Q_OBJECT
public:
    TElternGeschwister(TSprechtag& tag, QWidget* eltern);
    /// GeschwisterBoxInsertItems and GeschwisterBoxSelect for `eltern`.
    void Zeige(const QString& eltern);
    TRelationsListe* Liste() const { return m_liste; }
    QMenu* Menue() const { return m_menue; }
    /// Builds the submenu "Zu Geschwistern wechseln" (after storing).
    void GeschwisterPopupPopup();

signals:
    /// JumpToEltern: select this position of the parent list (-1: none).
    void springe(qsizetype position);

private:
    TSprechtag& m_tag;
    QString m_eltern;
    TRelationsListe* m_liste;
    QCheckBox* m_ausblenden;
    QSpinBox* m_woerter;
    QMenu* m_menue;
    QMenu* m_untermenue;
};

class TElternSonstiges : public QWidget {
    Q_OBJECT
public:
    TElternSonstiges(TSprechtag& tag, QWidget* eltern);
    /// ElternZeitWuenscheShow and the name in the rename field.
    void Zeige(const QString& eltern);

    /// The commit path for the two time fields; false when a typed time was invalid.
    bool Sichern();

    QLineEdit* RenameEdit() const { return m_renameEdit; }
    TZeitFeld* AbEdit() const { return m_abEdit; }
    TZeitFeld* BisEdit() const { return m_bisEdit; }
    TAdressFeld* EMail1Edit() const { return m_email1; }
    TAdressFeld* EMail2Edit() const { return m_email2; }
    QPushButton* RenameBtn() const { return m_renameBtn; }
    QPushButton* DelBtn() const { return m_delBtn; }

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void kastenGeklickt(QCheckBox* kasten);
    /// Both address fields for `eltern`; after `genommen` was taken, the other field only
    /// when nothing is typed in it.
    void emailZeigen(const QString& eltern, TAdressFeld* genommen);

    TSprechtag& m_tag;
    QString m_eltern;
    TAnwesenheitsGedaechtnis m_gedaechtnis;
    QLineEdit* m_renameEdit;
    QPushButton* m_renameBtn;
    QPushButton* m_delBtn;
    QCheckBox* m_abCb;
    TZeitFeld* m_abEdit;
    QCheckBox* m_bisCb;
    TZeitFeld* m_bisEdit;
    TAdressFeld* m_email1;
    TAdressFeld* m_email2;
};
