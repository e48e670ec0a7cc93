#include "optimierung/plaene.h"

#include "berechnung/gemeinsame_zeile.h"
#include "berechnung/planregeln.h"
#include "model/namensindex.h"
#include "raster/tagesraster.h"

#include <QHash>

namespace {

/// A teacher line names exactly the entries of the request: its own, and for a joint talk
/// every entry sharing it, in the same order.
bool TeilnehmerPassen(const TOptimierZustand::Wunsch& w, const std::vector<int>& partner)
{
    if (partner.size() != w.mit.size() + 1)
        return false;
    return std::equal(w.mit.begin(), w.mit.end(), partner.begin() + 1);
}

} // namespace

QString WunschText(const TOptimierZustand::Wunsch& w, int eltern)
{
    for (size_t i = 0; i < w.mit.size(); ++i)
        if (w.mit[i] == eltern)
            return w.mitText.at(qsizetype(i));
    return w.text;
}

QString TeilnehmerText(const TSprechtag& tag, const TOptimierZustand::Wunsch& w)
{
    if (w.mit.empty())
        return tag.Eltern.Name(w.eltern);
    QStringList namen{tag.Eltern.Name(w.eltern)};
    for (const int e : w.mit)
        namen.append(tag.Eltern.Name(e));
    return namen.join(QStringView(Planregeln::GemeinsamTrenner));
}

QStringList PlanPraefixe(const TSprechtag& tag, int n)
{
    QStringList p;
    p.reserve(n);
    double z = tag.Vorgaben.SprechStart;
    for (int k = 0; k < n; ++k) {
        p.append(Zeit::ZeitPraefix(z));
        z += tag.Vorgaben.Takt();
    }
    return p;
}

TGelesenePlaene LiesPlaene(const TSprechtag& tag, TOptimierZustand& z)
{
    const QStringList praefix = PlanPraefixe(tag, z.AnzSlots());
    QHash<QString, int> slotVon;
    for (int k = praefix.size() - 1; k >= 0; --k)
        slotVon.insert(praefix.at(k), k);
    TNamensIndex elternIndex(tag.Eltern);
    TNamensIndex lehrerIndex(tag.Lehrer);

    TGelesenePlaene gelesen;
    for (int l = 0; l < z.AnzLehrer(); ++l) {
        for (const QString& zeile : tag.Lehrer.Record(l).Zeitplan) {
            if (zeile.size() <= 11)
                continue;
            const int k = slotVon.value(zeile.left(11), -1);
            const std::vector<int> partner = ZeilenPartner(tag, elternIndex, zeile.mid(11));
            const int e = partner.empty() ? -1 : partner.front();
            int r = -1;
            if (e >= 0)
                for (const int w : z.WuenscheVonEltern(e))
                    if (z.W(w).lehrer == l && TeilnehmerPassen(z.W(w), partner))
                        r = w;
            bool beideSeiten = r >= 0 && k >= 0;
            for (size_t i = 0; beideSeiten && i < partner.size(); ++i)
                beideSeiten = tag.Eltern.Record(partner[i]).Zeitplan.Enthaelt(
                    Planregeln::Elternzeile(zeile.left(11), i == 0 ? z.W(r).text : z.W(r).mitText.at(qsizetype(i - 1))));
            if (beideSeiten && z.KannUebernehmen(r, k)) {
                z.Uebernehmen(r, k);
            } else {
                ++gelesen.Verworfen;
                gelesen.Lehrerzeilen.push_back({l, e, k, zeile});
            }
        }
    }
    z.Festschreiben();

    // A parent's own line that the state does not hold: its teacher line is missing.
    for (int e = 0; e < z.AnzEltern(); ++e) {
        for (const QString& zeile : tag.Eltern.Record(e).Zeitplan) {
            const QString rest = zeile.mid(11);
            if (zeile.size() <= 11 || (rest.startsWith(u"[ ") && rest.endsWith(u" ]")))
                continue;
            const int k = slotVon.value(zeile.left(11), -1);
            bool gehalten = false;
            for (const int r : z.WuenscheVonEltern(e))
                gehalten = gehalten || (z.Slot(r) == k && k >= 0 && z.W(r).text.compare(rest, Qt::CaseInsensitive) == 0);
            for (const int r : z.GemeinsamMit(e))
                gehalten = gehalten || (z.Slot(r) == k && k >= 0 && WunschText(z.W(r), e).compare(rest, Qt::CaseInsensitive) == 0);
            if (gehalten)
                continue;
            gelesen.Elternzeilen.push_back({lehrerIndex.Suche(rest), e, k, zeile});
            // A talk whose teacher line was not taken either is counted there already.
            bool gezaehlt = false;
            for (const TFremdeZeile& f : gelesen.Lehrerzeilen)
                gezaehlt = gezaehlt || (f.eltern == e && f.slot == k && f.lehrer == gelesen.Elternzeilen.back().lehrer);
            gelesen.Verworfen += gezaehlt ? 0 : 1;
        }
    }

    for (int r = 0; r < z.AnzWuensche(); ++r)
        if (z.Slot(r) >= 0 && !z.HaeltRegeln(r))
            gelesen.Regelwidrig.push_back(r);
    return gelesen;
}

std::vector<std::pair<int, QString>> TerminZeilen(const TSprechtag& tag, int eltern, const QString& praefix,
                                                  const QString& wunsch)
{
    std::vector<std::pair<int, QString>> zeilen;
    zeilen.emplace_back(eltern, Planregeln::Elternzeile(praefix, wunsch));
    const QString marke = Planregeln::Geschwistermarke(praefix, wunsch);
    for (const QString& g : tag.Eltern.Record(eltern).Geschwister)
        if (const qsizetype s = tag.Eltern.IndexVon(g); s >= 0)
            zeilen.emplace_back(int(s), marke);
    return zeilen;
}

std::vector<std::pair<int, QString>> TerminZeilen(const TSprechtag& tag, const TOptimierZustand& z, int r,
                                                  const QString& praefix)
{
    const TOptimierZustand::Wunsch& w = z.W(r);
    if (w.mit.empty())
        return TerminZeilen(tag, w.eltern, praefix, w.text);
    std::vector<int> teilnehmer{w.eltern};
    teilnehmer.insert(teilnehmer.end(), w.mit.begin(), w.mit.end());
    std::vector<std::pair<int, QString>> zeilen;
    for (const int e : teilnehmer)
        zeilen.emplace_back(e, Planregeln::Elternzeile(praefix, WunschText(w, e)));
    // Siblings outside the talk see it bracketed, once each.
    const QString marke = Planregeln::Geschwistermarke(praefix, w.text);
    std::vector<int> markiert;
    for (const int e : teilnehmer)
        for (const QString& g : tag.Eltern.Record(e).Geschwister)
            if (const int s = int(tag.Eltern.IndexVon(g)); s >= 0
                && std::find(teilnehmer.begin(), teilnehmer.end(), s) == teilnehmer.end()
                && std::find(markiert.begin(), markiert.end(), s) == markiert.end()) {
                markiert.push_back(s);
                zeilen.emplace_back(s, marke);
            }
    return zeilen;
}

void TrageTerminEin(TSprechtag& tag, int eltern, const QString& praefix, const QString& wunsch)
{
    for (const auto& [e, zeile] : TerminZeilen(tag, eltern, praefix, wunsch))
        tag.Eltern.Record(e).Zeitplan.Hinzufuegen(zeile);
}

void SchreibePlaene(TSprechtag& tag, const TOptimierZustand& z)
{
    const QStringList praefix = PlanPraefixe(tag, z.AnzSlots());
    for (int l = 0; l < z.AnzLehrer(); ++l) {
        TLehrer& rec = tag.Lehrer.Record(l);
        const int erster = Raster::ErsterSlot(tag, rec);
        const int letzter = std::min(Raster::LetzterSlot(tag, rec), z.AnzSlots() - 1);
        QStringList plan;
        // A talk taken over as it stood may lie outside the teacher's hours.
        int bis = letzter;
        for (const int r : z.WuenscheVonLehrer(l))
            bis = std::max(bis, z.Slot(r));
        for (int k = 0; k <= bis; ++k) {
            const int r = z.Belegt(l, k);
            if (r >= 0)
                plan.append(Planregeln::Lehrerzeile(praefix.at(k), TeilnehmerText(tag, z.W(r))));
            else if (Planregeln::FreieZeile(tag.FreieTermineAnzeigen, k, erster) && k <= letzter)
                plan.append(praefix.at(k));
        }
        rec.Zeitplan = std::move(plan);
    }

    for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i)
        tag.Eltern.Record(i).Zeitplan.Leeren();
    for (int e = 0; e < z.AnzEltern(); ++e)
        for (const int r : z.WuenscheVonEltern(e))
            if (const int k = z.Slot(r); k >= 0)
                for (const auto& [s, zeile] : TerminZeilen(tag, z, r, praefix.at(k)))
                    tag.Eltern.Record(s).Zeitplan.Hinzufuegen(zeile);
}
