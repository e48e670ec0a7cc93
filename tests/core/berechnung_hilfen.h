#pragma once
// Small fixtures for the tests of the timetable computation.

#include "berechnung/zeitplanrechner.h"

#include <QStringList>

namespace BerechnungTest {

/// A day with the given hours and slot length, no breaks, room-change on.
inline void Rahmen(TSprechtag& tag, int vonStd, int vonMin, int bisStd, int bisMin, int takt)
{
    tag.SetSprechStart(Zeit::Kodiere(vonStd, vonMin));
    tag.SetSprechEnde(Zeit::Kodiere(bisStd, bisMin));
    tag.SetSprechTakt(takt);
}

inline TLehrer& Lehrer(TSprechtag& tag, const QString& name)
{
    const TNeuerName n = tag.LehrerUebernehmen(name);
    return n.ok() ? tag.Lehrer.Record(n.index) : *tag.Lehrer.Suche(name);
}

inline TEltern& Eltern(TSprechtag& tag, const QString& name, const QStringList& wuensche = {})
{
    const TNeuerName n = tag.ElternUebernehmen(name);
    TEltern& e = n.ok() ? tag.Eltern.Record(n.index) : *tag.Eltern.Suche(name);
    e.Sprechwuensche = wuensche;
    return e;
}

inline void Geschwister(TSprechtag& tag, const QString& a, const QString& b)
{
    tag.Eltern.Suche(a)->Geschwister.Hinzufuegen(b);
    tag.Eltern.Suche(b)->Geschwister.Hinzufuegen(a);
}

inline TPause& Pause(TSprechtag& tag, int std, int min, int dauerMin)
{
    TPause* p = tag.NeuePause();
    p->SetStart(Zeit::Kodiere(std, min));
    p->SetDauer(Zeit::Kodiere(0, dauerMin));
    return *p;
}

inline TBerechnungsErgebnis Rechne(TSprechtag& tag)
{
    TStillerFortschritt still;
    return BerechneZeitplaene(tag, still);
}

/// The slot number of a plan line, from its "hh:nn" label.
inline int SlotVonZeile(const TSprechtag& tag, const QString& zeile)
{
    const int minute = zeile.left(2).toInt() * 60 + zeile.mid(3, 2).toInt();
    const Zeit::Uhrzeit s = Zeit::Zerlege(tag.Vorgaben.SprechStart);
    return (minute - (s.stunden * 60 + s.minuten)) / tag.Vorgaben.SprechTakt;
}

/// Every plan of the day, teachers first, for comparing two runs.
inline QStringList AllePlaene(const TSprechtag& tag)
{
    QStringList alle;
    for (const auto& l : tag.Lehrer) {
        alle << QStringLiteral("L ") + l.name;
        alle << l.record->Zeitplan;
    }
    for (const auto& e : tag.Eltern) {
        alle << QStringLiteral("E ") + e.name;
        alle << e.record->Zeitplan.Liste();
        alle << QStringLiteral("erteilt: ") + e.record->Erteilt.join(u'|');
    }
    return alle;
}

} // namespace BerechnungTest
