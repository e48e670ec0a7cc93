#pragma once
// Stand-ins for the day's operations on priorities, until the core offers them.

#include "model/namen.h"
#include "model/sprechtag.h"
#include "bearbeiten/sprechwuensche.h"
#include "verlauf/verlauf.h"

#include <QStringList>
#include <algorithm>

enum class TWunschPrioritaet { Normal, Vorrang, Einladung };

namespace Vorlaeufig {

inline bool Enthalten(const QStringList& liste, const QString& name)
{
    return std::any_of(liste.begin(), liste.end(), [&](const QString& s) { return Namen::Gleich(s, name); });
}

inline void Entferne(QStringList& liste, const QString& name)
{
    liste.removeIf([&](const QString& s) { return Namen::Gleich(s, name); });
}

inline TWunschPrioritaet Prioritaet(const TSprechtag& tag, const QString& eltern, const QString& lehrer)
{
    const TEltern* e = tag.Eltern.Suche(eltern);
    if (!e)
        return TWunschPrioritaet::Normal;
    if (Enthalten(e->Einladungen, lehrer))
        return TWunschPrioritaet::Einladung;
    if (Enthalten(e->Vorrang, lehrer))
        return TWunschPrioritaet::Vorrang;
    return TWunschPrioritaet::Normal;
}

inline bool SetzePrioritaet(TSprechtag& tag, const QString& eltern, const QString& lehrer, TWunschPrioritaet p)
{
    TEltern* e = tag.Eltern.Suche(eltern);
    if (!e || !tag.Lehrer.Suche(lehrer) || Prioritaet(tag, eltern, lehrer) == p)
        return false;
    Entferne(e->Einladungen, lehrer);
    Entferne(e->Vorrang, lehrer);
    if (p == TWunschPrioritaet::Einladung)
        e->Einladungen << lehrer;
    if (p == TWunschPrioritaet::Vorrang)
        e->Vorrang << lehrer;
    if (p != TWunschPrioritaet::Normal && !Enthalten(e->Sprechwuensche, lehrer))
        e->Sprechwuensche << lehrer;
    tag.Geaendert(QStringLiteral("Priorität eines Sprechwunschs von „%1“ ändern").arg(eltern));
    return true;
}

inline QStringList Eingeladene(const TSprechtag& tag, const QString& lehrer)
{
    QStringList r;
    for (const auto& e : tag.Eltern)
        if (Enthalten(e.record->Einladungen, lehrer))
            r << e.name;
    return r;
}

inline bool EinladungenSpeichern(TSprechtag& tag, const QString& lehrer, const QStringList& eltern)
{
    if (!tag.Lehrer.Suche(lehrer))
        return false;
    bool geaendert = false;
    for (const auto& e : tag.Eltern) {
        const bool soll = Enthalten(eltern, e.name);
        TEltern& r = *e.record;
        if (soll == Enthalten(r.Einladungen, lehrer))
            continue;
        geaendert = true;
        if (soll) {
            Entferne(r.Vorrang, lehrer);
            r.Einladungen << lehrer;
            if (!Enthalten(r.Sprechwuensche, lehrer))
                r.Sprechwuensche << lehrer;
        } else {
            Entferne(r.Einladungen, lehrer);
        }
    }
    if (geaendert)
        tag.Geaendert(QStringLiteral("Einladungen von „%1“ ändern").arg(lehrer));
    return geaendert;
}

inline bool SetGemeinsameGespraeche(TSprechtag& tag, bool an)
{
    if (tag.GemeinsameGespraeche == an)
        return false;
    tag.GemeinsameGespraeche = an;
    tag.Geaendert(QStringLiteral("„Geschwister bei derselben Lehrkraft: ein gemeinsames Gespräch“ ändern"));
    return true;
}

/// The requests as selected; marks of teachers no longer requested go with them.
inline bool WuenscheSpeichern(TSprechtag& tag, const QString& eltern, const QStringList& lehrer)
{
    TSchritt schritt(tag, QStringLiteral("Sprechwünsche von „%1“ ändern").arg(eltern));
    if (!SprechwuenscheSpeichern(tag, eltern, lehrer))
        return false;
    TEltern* e = tag.Eltern.Suche(eltern);
    const auto weg = [&](const QString& l) { return !Enthalten(e->Sprechwuensche, l); };
    e->Einladungen.removeIf(weg);
    e->Vorrang.removeIf(weg);
    return true;
}

} // namespace Vorlaeufig
