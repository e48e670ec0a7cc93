#pragma once
// The settings file "qvt.ini": read once when the windows are made, written once when the
// start window closes.

#include "ini/einstellungsdatei.h"

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

    QString Pfad() const { return m_pfad; }
    /// Tests point the program at a file of their own.
    void SetPfad(const QString& pfad) { m_pfad = pfad; }

private:
    TForm2* m_haupt;
    TDateiAktionen* m_dateien;
    TImportAktionen* m_import;
    TIniWerte m_werte;
    QString m_pfad;
};
