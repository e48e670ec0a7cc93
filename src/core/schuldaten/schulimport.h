#pragma once
// Importing a school's own data in one step: teachers, pupils (one parent entry each),
// the timetable's lessons and the parents' wishes. Planning reads the files against the
// day without changing it and yields everything the user confirms; applying then adds
// it at once. Nothing is half-imported.
//
// Records are the same person only when their key says so: a teacher's short name, a
// pupil's number where the file has one, otherwise the whole line (no column with two
// different values). Different people with the same name stay two records; their names
// are made distinct (first name, then short name or pupil number, then a number).
//
// Wishes name a teacher by short name, surname, the record's whole name, or a subject
// that the lessons resolve to the teacher of the pupil's class. Each piece of a field is
// tried whole first; only a piece that matches nothing and holds blanks is split there
// (a title or salutation stays with the word after it). Pupils and teachers are matched
// exactly first, then on a folded key (FaltSchluessel) that forgives accents and
// transliteration; a key that fits several records is reported, never guessed.

#include "schuldaten/namensmuster.h"
#include "model/unterricht.h"
#include "schuldaten/quelle.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <vector>

class TSprechtag;

namespace Schuldaten {

struct TImportMuster {
    QString Lehrer = StandardLehrerMuster;
    QString Eltern = StandardElternMuster;
    /// Names with characters Windows-1252 lacks are written with the nearest letters it
    /// has (each change reported); off, such names are refused.
    bool Umschreiben = true;
    /// The organiser's own subject abbreviations ("PK=Politik; NW=Naturwissenschaften").
    QString Faecher;
    /// The first wish of each line of a wishes file is the parents' most important one.
    bool ErsterWunschVorrang = false;
};

struct TProblem {
    int Zeile = 0;
    QString Grund;
    /// The line repeats an earlier record and is taken once; else it was left out.
    bool Doppelt = false;
};

/// A name the import changed: made distinct from a namesake, transliterated, or cleaned
/// of control characters.
struct TNamensAenderung {
    int Zeile = 0;
    QString Vorher;
    QString Nachher;
};

/// A wish that named no teacher or several.
struct TOffenerWunsch {
    int Zeile = 0;
    QString Text;
    /// Empty: no teacher fits; else the teachers it could mean.
    QStringList Kandidaten;
    /// The pupil's class, when known (subjects are looked up there).
    QString Klasse;
};

struct TDateiBericht {
    TQuellArt Art = TQuellArt::Lehrer;
    QString Pfad;
    int Neu = 0;
    int Vorhanden = 0;
    int Doppelt = 0;
    int Abgelehnt = 0;
    /// Lessons read (lesson files).
    int Unterrichte = 0;
    /// Wish files: requests added, already there, and wishes that named no teacher or
    /// several.
    int WuenscheNeu = 0;
    int WuenscheVorhanden = 0;
    /// Invitations (an invitations file) and "Vorrang" marks (a wishes file) found.
    bool EinladungsDatei = false;
    int Einladungen = 0;
    int Vorrang = 0;
    int WuenscheOffen() const { return int(Offen.size()); }
    /// Every line that was left out or merged with an earlier one, in line order.
    QList<TProblem> Probleme;
    /// Names made distinct from a namesake with another key.
    QList<TNamensAenderung> Namensgleiche;
    /// Names written with Windows-1252 letters.
    QList<TNamensAenderung> Umgeschrieben;
    /// Names whose control characters became blanks.
    QList<TNamensAenderung> Steuerzeichen;
    /// Each unresolved wish once per line.
    QList<TOffenerWunsch> Offen;
};

struct TImportPlan {
    /// New names in file order; checked against the day and against each other.
    QStringList NeueLehrer;
    QStringList NeueEltern;
    /// New requests (parent entry, teacher), each once.
    QList<QPair<QString, QString>> NeueWuensche;
    /// Requests (parent entry, teacher) to mark as invitations and as "Vorrang", each once.
    QList<QPair<QString, QString>> Einladungen;
    QList<QPair<QString, QString>> Vorrang;
    /// What the import learned and the day keeps for later imports: short names and pupil
    /// numbers (record name, key) that the day does not hold yet, and new lessons.
    QList<QPair<QString, QString>> NeueKuerzel;
    QList<QPair<QString, QString>> NeueSchuelernummern;
    std::vector<TUnterricht> NeueUnterrichte;
    QList<TDateiBericht> Berichte;

    bool Leer() const
    {
        return NeueLehrer.isEmpty() && NeueEltern.isEmpty() && NeueWuensche.isEmpty() && NeueKuerzel.isEmpty()
            && NeueSchuelernummern.isEmpty() && NeueUnterrichte.empty() && Einladungen.isEmpty() && Vorrang.isEmpty();
    }
    /// Applying would make the day's computed timetables invalid.
    bool MachtPlaeneUngueltig(const TSprechtag& tag) const;
};

/// Works out what the sources add to the day, in the order teachers, pupils, lessons,
/// wishes; changes nothing. Sources that failed to read are skipped (the caller refuses
/// them before).
TImportPlan PlaneImport(const TSprechtag& tag, const QList<TGeleseneQuelle>& quellen, const TImportMuster& muster);

/// Adds everything of the plan as one step. New requests make valid timetables invalid.
void WendeImportAn(TSprechtag& tag, const TImportPlan& plan);

/// The name a record of a teacher or pupil file gets under the pattern.
QString NameAusZeile(const TGeleseneQuelle& q, const TCsvZeile& z, const QString& muster);

/// The report: per file encoding, separator, header, columns and counts, then every
/// problem line with its file and line number. German, one item per line.
QString BerichtText(const QList<TGeleseneQuelle>& quellen, const TImportPlan& plan);

} // namespace Schuldaten
