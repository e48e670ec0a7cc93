#include "bearbeiten/auswahl.h"

#include "model/namen.h"

#include <QHash>

#include <algorithm>

TListenAuswahl AuswahlInListe(const QStringList& eintraege, const QStringList& namen)
{
    TListenAuswahl a;
    if (namen.isEmpty())
        return a;
    QHash<QString, qsizetype> index;
    index.reserve(eintraege.size());
    // Going backwards lets the first of two items that differ only in case win.
    for (qsizetype i = eintraege.size() - 1; i >= 0; --i)
        index.insert(Namen::Schluessel(eintraege.at(i)), i);
    for (const QString& n : namen) {
        const auto it = index.constFind(Namen::Schluessel(n));
        if (it == index.cend())
            a.Fehlend.append(n);
        else
            a.Positionen.append(*it);
    }
    std::sort(a.Positionen.begin(), a.Positionen.end());
    a.Positionen.erase(std::unique(a.Positionen.begin(), a.Positionen.end()), a.Positionen.end());
    return a;
}

QStringList AusgewaehlteEintraege(const QStringList& eintraege, const QList<qsizetype>& positionen)
{
    QList<qsizetype> p = positionen;
    std::sort(p.begin(), p.end());
    p.erase(std::unique(p.begin(), p.end()), p.end());
    QStringList r;
    r.reserve(p.size());
    for (const qsizetype i : p)
        if (i >= 0 && i < eintraege.size())
            r.append(eintraege.at(i));
    return r;
}

qsizetype AuswahlNachEntfernen(qsizetype geloescht, qsizetype anzahl)
{
    if (geloescht < 0 || anzahl <= 0)
        return -1;
    return std::min(geloescht, anzahl - 1);
}
