#include "bearbeiten/listen_helfer.h"

#include "model/namen.h"

#include <QSet>

namespace Listen {

bool EntferneOhneFall(TSortierteListe& liste, const QString& name)
{
    const qsizetype i = liste.IndexVon(name);
    if (i < 0)
        return false;
    // The list holds no two entries equal ignoring case, so this removes exactly one.
    const QString genau = liste.at(i);
    return liste.EntferneGenau(genau);
}

bool ErsetzeGenau(QStringList& liste, const QString& alt, const QString& neu)
{
    bool ersetzt = false;
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (liste.at(i) == alt) {
            liste[i] = neu;
            ersetzt = true;
        }
    return ersetzt;
}

QStringList OhneDoppelte(const QStringList& namen)
{
    QStringList r;
    r.reserve(namen.size());
    QSet<QString> gesehen;
    for (const QString& n : namen)
        if (!gesehen.contains(Namen::Schluessel(n))) {
            gesehen.insert(Namen::Schluessel(n));
            r.append(n);
        }
    return r;
}

bool Ersetze(QStringList& ziel, QStringList neu)
{
    if (ziel == neu)
        return false;
    ziel = std::move(neu);
    return true;
}

} // namespace Listen
