#pragma once
// What the steps of the school-data wizard share: the chosen files with the user's
// overrides, the files as read, the name patterns and the plan. Nothing here touches the
// day; only the wizard's last step applies the plan.

#include "schuldaten/schulimport.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class QWidget;
class TSchuldatenArbeit;

struct TSchuldatenStand {
    QList<Schuldaten::TQuelle> Quellen;
    /// Parallel to Quellen once the first step is left.
    QList<Schuldaten::TGeleseneQuelle> Gelesen;
    Schuldaten::TImportMuster Muster;
    /// Remembered column meanings per kind (settings file).
    QHash<Schuldaten::TQuellArt, QString> GemerkteSpalten;
    QString Ordner;
    std::optional<Schuldaten::TImportPlan> Plan;
    /// The wizard's worker thread; without one, files are read where they are asked for.
    TSchuldatenArbeit* Arbeit = nullptr;

    /// Reads source `i` again with its overrides; remembered meanings apply where the
    /// user chose none. Returns the error message, empty on success.
    QString Lies(qsizetype i);
    /// The same reading without changing anything, for a worker thread.
    Schuldaten::TGeleseneQuelle LiesQuelle(qsizetype i, const Schuldaten::TLauf* lauf = nullptr) const;
    /// Lies on the worker with its progress window over `fenster`; false when the user
    /// cancelled, and then nothing changed.
    bool LiesImHintergrund(qsizetype i, QWidget* fenster);
};
