#pragma once
// The settings file "qvt.ini": read once when the windows are made, written once when the
// start window closes.

#include "ini/einstellungsdatei.h"

#include <QDate>
#include <QString>

class TDateiAktionen;
class TForm2;
class TImportAktionen;

class TEinstellungen {
public:
    TEinstellungen(TForm2* haupt, TDateiAktionen* dateien, TImportAktionen* import);

    /// Reads the file and applies window placement, column counts and folders.
    void LoadIni();
    /// Writes the current values; returns the message for a refused write, else empty.
    QString SaveIni();

    /// The school's name on the printed plans (installation-wide).
    QString SchulName() const { return m_werte.SchulName; }
    void SetSchulName(const QString& name) { m_werte.SchulName = name; }
    /// Start folder of the dialog that saves preview lists.
    QString VorschauOrdner() const { return m_werte.SavePreview; }
    void SetVorschauOrdner(const QString& ordner) { m_werte.SavePreview = ordner; }

    /// Date and folder of the last appointment export; an invalid date when none was made.
    QDate TermineDatum() const { return QDate::fromString(m_werte.TermineDatum, Qt::ISODate); }
    QString TermineOrdner() const { return m_werte.TermineOrdner; }
    void SetTermine(QDate datum, const QString& ordner)
    {
        m_werte.TermineDatum = datum.isValid() ? datum.toString(Qt::ISODate) : QString();
        m_werte.TermineOrdner = ordner;
    }

    /// Seconds between two recovery copies.
    int WiederherstellungSekunden() const { return m_werte.WiederherstellungSekunden; }

    QString Pfad() const { return m_pfad; }
    /// The file read at start and the one written, as LoadIni and SaveIni use them; for
    /// dialogs that keep settings of their own there (the mail server's).
    QString LesePfad() const;
    QString SchreibPfad() const;
    /// Tests point the program at a file of their own.
    void SetPfad(const QString& pfad) { m_pfad = pfad; }

private:
    TForm2* m_haupt;
    TDateiAktionen* m_dateien;
    TImportAktionen* m_import;
    TIniWerte m_werte;
    QString m_pfad;
};
