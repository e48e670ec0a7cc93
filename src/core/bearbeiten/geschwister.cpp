#include "bearbeiten/geschwister.h"

#include "bearbeiten/listen_helfer.h"
#include "bearbeiten/namenswoerter.h"
#include "model/namen.h"

#include <QSet>

#include <vector>

QStringList GeschwisterKandidaten(const TSprechtag& tag, const QString& auswahl, bool nurAehnliche,
                                  int woerter)
{
    const qsizetype pi = tag.Eltern.IndexVon(auswahl);
    QStringList r;
    if (!nurAehnliche) {
        r.reserve(tag.Eltern.Anzahl());
        for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i)
            if (i != pi)
                r.append(tag.Eltern.Name(i));
        return r;
    }
    if (pi < 0)
        return r;
    const QString& p = tag.Eltern.Name(pi);
    const TSortierteListe& geschwister = tag.Eltern.Record(pi).Geschwister;
    const TNamensWoerter a = NamensWoerter(p);
    for (const auto& e : tag.Eltern) {
        if (e.name == p)
            continue;
        if (NamenAehnlich(a, NamensWoerter(e.name), woerter) || geschwister.Enthaelt(e.name))
            r.append(e.name);
    }
    return r;
}

TListenAuswahl GeschwisterAuswahl(const TSprechtag& tag, const QString& auswahl,
                                  const QStringList& kandidaten)
{
    const TEltern* p = tag.Eltern.Suche(auswahl);
    if (!p)
        return {};
    return AuswahlInListe(kandidaten, p->Geschwister.Liste());
}

QString GeschwisterFehltMeldung()
{
    return QStringLiteral("Fehler: Geschwist nicht in Liste. Bitte melden Sie diesen Fehler an den Autor");
}

namespace {

struct TMitglied {
    QString name;
    TEltern* record;
};

/// The family of `start`: every entry reachable through the sibling lists. Names that no
/// entry carries are skipped; members keep the spelling of the parent list.
std::vector<TMitglied> Familie(TSprechtag& tag, const QString& start, TEltern* startRecord)
{
    std::vector<TMitglied> f{{start, startRecord}};
    QSet<QString> drin{Namen::Schluessel(start)};
    for (size_t k = 0; k < f.size(); ++k) {
        // Copy: f grows while we walk, and the record's list is not ours to hold on to.
        const QStringList geschwister = f[k].record->Geschwister.Liste();
        for (const QString& y : geschwister) {
            const QString schluessel = Namen::Schluessel(y);
            if (drin.contains(schluessel))
                continue;
            const qsizetype i = tag.Eltern.IndexVon(y);
            if (i < 0)
                continue;
            drin.insert(schluessel);
            f.push_back({tag.Eltern.Name(i), &tag.Eltern.Record(i)});
        }
    }
    return f;
}

} // namespace

bool GeschwisterSpeichern(TSprechtag& tag, const QString& auswahl, const QStringList& markiert)
{
    const qsizetype pi = tag.Eltern.IndexVon(auswahl);
    if (pi < 0)
        return false;
    const QString p = tag.Eltern.Name(pi);
    TEltern& pr = tag.Eltern.Record(pi);

    const QStringList alt = pr.Geschwister.Liste();
    TSortierteListe neu;
    for (const QString& m : markiert)
        if (!Namen::Gleich(m, p)) // an entry is never its own sibling
            neu.Hinzufuegen(m);
    bool geaendert = neu.Liste() != alt;
    pr.Geschwister = neu;

    // The closure sees the new marks of p and everybody else's lists as they are, so that
    // marking an entry with a family of its own merges both families.
    std::vector<TMitglied> f = Familie(tag, p, &pr);

    // Unmarked: what p listed before and lists no longer.
    QStringList entfernt;
    QSet<QString> entferntSchluessel;
    for (const QString& a : alt)
        if (!neu.Enthaelt(a) && !Namen::Gleich(a, p)) {
            entfernt.append(a);
            entferntSchluessel.insert(Namen::Schluessel(a));
        }
    std::erase_if(f, [&](const TMitglied& m) { return entferntSchluessel.contains(Namen::Schluessel(m.name)); });

    for (const TMitglied& x : f)
        for (const TMitglied& y : f)
            if (x.record != y.record)
                geaendert |= x.record->Geschwister.Hinzufuegen(y.name);

    // The unmarked entries leave the family on both sides and lose the links among
    // themselves, too.
    for (const QString& r : entfernt) {
        TEltern* rr = tag.Eltern.Suche(r);
        if (!rr)
            continue;
        for (const TMitglied& x : f) {
            geaendert |= Listen::EntferneOhneFall(rr->Geschwister, x.name);
            geaendert |= Listen::EntferneOhneFall(x.record->Geschwister, r);
        }
        for (const QString& r2 : entfernt) {
            geaendert |= Listen::EntferneOhneFall(rr->Geschwister, r2);
            if (TEltern* r2r = tag.Eltern.Suche(r2))
                geaendert |= Listen::EntferneOhneFall(r2r->Geschwister, r);
        }
    }

    if (geaendert)
        tag.Geaendert(QStringLiteral("Geschwister von „%1“ ändern").arg(p));
    return geaendert;
}

QList<TGeschwisterSprung> GeschwisterSprungliste(const TSprechtag& tag, const QString& auswahl)
{
    QList<TGeschwisterSprung> r;
    const TEltern* p = tag.Eltern.Suche(auswahl);
    if (!p)
        return r;
    for (const QString& g : p->Geschwister)
        r.append({g, tag.Eltern.IndexVon(g)});
    return r;
}

QString GeschwisterMenueText()
{
    return QStringLiteral("Zu Geschwistern wechseln");
}

QString GeschwisterKeineText()
{
    return QStringLiteral("Keine Geschwister für diesen Schüler markiert");
}
