#pragma once
// The limits "nicht vor" and "nicht nach" of a parent entry. A limit that is off always
// offers the time typed last into its field, from one entry to the next; those two times
// live for the program run only. `eltern` is the name of the selected parent entry; a
// name the day does not hold (an empty text, for example) means that none is selected
// and nothing happens.

#include "model/sprechtag.h"
#include "zeit/zeit.h"

#include <QString>

/// The last times typed into the two fields. The parents page owns one for the run.
struct TAnwesenheitsGedaechtnis {
    double LetzteNichtVorZeit = Zeit::Kodiere(16, 0);
    double LetzteNichtNachZeit = Zeit::Kodiere(18, 0);
};

enum class TAnwesenheitsGrenze { NichtVor, NichtNach };

/// What the two check boxes and the two time fields show.
struct TAnwesenheitsAnzeige {
    bool Gefunden = false;
    /// Check state; the time field is enabled exactly when its box is checked.
    bool NichtVor = false;
    bool NichtNach = false;
    /// "hh:mm"
    QString NichtVorText;
    QString NichtNachText;
};

/// Shows the limits of an entry. The time of a limit that is off becomes the remembered
/// time first (the day counts as changed only when that moves a stored time).
TAnwesenheitsAnzeige AnwesenheitZeigen(TSprechtag& tag, const QString& eltern,
                                       const TAnwesenheitsGedaechtnis& gedaechtnis);

/// A click on one check box: sets that limit's flag only, keeping its time. Returns
/// whether the flag changed.
bool AnwesenheitSchalten(TSprechtag& tag, const QString& eltern, TAnwesenheitsGrenze grenze, bool an);

struct TZeitEingabe {
    /// False: show Meldung, put the focus back into the field; nothing was changed.
    bool Ok = true;
    QString Meldung;
};

/// Leaving a time field: a valid time (ZeitText) becomes the limit's time and the
/// remembered time, whether the limit is on or not.
TZeitEingabe AnwesenheitZeitEingabe(TSprechtag& tag, const QString& eltern, TAnwesenheitsGrenze grenze,
                                    const QString& text, TAnwesenheitsGedaechtnis& gedaechtnis);

/// "Termine nicht vor: „30“ ist keine gültige Uhrzeit. Bitte …" (the same wording as every
/// other time field, naming the field).
QString AnwesenheitsZeitMeldung(const QString& text, TAnwesenheitsGrenze grenze);
