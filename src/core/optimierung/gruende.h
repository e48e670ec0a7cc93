#pragma once
// Why a request became no talk, for the statistics window: refused by the teacher, the
// teacher fully booked, or no free slot of the teacher fitting the family's attendance
// limits and other talks. Shown only; the stored list of unmet requests keeps its format.

#include "model/sprechtag.h"

#include <QStringList>

/// One line per unmet request, sorted: "Lehrer  --  Eltern: Grund". Unmet invitations come
/// first ("Lehrer  --  Eltern (Einladung): Grund"), then unmet "Vorrang" requests
/// ("… (Vorrang): …"), each group sorted.
QStringList ErklaereNichtErfuellte(const TSprechtag& tag);
