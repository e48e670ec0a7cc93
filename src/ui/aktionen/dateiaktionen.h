#pragma once
// Loading and saving from the main window's buttons: the dialogs around the data file,
// the file dialogs with their folders, the caption and the wait window.

#include <QObject>
#include <QString>

class TForm2;
class TListLoadSpecForm;
class TSaveForm;
class TSprechtag;

class TDateiAktionen : public QObject {
    Q_OBJECT
public:
    TDateiAktionen(TSprechtag& tag, TForm2* haupt, TSaveForm* speichern, TListLoadSpecForm* ladefrage, QObject* eltern = nullptr);

    /// Returns whether the day was written.
    bool SaveIt();
    void LoadIt();
    /// Loads `pfad` without a file dialog (a file given on the command line).
    void LadeDatei(const QString& pfad);
    /// A day recovered after a crash is in memory: it belongs to `tagesdatei` (empty: to
    /// none), which the next save proposes; nothing has been written there.
    void Wiederhergestellt(const QString& tagesdatei);

    /// Asked before the program ends: true when it may end (nothing unsaved, or saved, or
    /// the user chose not to save).
    bool DarfBeenden();

    /// The file this day was last loaded from or saved to; empty while it has none.
    QString EigeneDatei() const { return m_eigene; }

    /// Start folder of the load and save dialogs (kept in the settings file).
    QString Ordner() const { return m_ordner; }
    void SetOrdner(const QString& ordner) { m_ordner = ordner; }

signals:
    /// Before a save: editors write pending selections into the records.
    void vorDemSpeichern();
    /// After a load changed the day.
    void geladen(bool mitPlaenen);

private:
    QString waehle(bool speichern, const QString& vorschlag);
    /// The save dialog until the user picks a target that may be replaced; empty when
    /// cancelled.
    QString speicherZiel();
    /// `pfad` became the day's file (saved to or loaded from).
    void eigeneDatei(const QString& pfad);
    bool istEigeneDatei(const QString& pfad) const;

    TSprechtag& m_tag;
    TForm2* m_haupt;
    TSaveForm* m_speichern;
    TListLoadSpecForm* m_ladefrage;
    QString m_ordner;
    QString m_vorschlag;
    /// The file this day was last loaded from or saved to (canonical), replaced without a
    /// question.
    QString m_eigene;
};
