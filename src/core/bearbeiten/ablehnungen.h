#pragma once
// The refusals of one teacher, edited as a selection in a list of parent entries, with
// the counters that compare the teacher's requests with the appointments the teacher can
// give. `lehrer` is the name of the selected teacher; a name the day does not hold (an
// empty text, for example) means that none is selected.

#include "bearbeiten/auswahl.h"
#include "model/sprechtag.h"

#include <QStringList>

struct TAblehnListe {
    /// The list items, in parent-list order.
    QStringList Eintraege;
    /// A teacher is selected and the three values below belong to it. Otherwise the
    /// counters keep what they showed before.
    bool MitZaehlern = false;
    /// Parent entries whose requests name the teacher (ignoring case).
    int AnzWuensche = 0;
    /// The teacher's capacity: slots of the teacher's hours that no break covers.
    int MoeglicheTermine = 0;
    /// Fewer appointments than requests: the request count is shown in bold red.
    bool Ueberbucht = false;
};

/// The items of the refusal list. With the filter: the parent entries whose requests
/// name the teacher (nothing while no teacher is selected). Without it: every parent
/// entry, whether a teacher is selected or not.
TAblehnListe AblehnListe(const TSprechtag& tag, const QString& lehrer, bool nurGespraechssuchende);

/// Which of `eintraege` to select for the teacher's stored refusals (ignoring case). A
/// refusal of an entry not in the list is not shown.
TListenAuswahl AblehnAuswahl(const TSprechtag& tag, const QString& lehrer, const QStringList& eintraege);

/// Stores the selected parent names (top to bottom) as the teacher's refusals, replacing
/// the old ones, so refusals of entries not in the list are dropped. Returns whether the
/// refusals changed; only then the day counts as changed.
bool AblehnungenSpeichern(TSprechtag& tag, const QString& lehrer, const QStringList& eltern);
