#pragma once
// Changes that a page or dialog makes to the day in one step: a plan edited by hand, the
// letter and the switches of the preview lists, the times of a break. Each decides itself
// whether the day really changed and only then marks it changed, so that confirming a
// dialog without an edit never asks for saving.

#include <QString>
#include <QStringList>

class TPause;
class TSprechtag;
struct TPlanEinstellungen;

/// The plan of teacher `lehrer` becomes `zeilen`. Returns whether it changed.
bool LehrerplanSetzen(TSprechtag& tag, const QString& lehrer, const QStringList& zeilen);

/// The plan of parent entry `eltern` becomes `zeilen`, sorted and without repeated lines
/// as every parent's plan. Returns whether it changed.
bool ElternplanSetzen(TSprechtag& tag, const QString& eltern, const QStringList& zeilen);

/// The letter above the preview lists, one entry per line. Returns whether it changed.
bool VorschauBriefSetzen(TSprechtag& tag, const QStringList& zeilen);
/// "Vorschaulisten erstellen" on or off. Returns whether it changed.
bool VorschauGewuenschtSetzen(TSprechtag& tag, bool gewuenscht);
/// Lists for every teacher or only for the requested ones. Returns whether it changed.
bool VorschauFuerAlleSetzen(TSprechtag& tag, bool alle);

/// The settings of the plans' dialog and "Freie Termine anzeigen". Returns whether any of
/// them changed.
bool PlanEinstellungenSetzen(TSprechtag& tag, const TPlanEinstellungen& plan, bool freieTermineAnzeigen);

/// Takes the times typed in the break dialog. A text that still reads as the break's
/// shown time keeps the stored value, so a break read from a file with seconds is not
/// rounded by an unchanged OK. Both texts must be valid times (the dialog checks them).
/// Returns whether start or length changed.
bool PauseSetzen(TSprechtag& tag, TPause& pause, const QString& startText, const QString& dauerText);
