#pragma once
// What "qvt.ini" remembers from one run to the next: the main window's placement, two
// column counts of the parent page, the folders last used and the school's name for the
// printed plans. The window reads the values at creation and hands them back at the end;
// these functions know nothing of widgets.

#include "ini/inidokument.h"

#include <QSize>
#include <QString>
#include <functional>

struct TIniWerte {
    static constexpr int Normal = 0;
    static constexpr int Minimiert = 1;
    static constexpr int Maximiert = 2;

    int WindowState = Normal;
    int Height = 0;
    int Width = 0;
    int Left = 0;
    int Top = 0;
    /// Columns of ElternBox while the details are hidden.
    int ElternBoxSpalten = 3;
    /// Columns of SprechwunschBox and with it of the sibling and refusal lists.
    int SprechwunschBoxSpalten = 3;
    /// Start folders: data files (load and save), text import, preview lists.
    QString QvtFiles;
    QString OpenTXT;
    QString SavePreview;
    /// The school's name on the printed plans; the same for every conference day.
    QString SchulName;
    /// The last school-data import: its folder, the two name patterns (empty means the
    /// default) and the column meanings per kind of file, in the form of
    /// Schuldaten::ZuordnungAlsText.
    QString SchuldatenOrdner;
    QString LehrerMuster;
    QString ElternMuster;
    QString SpaltenLehrer;
    QString SpaltenSchueler;
    QString SpaltenUnterricht;
    QString SpaltenWuensche;
    /// The organiser's own subject abbreviations ("PK=Politik; NW=Naturwissenschaften").
    QString Faecher;
    /// Names with letters Windows-1252 lacks are written with the nearest ones it has.
    bool Umschreiben = true;
    /// The last appointment export: the day's date ("JJJJ-MM-TT", empty before the first
    /// export) and the target folder.
    QString TermineDatum;
    QString TermineOrdner;
    /// Seconds between two recovery copies of a day with unsaved changes, 10 .. 86400.
    int WiederherstellungSekunden = 120;
};

/// The main window as it is created, before the file is read.
struct TIniStart {
    QSize Bildschirm;
    /// Window size at creation; also the default for a missing height or width.
    QSize Fenster;
    int WindowState = TIniWerte::Normal;
    int ElternBoxSpalten = 3;
    int SprechwunschBoxSpalten = 3;
    /// The folder of the running program; the default of every start folder.
    QString ProgrammOrdner;
};

inline const QString IniSektionScreenPos = QStringLiteral("ScreenPos");
inline const QString IniSektionColumns = QStringLiteral("Columns");
inline const QString IniSektionPath = QStringLiteral("Path");
inline const QString IniSektionDruck = QStringLiteral("Druck");
inline const QString IniSektionSchuldaten = QStringLiteral("Schuldaten");
inline const QString IniSektionTermine = QStringLiteral("Termine");
inline const QString IniSektionWiederherstellung = QStringLiteral("Wiederherstellung");

/// The program's folder with a trailing separator, as the dialogs expect it.
QString MitTrennzeichen(const QString& ordner);

/// The values to apply. The window is centred first; a stored maximised state keeps the
/// centred normal size and position (the stored ones are not read). Anything missing or
/// not a number keeps its creation value. A column count below 1 cannot be shown and
/// counts as missing; larger counts are taken as stored. An empty folder means the
/// program's folder.
TIniWerte LoadIni(const TIniDokument& ini, const TIniStart& start);

/// Reads the file at `pfad`; a missing or unreadable file yields the defaults.
TIniWerte LoadIni(const QString& pfad, const TIniStart& start);

/// Writes one value; false when the system refuses.
using TIniSchreiber = std::function<bool(const QString& sektion, const QString& schluessel, const QString& wert)>;

/// Writes every value in the fixed order (window state, height, width, left, top, the two
/// column counts, the three folders, the school's name) and stops at the first refused
/// write. True when every value was written.
bool SaveIni(const TIniWerte& werte, const TIniSchreiber& schreibe);

struct TIniSpeicherung {
    bool ok = true;
    /// The German message naming the file and the reason when a write was refused; the
    /// caller shows it and the program still ends.
    QString Meldung;
};

TIniSpeicherung SaveIni(const QString& pfad, const TIniWerte& werte);
