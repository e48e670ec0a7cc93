#pragma once
// Importing a school's own data in one step: teachers, pupils (one parent entry each),
// the timetable's lessons and the parents' wishes. Planning reads the files against the
// day without changing it and yields everything the user confirms; applying then adds
// it at once. Nothing is half-imported.
//
// Wishes name a teacher by short name, surname, the record's whole name, or a subject
// that the lessons resolve to the teacher of the pupil's class. Each piece of a field is
// tried whole first; only a piece that matches nothing and holds blanks is split there.

#include "schuldaten/namensmuster.h"
#include "schuldaten/quelle.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class TSprechtag;

namespace Schuldaten {

struct TImportMuster {
    QString Lehrer = StandardLehrerMuster;
    QString Eltern = StandardElternMuster;
};

struct TProblem {
    int Zeile = 0;
    QString Grund;
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
    int WuenscheOffen = 0;
    /// Every line that was left out or only partly taken, in line order.
    QList<TProblem> Probleme;
};

struct TImportPlan {
    /// New names in file order; checked against the day and against each other.
    QStringList NeueLehrer;
    QStringList NeueEltern;
    /// New requests (parent entry, teacher), each once.
    QList<QPair<QString, QString>> NeueWuensche;
    QList<TDateiBericht> Berichte;

    bool Leer() const { return NeueLehrer.isEmpty() && NeueEltern.isEmpty() && NeueWuensche.isEmpty(); }
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
