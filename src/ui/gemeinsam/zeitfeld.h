#pragma once
// A time field of the detail tabs (a parent's limits, a teacher's own hours). Like the
// relation lists it remembers for whom it shows a time, so that a typed text always goes to
// that record, and it takes the text on the main window's one commit path as well as when
// the user leaves it: a field can be hidden (another tab, another page) before it loses the
// focus.

#include <QLineEdit>
#include <functional>

class TZeitFeld : public QLineEdit {
    Q_OBJECT
public:
    /// Stores `text` for the record `fuer`. Returns the message when the text is no valid
    /// time (nothing was changed then), else an empty text.
    using Uebernehmen = std::function<QString(const QString& fuer, const QString& text)>;

    TZeitFeld(const QString& objektName, const QString& zugang, QWidget* eltern);

    void SetUebernehmen(Uebernehmen uebernehmen) { m_uebernehmen = std::move(uebernehmen); }

    /// Shows `text` for the record `fuer`; a text typed before and not taken is dropped.
    void Zeige(const QString& fuer, const QString& text);

    /// The commit path: a typed text goes to the record it was typed for. An invalid text
    /// is reported, naming the entry and the time that stays in force, and the field shows
    /// that time again. Returns false in that case.
    bool Sichern();

    /// Leaving the field or Enter: as Sichern, but an invalid text stays in the field with
    /// the focus, so that the user can correct it.
    bool Nehmen();

    /// A typed text that is not taken yet.
    bool Offen() const { return m_geaendert; }
    QString Fuer() const { return m_fuer; }

signals:
    /// The record may have changed: the owner shows what it holds now.
    void genommen();

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool nehmen(bool zuruecksetzen);

    Uebernehmen m_uebernehmen;
    QString m_fuer;
    bool m_geaendert = false;
    bool m_meldet = false;
};
