#pragma once
// The figures of the statistics window: requests, appointments, refusals, what failed for
// lack of time, the averages and the list of unmet requests. Computed at the end of every
// computation and saved with the timetables.

#include "model/einstellungen.h"
#include "model/sprechtag.h"

#include <QString>
#include <QStringList>

struct TStatistikWerte {
    int Wuensche = 0;
    int Erteilt = 0;
    int NichtErteilt = 0;
    int Abgelehnt = 0;
    int NichtAbgelehnt = 0;
    int Zeitmangel = 0;
    // The averages are kept as 32-bit floats, as the window has always shown them.
    float Erfuellung = 0;
    float WuenschePerEltern = 0;
    float TerminePerEltern = 0;
    float TerminePerLehrer = 0;
    /// "Lehrer  --  Eltern      (abgelehnt)" / "(Zeitmangel)", sorted.
    QStringList NichtErfuellt;
};

/// Counts from the records and the parents' plans. An empty collection gives averages of 0.
TStatistikWerte BerechneStatistik(const TSprechtag& tag);

/// "%3.2f" with the German decimal comma and no digit grouping: 2 -> "2,00".
QString StatistikZahl(double wert);

/// Fills every text of the window except LbMaxErtbar, which the computation sets.
void ErstelleStatistik(const TSprechtag& tag, TStatistikTexte& texte);
