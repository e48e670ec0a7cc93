#pragma once
// A multi-selection list of names that edits one relation of one record (the requests,
// refusals or siblings of the entry shown). It remembers for whom it shows the selection,
// so that storing always writes to that record, whatever got selected elsewhere meanwhile.
// Items flow top to bottom in a given number of equal columns and scroll sideways.

#include <QListWidget>
#include <functional>

class TRelationsListe : public QListWidget {
    Q_OBJECT
public:
    /// Stores `ausgewaehlt` (top to bottom) for the record named `fuer`.
    using Speichern = std::function<void(const QString& fuer, const QStringList& ausgewaehlt)>;

    TRelationsListe(const QString& objektName, const QString& zugang, QWidget* eltern);

    void SetSpeichern(Speichern speichern) { m_speichern = std::move(speichern); }

    /// Shows `eintraege` for the record `fuer` with the items at `auswahl` selected.
    /// Nothing is stored by showing.
    void Zeige(const QString& fuer, const QStringList& eintraege, const QList<qsizetype>& auswahl);
    /// Shows nothing for nobody.
    void Leeren();

    /// Writes a changed selection into the record it was shown for. Called before
    /// anything else can change what the list shows.
    void Sichern();

    QString Fuer() const { return m_fuer; }
    QStringList Eintraege() const { return m_eintraege; }
    QStringList Ausgewaehlt() const;

    /// Shows `zusatz` after the name of row `zeile` ("Abel (7) – Vorrang"); empty: the name
    /// alone. The row still stands for the name alone when the selection is stored.
    void SetZusatz(int zeile, const QString& zusatz);

    /// false: a click toggles one item ("normal"); true: extended selection with Ctrl and
    /// Shift.
    void SetErweitert(bool erweitert);
    void SetSpalten(int spalten);
    int Spalten() const { return m_spalten; }

signals:
    /// About to open the context menu at `pos` (after storing).
    void kontextmenue(const QPoint& globalPos);

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void rasterAnpassen();
    /// Places the items now rather than from a timer, so that the list never shows an
    /// intermediate picture.
    void jetztAnordnen();

    Speichern m_speichern;
    QString m_fuer;
    QStringList m_eintraege;
    bool m_geaendert = false;
    bool m_zeigt = false;
    int m_spalten = 3;
};
