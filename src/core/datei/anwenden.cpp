#include "datei/anwenden.h"

#include "bearbeiten/vorrang.h"
#include "datei/meldungen.h"
#include "model/namen.h"
#include "model/sprechtag.h"

#include <QSet>

namespace DateiAnwenden {

namespace {

QSet<QString> Schluessel(const QStringList& namen)
{
    QSet<QString> s;
    s.reserve(namen.size());
    for (const QString& n : namen)
        s.insert(Namen::Schluessel(n));
    return s;
}

template <class Liste>
QString PruefePlanNamen(const std::vector<TDateiPlan>& plaene, const Liste& vorhanden, TLadeModus modus,
                        const QStringList& ausDatei)
{
    QSet<QString> schluessel; // built only when a block does not follow the file's names
    for (size_t i = 0; i < plaene.size(); ++i) {
        const QString& name = plaene[i].Name;
        if (qsizetype(i) < ausDatei.size() && name == ausDatei[qsizetype(i)])
            continue;
        if (schluessel.isEmpty())
            schluessel = Schluessel(ausDatei);
        const bool bekannt = schluessel.contains(Namen::Schluessel(name))
            || (modus == TLadeModus::Hinzufuegen && vorhanden.Enthaelt(name));
        // The position a missing name would have had in the list: none.
        if (!bekannt)
            return DateiMeldung::FehlenderName();
    }
    return {};
}

void FuegeHinzu(QStringList& liste, const QString& name)
{
    for (const QString& vorhanden : liste)
        if (Namen::Gleich(vorhanden, name))
            return;
    liste.append(name);
}

// The record of `name`, added with defaults when the name is new.
template <class R>
R* Eintragen(TNamensListe<R>& liste, const QString& name)
{
    if (R* r = liste.Suche(name))
        return r;
    return &liste.Record(liste.Einfuegen(name));
}

// The record of plan block i: usually the file's own name at the same position.
template <class R>
R* PlanRecord(TNamensListe<R>& liste, const std::vector<R*>& ausDatei, const QStringList& namen, size_t i,
              const QString& name)
{
    if (qsizetype(i) < namen.size() && name == namen[qsizetype(i)])
        return ausDatei[i];
    return liste.Suche(name);
}

void Zeitgrenzen(TEltern& e, const TDateiZeitgrenzen& g)
{
    using Art = TDateiZeitgrenzen::Art;
    switch (g.art) {
    case Art::Keine:
        break;
    case Art::NurVor:
        e.NichtVorZeit = g.NichtVorZeit;
        e.NichtVor = true;
        e.NichtNach = false;
        break;
    case Art::NurNach:
        e.NichtNachZeit = g.NichtNachZeit;
        e.NichtNach = true;
        e.NichtVor = false;
        break;
    case Art::Vollstaendig:
        e.NichtVor = g.NichtVor;
        e.NichtVorZeit = g.NichtVorZeit;
        e.NichtNach = g.NichtNach;
        e.NichtNachZeit = g.NichtNachZeit;
        break;
    }
}

void Vorgaben(TSprechtag& tag, const TDateiVorgaben& v, const std::vector<TLehrer*>& lehrer)
{
    tag.Vorgaben.SprechStart = v.SprechStart;
    tag.Vorgaben.SprechEnde = v.SprechEnde;
    tag.Vorgaben.SprechTakt = quint8(v.SprechTakt);
    if (v.RaumwechselPause)
        tag.Vorgaben.RaumwechselPause = *v.RaumwechselPause;
    for (size_t i = 0; i < v.Lehrer.size(); ++i) {
        TLehrer* l = lehrer[i];
        l->StartZeit = v.Lehrer[i].StartZeit;
        l->EndZeit = v.Lehrer[i].EndZeit;
        l->AbweichZeit = v.Lehrer[i].AbweichZeit;
    }
    if (v.Pausen) {
        tag.Pausen.clear();
        for (const TDateiPause& p : *v.Pausen) {
            auto pause = std::make_unique<TPause>(tag.Vorgaben);
            pause->SetStart(p.Start);
            pause->SetDauer(p.Dauer);
            tag.Pausen.push_back(std::move(pause));
        }
    }
    // Breaks kept from before must follow a new start or slot length.
    tag.BerechnePausenSlots();
}

void Plaene(TSprechtag& tag, const TDateiPlaene& p, const std::vector<TLehrer*>& lehrer,
            const QStringList& lehrerNamen, const std::vector<TEltern*>& eltern, const QStringList& elternNamen)
{
    tag.Plan.Headline2 = p.Headline2;
    tag.Plan.Fussnote = p.Fussnote;
    tag.Plan.LehrerFmt = p.LehrerFmt;
    tag.Plan.ElternFmt = p.ElternFmt;
    tag.Plan.ElternBrief = p.ElternBrief;
    // A record that already holds lines gets the file's lines in their place: two
    // timetables mixed line by line would promise slots twice.
    for (size_t i = 0; i < p.Lehrer.size(); ++i)
        PlanRecord(tag.Lehrer, lehrer, lehrerNamen, i, p.Lehrer[i].Name)->Zeitplan = p.Lehrer[i].Zeilen;
    for (size_t i = 0; i < p.Eltern.size(); ++i)
        PlanRecord(tag.Eltern, eltern, elternNamen, i, p.Eltern[i].Name)->Zeitplan.Setze(p.Eltern[i].Zeilen);
    if (p.Statistik)
        tag.StatistikSetzen(*p.Statistik);
    tag.PlaeneGueltig = true;
}

QStringList ElternNamen(const TDateiInhalt& inhalt)
{
    QStringList namen;
    if (inhalt.Eltern) {
        namen.reserve(qsizetype(inhalt.Eltern->size()));
        for (const TDateiEltern& e : *inhalt.Eltern)
            namen.append(e.Name);
    }
    return namen;
}

// Short names and numbers belong to records of this file; like teachers' hours they
// overwrite what a combined day had. Lessons are a set.
void Erweiterung(TSprechtag& tag, const TDateiErweiterung& x)
{
    for (const auto& [name, kuerzel] : x.LehrerKuerzel)
        if (TLehrer* l = tag.Lehrer.Suche(name))
            l->Kuerzel = kuerzel;
    for (const auto& [name, nummer] : x.Schuelernummern)
        if (TEltern* e = tag.Eltern.Suche(name))
            e->Schuelernummer = nummer;
    for (const auto& [name, adressen] : x.LehrerEMail)
        if (TLehrer* l = tag.Lehrer.Suche(name))
            l->EMail = adressen;
    for (const auto& [name, adressen] : x.ElternEMail)
        if (TEltern* e = tag.Eltern.Suche(name))
            e->EMail = adressen;
    // An invitation brings its request; a parents' mark without its request means nothing.
    for (const auto& [name, lehrer] : x.Einladungen)
        if (TEltern* e = tag.Eltern.Suche(name))
            for (const QString& l : lehrer) {
                FuegeHinzu(e->Sprechwuensche, l);
                FuegeHinzu(e->Einladungen, l);
            }
    for (const auto& [name, lehrer] : x.Vorrang)
        if (TEltern* e = tag.Eltern.Suche(name))
            for (const QString& l : lehrer)
                FuegeHinzu(e->Vorrang, l);
    for (const auto& [name, lehrer] : x.Einladungen)
        if (TEltern* e = tag.Eltern.Suche(name))
            MarkenAbgleichen(*e);
    for (const auto& [name, lehrer] : x.Vorrang)
        if (TEltern* e = tag.Eltern.Suche(name))
            MarkenAbgleichen(*e);
    if (x.GemeinsameGespraeche)
        tag.GemeinsameGespraeche = true;
    const auto schluessel = [](const TUnterricht& u) { return u.Klasse + QChar(0x1F) + u.Kuerzel + QChar(0x1F) + u.Fach; };
    QSet<QString> da;
    for (const TUnterricht& u : tag.Unterricht)
        da.insert(schluessel(u));
    for (const TUnterricht& u : x.Unterricht)
        if (!da.contains(schluessel(u))) {
            da.insert(schluessel(u));
            tag.Unterricht.push_back(u);
        }
}

} // namespace

QString Pruefe(const TSprechtag& tag, const TDateiInhalt& inhalt, TLadeModus modus)
{
    if (!inhalt.Plaene)
        return {};
    const QString l = PruefePlanNamen(inhalt.Plaene->Lehrer, tag.Lehrer, modus, inhalt.LehrerNamen.value_or(QStringList()));
    if (!l.isEmpty())
        return l;
    return PruefePlanNamen(inhalt.Plaene->Eltern, tag.Eltern, modus, ElternNamen(inhalt));
}

void Anwenden(TSprechtag& tag, const TDateiInhalt& inhalt, TLadeModus modus)
{
    if (modus == TLadeModus::Ersetzen) {
        tag.Lehrer.Leeren();
        tag.Eltern.Leeren();
        tag.Unterricht.clear(); // the teachers its short names meant are gone
    }
    // The records in the file's order, looked up once for all per-name blocks.
    const QStringList lehrerNamen = inhalt.LehrerNamen.value_or(QStringList());
    std::vector<TLehrer*> lehrer;
    lehrer.reserve(size_t(lehrerNamen.size()));
    for (const QString& n : lehrerNamen)
        lehrer.push_back(Eintragen(tag.Lehrer, n));

    if (inhalt.Vorgaben) {
        Vorgaben(tag, *inhalt.Vorgaben, lehrer);
        // The file's day settings hold the joint-talk setting too (in the extension block).
        tag.GemeinsameGespraeche = false;
    }

    const QStringList elternNamen = ElternNamen(inhalt);
    std::vector<TEltern*> eltern;
    eltern.reserve(size_t(elternNamen.size()));
    if (inhalt.Eltern) {
        for (const TDateiEltern& e : *inhalt.Eltern) {
            TEltern* r = Eintragen(tag.Eltern, e.Name);
            eltern.push_back(r);
            for (const QString& g : e.Geschwister)
                if (!Namen::Gleich(g, e.Name)) // nobody is their own sibling
                    r->Geschwister.Hinzufuegen(g);
        }
    }

    if (inhalt.Sprech) {
        for (size_t i = 0; i < inhalt.Sprech->size(); ++i) {
            const TDateiSprech& s = (*inhalt.Sprech)[i];
            for (const QString& w : s.Sprechwuensche)
                FuegeHinzu(eltern[i]->Sprechwuensche, w);
            Zeitgrenzen(*eltern[i], s.Grenzen);
        }
    }

    if (inhalt.Vorschau) {
        tag.Vorschau.Gewuenscht = inhalt.Vorschau->Gewuenscht;
        tag.Vorschau.Brief = inhalt.Vorschau->Brief;
        tag.Vorschau.FuerAlleLehrer = inhalt.Vorschau->FuerAlleLehrer;
    }

    if (inhalt.Ablehnungen)
        for (size_t i = 0; i < inhalt.Ablehnungen->size(); ++i)
            for (const QString& a : (*inhalt.Ablehnungen)[i])
                FuegeHinzu(lehrer[i]->Ablehnungen, a);

    if (inhalt.Plaene)
        Plaene(tag, *inhalt.Plaene, lehrer, lehrerNamen, eltern, elternNamen);
    else if (modus == TLadeModus::Ersetzen)
        tag.PlaeneGueltig = false; // the records that held the plans are gone

    if (inhalt.FreieTermineAnzeigen)
        tag.FreieTermineAnzeigen = *inhalt.FreieTermineAnzeigen;

    if (inhalt.Erweiterung)
        Erweiterung(tag, *inhalt.Erweiterung);
}

} // namespace DateiAnwenden
