#include "datei/anwenden.h"

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
                        const QSet<QString>& ausDatei)
{
    for (const TDateiPlan& p : plaene) {
        const bool bekannt = ausDatei.contains(Namen::Schluessel(p.Name))
            || (modus == TLadeModus::Hinzufuegen && vorhanden.Enthaelt(p.Name));
        // The position a missing name would have had in the list: none.
        if (!bekannt)
            return DateiMeldung::ListenIndex(-1);
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

template <class R>
void NamenEinfuegen(TNamensListe<R>& liste, const QString& name)
{
    if (!liste.Enthaelt(name))
        liste.Einfuegen(name);
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

void Vorgaben(TSprechtag& tag, const TDateiVorgaben& v, const QStringList& lehrerNamen)
{
    tag.Vorgaben.SprechStart = v.SprechStart;
    tag.Vorgaben.SprechEnde = v.SprechEnde;
    tag.Vorgaben.SprechTakt = quint8(v.SprechTakt);
    if (v.RaumwechselPause)
        tag.Vorgaben.RaumwechselPause = *v.RaumwechselPause;
    for (size_t i = 0; i < v.Lehrer.size(); ++i) {
        TLehrer* l = tag.Lehrer.Suche(lehrerNamen[qsizetype(i)]);
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

void Plaene(TSprechtag& tag, const TDateiPlaene& p)
{
    tag.Plan.Headline2 = p.Headline2;
    tag.Plan.Fussnote = p.Fussnote;
    tag.Plan.LehrerFmt = p.LehrerFmt;
    tag.Plan.ElternFmt = p.ElternFmt;
    tag.Plan.ElternBrief = p.ElternBrief;
    // A record that already holds lines gets the file's lines in their place: two
    // timetables mixed line by line would promise slots twice.
    for (const TDateiPlan& l : p.Lehrer)
        tag.Lehrer.Suche(l.Name)->Zeitplan = l.Zeilen;
    for (const TDateiPlan& e : p.Eltern)
        tag.Eltern.Suche(e.Name)->Zeitplan.Setze(e.Zeilen);
    if (p.Statistik)
        tag.Statistik = *p.Statistik;
    tag.PlaeneGueltig = true;
}

} // namespace

QString Pruefe(const TSprechtag& tag, const TDateiInhalt& inhalt, TLadeModus modus)
{
    if (!inhalt.Plaene)
        return {};
    QStringList elternNamen;
    if (inhalt.Eltern)
        for (const TDateiEltern& e : *inhalt.Eltern)
            elternNamen.append(e.Name);
    const QString l = PruefePlanNamen(inhalt.Plaene->Lehrer, tag.Lehrer, modus,
                                      Schluessel(inhalt.LehrerNamen.value_or(QStringList())));
    if (!l.isEmpty())
        return l;
    return PruefePlanNamen(inhalt.Plaene->Eltern, tag.Eltern, modus, Schluessel(elternNamen));
}

void Anwenden(TSprechtag& tag, const TDateiInhalt& inhalt, TLadeModus modus)
{
    if (modus == TLadeModus::Ersetzen) {
        tag.Lehrer.Leeren();
        tag.Eltern.Leeren();
    }
    const QStringList lehrerNamen = inhalt.LehrerNamen.value_or(QStringList());
    for (const QString& n : lehrerNamen)
        NamenEinfuegen(tag.Lehrer, n);

    if (inhalt.Vorgaben)
        Vorgaben(tag, *inhalt.Vorgaben, lehrerNamen);

    QStringList elternNamen;
    if (inhalt.Eltern) {
        for (const TDateiEltern& e : *inhalt.Eltern) {
            elternNamen.append(e.Name);
            NamenEinfuegen(tag.Eltern, e.Name);
            TEltern* r = tag.Eltern.Suche(e.Name);
            for (const QString& g : e.Geschwister)
                if (!Namen::Gleich(g, e.Name)) // nobody is their own sibling
                    r->Geschwister.Hinzufuegen(g);
        }
    }

    if (inhalt.Sprech) {
        for (size_t i = 0; i < inhalt.Sprech->size(); ++i) {
            const TDateiSprech& s = (*inhalt.Sprech)[i];
            TEltern* r = tag.Eltern.Suche(elternNamen[qsizetype(i)]);
            for (const QString& w : s.Sprechwuensche)
                FuegeHinzu(r->Sprechwuensche, w);
            Zeitgrenzen(*r, s.Grenzen);
        }
    }

    if (inhalt.Vorschau) {
        tag.Vorschau.Gewuenscht = inhalt.Vorschau->Gewuenscht;
        tag.Vorschau.Brief = inhalt.Vorschau->Brief;
        tag.Vorschau.FuerAlleLehrer = inhalt.Vorschau->FuerAlleLehrer;
    }

    if (inhalt.Ablehnungen) {
        for (size_t i = 0; i < inhalt.Ablehnungen->size(); ++i) {
            TLehrer* l = tag.Lehrer.Suche(lehrerNamen[qsizetype(i)]);
            for (const QString& a : (*inhalt.Ablehnungen)[i])
                FuegeHinzu(l->Ablehnungen, a);
        }
    }

    if (inhalt.Plaene)
        Plaene(tag, *inhalt.Plaene);
    else if (modus == TLadeModus::Ersetzen)
        tag.PlaeneGueltig = false; // the records that held the plans are gone

    if (inhalt.FreieTermineAnzeigen)
        tag.FreieTermineAnzeigen = *inhalt.FreieTermineAnzeigen;
}

} // namespace DateiAnwenden
