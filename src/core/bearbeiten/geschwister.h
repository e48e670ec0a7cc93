#pragma once
// The sibling marks of the parent details. A family is a set of parent entries whose
// Geschwister lists name each other; storing the marks of one entry repairs its whole
// family: siblings of siblings become siblings, and unmarked entries leave the family on
// every side.
//
// `auswahl` is the name of the entry selected in the parent list. A name the day does not
// hold (an empty text, for example) means that no entry is selected.

#include "bearbeiten/auswahl.h"
#include "model/sprechtag.h"

#include <QList>
#include <QStringList>

/// The items of the sibling list, in parent-list order. Without the similarity filter:
/// every parent entry except the selected one. With it: the entries whose names are
/// similar to the selected one (NamenAehnlich with `woerter` words) and the current
/// siblings, similar or not; nothing while no entry is selected.
QStringList GeschwisterKandidaten(const TSprechtag& tag, const QString& auswahl, bool nurAehnliche,
                                  int woerter);

/// Which of `kandidaten` to select for the stored siblings of the selected entry. Every
/// name in Fehlend gets GeschwisterFehltMeldung(), once per name.
TListenAuswahl GeschwisterAuswahl(const TSprechtag& tag, const QString& auswahl,
                                  const QStringList& kandidaten);

QString GeschwisterFehltMeldung();

/// Stores the marked names (the selected items, top to bottom) as the selected entry's
/// siblings and repairs the family. Returns whether any sibling list changed; only then
/// the day counts as changed. Computed timetables stay valid.
bool GeschwisterSpeichern(TSprechtag& tag, const QString& auswahl, const QStringList& markiert);

/// One entry of the menu "Zu Geschwistern wechseln".
struct TGeschwisterSprung {
    QString Name;
    /// Position in the parent list; -1 when the sibling names no entry.
    qsizetype Position = -1;
};

/// The selected entry's siblings in stored order. Empty: the menu shows the one disabled
/// entry GeschwisterKeineText().
QList<TGeschwisterSprung> GeschwisterSprungliste(const TSprechtag& tag, const QString& auswahl);

/// "Zu Geschwistern wechseln"
QString GeschwisterMenueText();
/// "Keine Geschwister für diesen Schüler markiert"
QString GeschwisterKeineText();
