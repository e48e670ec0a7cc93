#pragma once
// A multi-selection list shows stored names by selecting its items. A stored name may be
// spelled in another letter case than the item, or name nothing the list holds any more.

#include <QList>
#include <QStringList>

struct TListenAuswahl {
    /// Item positions to select, ascending, each once.
    QList<qsizetype> Positionen;
    /// Stored names the list does not hold (ignoring case), in stored order.
    QStringList Fehlend;
};

/// Looks every name of `namen` up among `eintraege`, ignoring letter case.
TListenAuswahl AuswahlInListe(const QStringList& eintraege, const QStringList& namen);

/// The selected items, top to bottom: what a list hands back when it is stored.
QStringList AusgewaehlteEintraege(const QStringList& eintraege, const QList<qsizetype>& positionen);

/// After deleting the entry at `geloescht` from a list that now holds `anzahl` entries:
/// the position to select, the following entry or else the new last one; -1 when the
/// list is empty or nothing was selected.
qsizetype AuswahlNachEntfernen(qsizetype geloescht, qsizetype anzahl);
