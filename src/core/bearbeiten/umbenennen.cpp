#include "bearbeiten/umbenennen.h"

#include "bearbeiten/listen_helfer.h"
#include "text/cp1252.h"

#include <optional>

namespace {

QString Meldung(const TNeuerName& pruefung, bool lehrer)
{
    switch (pruefung.fehler) {
    case TNamensFehler::Leer:
        return QStringLiteral("Ein leerer Name ist nicht zulässig!");
    case TNamensFehler::Doppelt:
        return lehrer ? QStringLiteral("Diesen Lehrernamen gibt es schon!")
                      : QStringLiteral("Diesen Elternnamen gibt es schon!");
    case TNamensFehler::FremdesZeichen:
    case TNamensFehler::Keiner:
        break;
    }
    return NamensMeldung(pruefung, lehrer);
}

/// The checks both renames share. Returns the old name's position and its exact spelling,
/// or a finished result.
template <class R>
std::optional<TUmbenennung> Pruefe(const TSprechtag& tag, const TNamensListe<R>& liste, bool lehrer,
                                   const QString& alt, const QString& neu, qsizetype& pos)
{
    pos = liste.IndexVon(alt);
    if (pos < 0)
        return TUmbenennung{};
    if (neu == liste.Name(pos))
        return TUmbenennung{TUmbenennStatus::Unveraendert, pos, {}};
    TNeuerName pruefung = tag.PruefeName(neu, lehrer);
    if (pruefung.fehler == TNamensFehler::Doppelt && liste.IndexVon(neu) == pos) {
        // Only the letter case changes: the name the list already holds is this entry's own.
        pruefung = {};
        if (const auto z = Cp1252::ErstesFremdesZeichen(neu)) {
            pruefung.fehler = TNamensFehler::FremdesZeichen;
            pruefung.zeichen = *z;
        }
    }
    if (!pruefung.ok())
        return TUmbenennung{TUmbenennStatus::Abgelehnt, pos, Meldung(pruefung, lehrer)};
    return std::nullopt;
}

} // namespace

TUmbenennung LehrerUmbenennen(TSprechtag& tag, const QString& alt, const QString& neu)
{
    qsizetype pos = -1;
    if (auto fertig = Pruefe(tag, tag.Lehrer, true, alt, neu, pos))
        return *fertig;
    // The list's own spelling: only requests written exactly so are this teacher's.
    const QString genau = tag.Lehrer.Name(pos);
    const qsizetype neuPos = tag.Lehrer.Einfuegen(neu, tag.Lehrer.Herausnehmen(pos));
    for (const auto& e : tag.Eltern) {
        Listen::ErsetzeGenau(e.record->Sprechwuensche, genau, neu);
        Listen::ErsetzeGenau(e.record->Einladungen, genau, neu);
        Listen::ErsetzeGenau(e.record->Vorrang, genau, neu);
    }
    tag.Geaendert(QStringLiteral("Lehrer „%1“ in „%2“ umbenennen").arg(genau, neu));
    return {TUmbenennStatus::Umbenannt, neuPos, {}};
}

TUmbenennung ElternUmbenennen(TSprechtag& tag, const QString& alt, const QString& neu)
{
    qsizetype pos = -1;
    if (auto fertig = Pruefe(tag, tag.Eltern, false, alt, neu, pos))
        return *fertig;
    const QString genau = tag.Eltern.Name(pos);
    TEltern& p = tag.Eltern.Record(pos);
    for (const QString& s : p.Geschwister) {
        TEltern* sr = tag.Eltern.Suche(s);
        if (!sr || sr == &p)
            continue;
        Listen::EntferneOhneFall(sr->Geschwister, genau);
        sr->Geschwister.Hinzufuegen(neu);
    }
    const qsizetype neuPos = tag.Eltern.Einfuegen(neu, tag.Eltern.Herausnehmen(pos));
    for (const auto& l : tag.Lehrer)
        Listen::ErsetzeGenau(l.record->Ablehnungen, genau, neu);
    tag.Geaendert(QStringLiteral("Eltern „%1“ in „%2“ umbenennen").arg(genau, neu));
    return {TUmbenennStatus::Umbenannt, neuPos, {}};
}
