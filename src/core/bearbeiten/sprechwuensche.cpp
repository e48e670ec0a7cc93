#include "bearbeiten/sprechwuensche.h"

#include "bearbeiten/listen_helfer.h"
#include "bearbeiten/vorrang.h"

#include <algorithm>

QList<qsizetype> SprechwunschAuswahl(const TSprechtag& tag, const QString& eltern)
{
    QList<qsizetype> r;
    const TEltern* p = tag.Eltern.Suche(eltern);
    if (!p)
        return r;
    for (const QString& w : p->Sprechwuensche)
        if (const qsizetype i = tag.Lehrer.IndexVon(w); i >= 0)
            r.append(i);
    std::sort(r.begin(), r.end());
    r.erase(std::unique(r.begin(), r.end()), r.end());
    return r;
}

bool SprechwuenscheSpeichern(TSprechtag& tag, const QString& eltern, const QStringList& lehrer)
{
    TEltern* p = tag.Eltern.Suche(eltern);
    if (!p || !Listen::Ersetze(p->Sprechwuensche, Listen::OhneDoppelte(lehrer)))
        return false;
    MarkenAbgleichen(*p);
    tag.Geaendert(QStringLiteral("Sprechwünsche von „%1“ ändern").arg(eltern));
    return true;
}
