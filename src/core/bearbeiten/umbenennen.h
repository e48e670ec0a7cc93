#pragma once
// Names are the keys of every relation, so a new name replaces the old one in the list and
// in every list that refers to it. The caller asks about computed timetables first
// (TryInvalidatePlansAction); the timetable lines themselves keep the old name.

#include "model/sprechtag.h"

#include <QString>

enum class TUmbenennStatus {
    /// `alt` names no entry: nothing happened.
    KeineAuswahl,
    /// The new name equals the old one exactly: nothing happened, no message.
    Unveraendert,
    Umbenannt,
    /// Refused with Meldung; nothing changed.
    Abgelehnt,
};

struct TUmbenennung {
    TUmbenennStatus Status = TUmbenennStatus::KeineAuswahl;
    /// Where the entry now stands (its new sorted place after a rename); -1 without one.
    qsizetype Position = -1;
    QString Meldung;
};

/// Renames a teacher to `neu` exactly as typed and rewrites every request that names the
/// old name exactly (a request spelled in another letter case keeps its text). Refuses an
/// empty name, a name another entry holds already (ignoring case) and a character the data
/// file cannot hold. A new spelling of the same name ("özdemir" -> "Özdemir") is a rename.
TUmbenennung LehrerUmbenennen(TSprechtag& tag, const QString& alt, const QString& neu);

/// Renames a parent entry: its siblings list the new name instead of the old one (ignoring
/// case), and every refusal that names the old name exactly names the new one.
TUmbenennung ElternUmbenennen(TSprechtag& tag, const QString& alt, const QString& neu);
