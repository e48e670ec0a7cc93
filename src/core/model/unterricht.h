#pragma once
// One lesson of the school's timetable: which teacher teaches a class which subject. The
// import learns these from the timetable export and keeps them with the day, so that a
// wish for "Mathe" in 7b still finds its teacher when the wishes arrive weeks later.

#include <QString>

struct TUnterricht {
    QString Klasse;
    QString Kuerzel;
    QString Fach;

    friend bool operator==(const TUnterricht&, const TUnterricht&) = default;
};
