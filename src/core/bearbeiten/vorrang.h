#pragma once
// Who must be seen first: a teacher's invitation ("Einladung") and the parents' most
// important requests ("Vorrang"). Both are marks on a request of a parent entry; a mark
// never outlives its request, and an invitation brings its request with it.

#include "model/sprechtag.h"

#include <QStringList>

/// The priority of one request, in the order the computation places them.
enum class TPrioritaet { Normal, Vorrang, Einladung };

/// The priority of the entry's request of `lehrer` (ignoring case); Normal when the entry
/// does not request the teacher.
TPrioritaet Prioritaet(const TEltern& eltern, const QString& lehrer);

/// Marks the request of `lehrer` by `eltern`. Einladung adds the request when it is
/// missing; Vorrang needs the request (false and nothing changed without it); Normal drops
/// the marks and keeps the request. Returns whether the day changed.
bool PrioritaetSetzen(TSprechtag& tag, const QString& eltern, const QString& lehrer, TPrioritaet p);

/// The entries this teacher invites, in the order of the parent list.
QStringList Eingeladene(const TSprechtag& tag, const QString& lehrer);
/// How many entries this teacher invites.
int AnzEinladungen(const TSprechtag& tag, const QString& lehrer);
/// All invitations of the day and all "Vorrang" marks.
int AnzEinladungenGesamt(const TSprechtag& tag);
int AnzVorrangGesamt(const TSprechtag& tag);
/// Whether any request of the day carries a mark (then the computation orders by them).
bool HatPrioritaeten(const TSprechtag& tag);

/// Makes `eltern` the entries the teacher invites: they get the request and the mark,
/// every other entry loses this teacher's invitation but keeps the request. Names the day
/// does not hold are left out. Returns whether the day changed (one step).
bool EinladungenSpeichern(TSprechtag& tag, const QString& lehrer, const QStringList& eltern);

/// The day setting "Geschwister bei derselben Lehrkraft: ein gemeinsames Gespräch".
bool GemeinsameGespraecheSetzen(TSprechtag& tag, bool an);

/// Drops the marks whose request is gone and writes the others in the request's spelling;
/// for every edit that replaces an entry's requests. Returns whether a mark changed.
bool MarkenAbgleichen(TEltern& eltern);
