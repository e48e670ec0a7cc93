#pragma once
// An e-mail field of the detail pages. Like the time fields it remembers for whom and
// which address it shows, so that a typed text always replaces that address of that
// record, and it takes the text on the main window's one commit path as well as when the
// user leaves it or presses Enter.

#include <QLineEdit>
#include <functional>

class TAdressFeld : public QLineEdit {
    Q_OBJECT
public:
    /// Stores `text` for the record `fuer` in place of the shown address `bisher`. Returns
    /// the message when the text is refused (nothing was changed then), else an empty text.
    using Uebernehmen = std::function<QString(const QString& fuer, const QString& bisher, const QString& text)>;

    TAdressFeld(const QString& objektName, const QString& zugang, QWidget* eltern);

    void SetUebernehmen(Uebernehmen uebernehmen) { m_uebernehmen = std::move(uebernehmen); }

    /// Shows the address `adresse` of the record `fuer`; a text typed before and not taken
    /// is dropped.
    void Zeige(const QString& fuer, const QString& adresse);

    /// The commit path: a refused text is reported, naming the entry and what stays
    /// stored, and the field shows the stored address again. Returns false in that case.
    bool Sichern();
    /// Leaving the field or Enter: as Sichern, but a refused text stays in the field with
    /// the focus, so that the user can correct it.
    bool Nehmen();

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
    QString m_gezeigt;
    bool m_geaendert = false;
    bool m_meldet = false;
};
