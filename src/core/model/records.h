#pragma once
// The two record kinds of a conference day. They refer to each other by name only.

#include "model/sortierte_liste.h"
#include "zeit/zeit.h"

#include <QStringList>

struct TLehrer {
    /// Requests granted in the latest computation. Not saved.
    int AnzErteilt = 0;
    /// Parent entries this teacher refuses to talk to; no duplicates.
    QStringList Ablehnungen;
    /// Timetable lines in chronological order ("hh:nn Uhr: " + parent name, or the label
    /// alone for a free slot).
    QStringList Zeitplan;
    /// Individual hours; StartZeit and EndZeit count only while this is set.
    bool AbweichZeit = false;
    double StartZeit = Zeit::Kodiere(15, 0);
    double EndZeit = Zeit::Kodiere(18, 0);
    /// Short name from the school's timetable ("WEB"); empty when unknown. Kept in the
    /// data file's extension block, so that wishes imported later still find the teacher.
    QString Kuerzel;
    /// E-mail address for the plans by mail (at most one); kept in the extension block.
    QStringList EMail;

    bool operator==(const TLehrer&) const = default;
};

struct TEltern {
    /// Requested teachers, in the order they were added; no duplicates.
    QStringList Sprechwuensche;
    /// The other entries of the same family (a clique kept by the sibling editor).
    TSortierteListe Geschwister;
    /// Teacher names granted in the latest computation, in grant order. Not saved.
    QStringList Erteilt;
    /// Personal timetable, one line per appointment, chronological by construction.
    TSortierteListe Zeitplan;
    bool NichtVor = false;
    double NichtVorZeit = Zeit::Kodiere(16, 0);
    bool NichtNach = false;
    double NichtNachZeit = Zeit::Kodiere(18, 0);
    /// The pupil's number in the school's administration; empty when unknown. Kept like
    /// TLehrer::Kuerzel.
    QString Schuelernummer;
    /// E-mail addresses of the family (at most two: families often give two); kept in
    /// the extension block like the pupil number.
    QStringList EMail;
    /// Teachers who invite this family (an invitation implies the request, so every
    /// name here is also in Sprechwuensche). Kept in the extension block.
    QStringList Einladungen;
    /// Requests the parents mark as most important; a subset of Sprechwuensche. Kept in
    /// the extension block.
    QStringList Vorrang;

    bool operator==(const TEltern&) const = default;
};
