#pragma once
// An independent check of a day's timetables: every rule is derived again from the
// records and the written plan lines, in whole milliseconds, without the day grid or the
// optimiser's state. Returns the violations found and the three figures of the plans.
// Two talks of a family side by side beyond the day's last slot are what the computation
// books (it checks a talk's neighbours clamped to the day); they are no violation but are
// listed apart, because a new placement must not make such a pair.

#include "model/namen.h"
#include "model/sprechtag.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <vector>

namespace PlanPruefer {

struct TBefund {
    QStringList Fehler;
    /// Pairs of one family's talks that only the stricter reading of the room change
    /// forbids: "entry: line + entry: line".
    QSet<QString> NurBerechnung;
    int Termine = 0;
    int OhneTermin = 0;
    qint64 Wartezeit = 0;
};

inline qint64 Ms(double t) { return std::llround(t * 86400000.0); }

inline QString Label(qint64 ms)
{
    const qint64 minute = (ms + 30000) / 60000;
    return QStringLiteral("%1:%2 Uhr: ")
        .arg(minute / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

inline TBefund Pruefe(const TSprechtag& tag)
{
    TBefund b;
    auto fehler = [&b](const QString& f) { b.Fehler.append(f); };
    const qint64 start = Ms(tag.Vorgaben.SprechStart);
    const qint64 takt = qint64(tag.Vorgaben.SprechTakt) * 60000;
    const qint64 sek = 1000;
    const qint64 startMin = (start + 30000) / 60000;
    const qint64 endeMin = (Ms(tag.Vorgaben.SprechEnde) + 30000) / 60000;
    const int grenze = std::max<int>(0, int((endeMin - startMin) / tag.Vorgaben.SprechTakt));
    const bool rw = tag.Vorgaben.RaumwechselPause;
    auto beginn = [&](int k) { return start + k * takt; };
    // Slot of a line label, -1 if it is no slot label.
    QHash<QString, int> slotVon;
    for (int k = 0; k < 24 * 60; ++k)
        if (!slotVon.contains(Label(beginn(k))))
            slotVon.insert(Label(beginn(k)), k);
    auto pause = [&](int k) {
        for (const auto& p : tag.Pausen) {
            const qint64 s = Ms(p->Start()), d = Ms(p->Dauer());
            if (d > sek && beginn(k) >= s - sek && beginn(k) < s + d - sek)
                return true;
        }
        return false;
    };
    auto lehrerKann = [&](const TLehrer& l, int k) {
        const qint64 von = Ms(l.AbweichZeit ? l.StartZeit : tag.Vorgaben.SprechStart);
        const qint64 bis = Ms(l.AbweichZeit ? l.EndZeit : tag.Vorgaben.SprechEnde);
        return k >= 0 && beginn(k) + sek >= von && beginn(k) + takt - sek < bis && !pause(k);
    };
    auto da = [&](const TEltern& e, int k) {
        const qint64 t = beginn(k);
        return !(e.NichtVor && t < Ms(e.NichtVorZeit)) && !(e.NichtNach && t >= Ms(e.NichtNachZeit));
    };
    auto klemme = [&](int k) { return std::max(0, std::min(k, grenze)); };

    // Families as sibling groups.
    const int nE = int(tag.Eltern.Anzahl());
    std::vector<int> vater(static_cast<size_t>(nE));
    std::iota(vater.begin(), vater.end(), 0);
    std::function<int(int)> wurzel = [&](int i) { return vater[size_t(i)] == i ? i : wurzel(vater[size_t(i)]); };
    for (int e = 0; e < nE; ++e)
        for (const QString& g : tag.Eltern.Record(e).Geschwister)
            if (const qsizetype s = tag.Eltern.IndexVon(g); s >= 0)
                vater[size_t(wurzel(e))] = wurzel(int(s));

    // Teacher side: every booked line is a usable slot, in order, at most one per slot.
    QSet<QString> lehrerSeite; // "teacher|entry|slot"
    // Joint talks of siblings: "teacher|slot" -> the entries the line names, in its order.
    QHash<QString, QStringList> gemeinsam;
    // The entries of a joint line: with the setting on, a text that is no entry's name
    // but pieces between " / " that are, two or more, of one family, in list order.
    auto gemeinsamePartner = [&](const QString& partner) -> QStringList {
        if (!tag.GemeinsameGespraeche)
            return {};
        const QStringList teile = partner.split(QStringLiteral(" / "));
        if (teile.size() < 2)
            return {};
        qsizetype vorher = -1;
        int familie = -1;
        for (const QString& t : teile) {
            const qsizetype i = tag.Eltern.IndexVon(t);
            if (i < 0 || tag.Eltern.Name(i) != t || i <= vorher)
                return {};
            if (familie >= 0 && wurzel(int(i)) != familie)
                return {};
            familie = wurzel(int(i));
            vorher = i;
        }
        return teile;
    };
    for (const auto& eintrag : tag.Lehrer) {
        const TLehrer& l = *eintrag.record;
        int vorher = -1;
        std::vector<int> freieZeilen;
        for (const QString& zeile : l.Zeitplan) {
            const int k = slotVon.value(zeile.left(11), -1);
            if (k < 0 || k <= vorher) {
                fehler(eintrag.name + QStringLiteral(": Zeile außer der Reihe: ") + zeile);
                continue;
            }
            vorher = k;
            if (zeile.size() == 11) {
                freieZeilen.push_back(k);
                continue;
            }
            if (!lehrerKann(l, k))
                fehler(eintrag.name + QStringLiteral(": Termin außerhalb der Sprechzeit: ") + zeile);
            const QString partner = zeile.mid(11);
            const qsizetype e = tag.Eltern.IndexVon(partner);
            if (e < 0) {
                if (const QStringList teile = gemeinsamePartner(partner); !teile.isEmpty()) {
                    for (const QString& t : teile)
                        lehrerSeite.insert(Namen::Schluessel(eintrag.name) + u'|' + t + u'|' + QString::number(k));
                    gemeinsam.insert(Namen::Schluessel(eintrag.name) + u'|' + QString::number(k), teile);
                    continue;
                }
            }
            if (e < 0 || tag.Eltern.Name(e) != partner) {
                fehler(eintrag.name + QStringLiteral(": unbekannter Partner: ") + zeile);
                continue;
            }
            lehrerSeite.insert(Namen::Schluessel(eintrag.name) + u'|' + partner + u'|' + QString::number(k));
        }
        if (tag.FreieTermineAnzeigen) {
            for (int k = 0; k < 24 * 60; ++k) {
                const qint64 von = Ms(l.AbweichZeit ? l.StartZeit : tag.Vorgaben.SprechStart);
                const qint64 bis = Ms(l.AbweichZeit ? l.EndZeit : tag.Vorgaben.SprechEnde);
                const bool inStunden = beginn(k) + sek >= von && beginn(k) + takt - sek < bis;
                if (inStunden) {
                    int zeilen = 0;
                    for (const QString& zeile : l.Zeitplan)
                        zeilen += slotVon.value(zeile.left(11), -1) == k ? 1 : 0;
                    if (zeilen != 1)
                        fehler(eintrag.name + QStringLiteral(": Slot %1 fehlt im Plan").arg(k));
                }
            }
            for (const int k : freieZeilen) {
                const qint64 von = Ms(l.AbweichZeit ? l.StartZeit : tag.Vorgaben.SprechStart);
                const qint64 bis = Ms(l.AbweichZeit ? l.EndZeit : tag.Vorgaben.SprechEnde);
                if (!(beginn(k) + sek >= von && beginn(k) + takt - sek < bis))
                    fehler(eintrag.name + QStringLiteral(": freie Zeile außerhalb der Sprechzeit: Slot %1").arg(k));
            }
        } else if (!freieZeilen.empty()) {
            fehler(eintrag.name + QStringLiteral(": freie Zeile ohne FreieTermineAnzeigen"));
        }
    }

    // Parent side: own lines match a teacher line, marks match a sibling's own line.
    std::map<int, std::vector<std::pair<int, QString>>> familienSlots;
    int gefundeneTeacherLines = 0;
    for (int e = 0; e < nE; ++e) {
        const QString& name = tag.Eltern.Name(e);
        const TEltern& rec = tag.Eltern.Record(e);
        bool zaehlt = false;
        for (const QString& w : rec.Sprechwuensche) {
            const TLehrer* l = tag.Lehrer.Suche(w);
            bool abgelehnt = false;
            for (const QString& a : l ? l->Ablehnungen : QStringList())
                abgelehnt = abgelehnt || Namen::Gleich(a, name);
            zaehlt = zaehlt || (l && !abgelehnt);
        }
        QSet<QString> gesehen;
        int eigene = 0;
        for (const QString& zeile : rec.Zeitplan) {
            const int k = slotVon.value(zeile.left(11), -1);
            const QString rest = zeile.mid(11);
            if (k < 0) {
                fehler(name + QStringLiteral(": Zeile ohne Zeit: ") + zeile);
                continue;
            }
            if (rest.startsWith(QStringLiteral("[ ")) && rest.endsWith(QStringLiteral(" ]"))) {
                const QString lehrer = rest.mid(2, rest.size() - 4);
                bool passt = false;
                for (int s = 0; s < nE; ++s) {
                    if (s == e || !tag.Eltern.Record(s).Geschwister.Enthaelt(name))
                        continue;
                    passt = passt || tag.Eltern.Record(s).Zeitplan.Liste().contains(zeile.left(11) + lehrer);
                }
                if (!passt)
                    fehler(name + QStringLiteral(": Geschwistermarke ohne Termin: ") + zeile);
                continue;
            }
            if (!rec.Sprechwuensche.contains(rest)) {
                fehler(name + QStringLiteral(": Termin ohne Sprechwunsch: ") + zeile);
                continue;
            }
            const TLehrer* l = tag.Lehrer.Suche(rest);
            if (!l) {
                fehler(name + QStringLiteral(": unbekannte Lehrkraft: ") + zeile);
                continue;
            }
            for (const QString& a : l->Ablehnungen)
                if (Namen::Gleich(a, name))
                    fehler(name + QStringLiteral(": abgelehnter Termin: ") + zeile);
            const QString lehrerName = tag.Lehrer.Name(tag.Lehrer.IndexVon(rest));
            if (gesehen.contains(Namen::Schluessel(lehrerName)))
                fehler(name + QStringLiteral(": Sprechwunsch doppelt erfüllt: ") + zeile);
            gesehen.insert(Namen::Schluessel(lehrerName));
            if (!lehrerSeite.contains(Namen::Schluessel(lehrerName) + u'|' + name + u'|' + QString::number(k)))
                fehler(name + QStringLiteral(": Termin fehlt im Lehrerplan: ") + zeile);
            else
                ++gefundeneTeacherLines;
            const QStringList teilnehmer =
                gemeinsam.value(Namen::Schluessel(lehrerName) + u'|' + QString::number(k), QStringList{name});
            for (const QString& g : rec.Geschwister) {
                const TEltern* s = tag.Eltern.Suche(g);
                // A sibling who shares the talk has its own line instead of the mark.
                if (s && teilnehmer.contains(tag.Eltern.Name(tag.Eltern.IndexVon(g))))
                    continue;
                if (s && !s->Zeitplan.Liste().contains(zeile.left(11) + QStringLiteral("[ ") + rest
                                                       + QStringLiteral(" ]")))
                    fehler(g + QStringLiteral(": Geschwistermarke fehlt: ") + zeile);
            }
            ++eigene;
            // The members of a joint talk hold one talk of the family: counted at its first.
            if (teilnehmer.front() == name)
                familienSlots[wurzel(e)].push_back({k, name + QStringLiteral(": ") + zeile});
            // Every member's limits, with the room change also at both clamped neighbours.
            for (int m = 0; m < nE; ++m) {
                if (wurzel(m) != wurzel(e))
                    continue;
                const TEltern& mit = tag.Eltern.Record(m);
                if (!da(mit, k) || (rw && (!da(mit, klemme(k - 1)) || !da(mit, klemme(k + 1)))))
                    fehler(name + QStringLiteral(": außerhalb der Anwesenheit von ") + tag.Eltern.Name(m)
                           + QStringLiteral(": ") + zeile);
            }
        }
        b.Termine += eigene;
        if (zaehlt && eigene == 0)
            ++b.OhneTermin;
    }
    if (gefundeneTeacherLines != lehrerSeite.size())
        fehler(QStringLiteral("Lehrerzeilen ohne Elternzeile: %1").arg(lehrerSeite.size() - gefundeneTeacherLines));

    // With the setting on, the siblings who ask the same teacher (who refuses none of
    // them) share one talk: whoever of them has a talk with the teacher has it with all of
    // them, in one slot, and the teacher's line names exactly them.
    if (tag.GemeinsameGespraeche) {
        for (const auto& lehrer : tag.Lehrer) {
            const QString lk = Namen::Schluessel(lehrer.name);
            std::map<int, QStringList> berechtigt; // family -> entries in list order
            for (int e = 0; e < nE; ++e) {
                const TEltern& rec = tag.Eltern.Record(e);
                bool fragt = false;
                for (const QString& w : rec.Sprechwuensche)
                    fragt = fragt || Namen::Gleich(w, lehrer.name);
                bool abgelehnt = false;
                for (const QString& a : lehrer.record->Ablehnungen)
                    abgelehnt = abgelehnt || Namen::Gleich(a, tag.Eltern.Name(e));
                if (fragt && !abgelehnt)
                    berechtigt[wurzel(e)].append(tag.Eltern.Name(e));
            }
            for (const auto& [f, mitglieder] : berechtigt) {
                QSet<int> zeiten;
                int mitTermin = 0;
                for (const QString& m : mitglieder) {
                    bool hat = false;
                    for (const QString& zeile : tag.Eltern.Suche(m)->Zeitplan) {
                        if (Namen::Gleich(zeile.mid(11), lehrer.name)) {
                            zeiten.insert(slotVon.value(zeile.left(11), -1));
                            hat = true;
                        }
                    }
                    mitTermin += hat ? 1 : 0;
                }
                if (mitTermin == 0)
                    continue;
                if (zeiten.size() != 1 || mitTermin != mitglieder.size()) {
                    fehler(mitglieder.join(u',') + QStringLiteral(": kein gemeinsamer Termin bei ") + lehrer.name);
                    continue;
                }
                const QString schluessel = lk + u'|' + QString::number(*zeiten.begin());
                const QStringList genannt = mitglieder.size() > 1 ? gemeinsam.value(schluessel) : mitglieder;
                if (genannt != mitglieder)
                    fehler(lehrer.name + QStringLiteral(": gemeinsame Zeile nennt ") + genannt.join(u',')
                           + QStringLiteral(" statt ") + mitglieder.join(u','));
            }
        }
    }

    for (auto& [f, belegt] : familienSlots) {
        std::sort(belegt.begin(), belegt.end());
        for (size_t i = 0; i < belegt.size(); ++i) {
            for (size_t j = i + 1; j < belegt.size(); ++j) {
                const int a = belegt[i].first, c = belegt[j].first;
                // a <= c. As booked: the same slot, or side by side within the day.
                const bool konflikt = a == c || (rw && c - a == 1 && c <= grenze);
                const bool streng = konflikt || (rw && (c - a == 1 || (a == grenze && c > grenze)));
                if (konflikt)
                    fehler(QStringLiteral("Familie von %1: Termine in Slot %2 und %3")
                               .arg(tag.Eltern.Name(f))
                               .arg(a)
                               .arg(c));
                else if (streng)
                    b.NurBerechnung.insert(belegt[i].second + QStringLiteral(" + ") + belegt[j].second);
            }
        }
        if (belegt.size() >= 2)
            b.Wartezeit += belegt.back().first - belegt.front().first + 1 - qint64(belegt.size());
    }
    return b;
}

} // namespace PlanPruefer
