#pragma once
// Small edits of the relation lists that more than one editing rule needs.

#include "model/sortierte_liste.h"

#include <QStringList>

namespace Listen {

/// Removes the entry equal to `name` ignoring case; returns whether one was there.
bool EntferneOhneFall(TSortierteListe& liste, const QString& name);

/// Replaces every entry exactly equal to `alt` by `neu`, in place; returns whether any was.
bool ErsetzeGenau(QStringList& liste, const QString& alt, const QString& neu);

/// `namen` in their order, without a second name equal to an earlier one ignoring case.
QStringList OhneDoppelte(const QStringList& namen);

/// Replaces `ziel` by `neu`; returns whether the text changed (exact comparison).
bool Ersetze(QStringList& ziel, QStringList neu);

} // namespace Listen
