#pragma once
// What a school's export holds and which column means what. Administration programs name
// their columns in many ways; the aliases below map the usual ones, ignoring case and
// umlaut spelling. Timetable program exports have no header but fixed positions.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace Schuldaten {

enum class TQuellArt { Lehrer, Schueler, Unterricht, Wuensche };
inline constexpr TQuellArt AlleArten[] = {TQuellArt::Lehrer, TQuellArt::Schueler, TQuellArt::Unterricht,
                                          TQuellArt::Wuensche};

/// "Lehrer", "Schüler", "Unterricht", "Sprechwünsche".
QString ArtName(TQuellArt art);
/// A key for the settings file: "lehrer", "schueler", "unterricht", "wuensche".
QString ArtSchluessel(TQuellArt art);

/// The meaning of one column. A file may have several wish columns ("Wunsch 1" …).
enum class TFeld {
    Keins, Nachname, Vorname, Klasse, Kuerzel, Raum, Titel, Fach, Eintrag, Wunsch, Schuelernummer,
    /// A wishes file's mark of the parents' most important wish ("Priorität", "wichtig").
    Prioritaet
};

/// The German caption: "Nachname", "Kürzel", "Eintrag (ganzer Name)", "Wunsch", …
QString FeldName(TFeld feld);

/// The meanings a column of this kind of file can take, "Keins" first.
QList<TFeld> FelderFuer(TQuellArt art);

/// Column meanings by position (index = column, 0-based).
using TZuordnung = QList<TFeld>;

/// The first column with this meaning, or -1.
int SpalteVon(const TZuordnung& z, TFeld feld);
/// Every column with this meaning.
QList<int> SpaltenVon(const TZuordnung& z, TFeld feld);

/// The meaning of a header text in this kind of file, if it is one of the known aliases.
std::optional<TFeld> FeldAusKopf(const QString& kopf, TQuellArt art);

/// Assigns the columns of a header line; the first column of a single meaning wins.
TZuordnung ZuordnungAusKopf(const QStringList& kopf, TQuellArt art);

/// Whether the first record looks like a header: at least one field is a known alias.
bool SiehtAusWieKopf(const QStringList& felder, TQuellArt art);

/// The timetable program's exports by file name (any case): GPU004 teachers, GPU010
/// pupils, GPU002 lessons.
std::optional<TQuellArt> StundenplanArt(const QString& pfad);

/// The fixed positions of a timetable program export of this kind.
TZuordnung StundenplanZuordnung(TQuellArt art);

/// A guess what a file with this header holds; nullopt when nothing fits.
std::optional<TQuellArt> ArtAusKopf(const QStringList& kopf);

/// What a file of this kind needs at least, as a German sentence naming the missing
/// column; empty when the assignment suffices.
QString FehlendeSpalten(const TZuordnung& z, TQuellArt art);

/// Folds a header or name for comparing: lower case, umlauts spelt out (ä → ae, ß → ss),
/// blanks and underscores removed.
QString Falte(const QString& text);

} // namespace Schuldaten

namespace Schuldaten {

/// The column meanings to remember for the next file of the same kind: header texts
/// ("Familienname=Nachname|Rufname=Vorname") where there is a header, positions
/// ("#2=Nachname|#8=Vorname") where there is none; unused header columns are kept as
/// "Keins", unused positions not at all.
QString ZuordnungAlsText(const TZuordnung& z, const QStringList& kopf);

/// Applies remembered meanings to a file: a header text or position named in `text`
/// takes the remembered meaning, every other column keeps `z`'s. nullopt when the text
/// names none of the file's columns (so detection stands unchanged).
std::optional<TZuordnung> ZuordnungAusText(const QString& text, const QStringList& kopf, int spalten,
                                           const TZuordnung& z);

} // namespace Schuldaten
