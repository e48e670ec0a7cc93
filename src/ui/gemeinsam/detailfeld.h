#pragma once
// A text field of the detail pages that stands for one value of one record (a time, an
// e-mail address). Like the relation lists it remembers for whom it shows a value, so that
// a typed text always goes to that record, and it takes the text on the main window's one
// commit path as well as when the user leaves it or presses Enter: a field can be hidden
// (another tab, another page) before it loses the focus. What a valid text is and what the
// message says of the value that stays belong to each kind of field.

#include <QLineEdit>
#include <functional>

class TDetailFeld : public QLineEdit {
    Q_OBJECT
public:
    /// The commit path: a typed text goes to the record it was typed for. A refused text
    /// is reported, naming the entry and what stays stored, and the field shows that again.
    /// Returns false in that case.
    bool Sichern();

    /// Leaving the field or Enter: as Sichern, but a refused text stays in the field with
    /// the focus, so that the user can correct it.
    bool Nehmen();

    /// A typed text that is not taken yet.
    bool Offen() const { return m_geaendert; }
    QString Fuer() const { return m_fuer; }

signals:
    /// The record may have changed: the owner shows what it holds now.
    void genommen();

protected:
    /// Stores `text` for the record `fuer`. Returns the message when the text is refused
    /// (nothing was changed then), else an empty text.
    using Speichern = std::function<QString(const QString& fuer, const QString& text)>;

    TDetailFeld(const QString& objektName, const QString& zugang, QWidget* eltern);

    void setSpeichern(Speichern speichern) { m_speichern = std::move(speichern); }
    /// Shows `text` for the record `fuer`; a text typed before and not taken is dropped.
    void zeigeFuer(const QString& fuer, const QString& text);
    void setGeaendert() { m_geaendert = true; }

    /// What the message adds once the field shows the stored value of `fuer` again.
    virtual QString bleibt(const QString& fuer) const = 0;
    /// Whether the text would be taken, so that leaving the field can take it at once.
    virtual bool annehmbar() const = 0;

    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool nehmen(bool zuruecksetzen);

    Speichern m_speichern;
    QString m_fuer;
    bool m_geaendert = false;
    bool m_meldet = false;
};
