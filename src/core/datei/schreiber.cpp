#include "datei/schreiber.h"

#include "datei/erweiterung.h"
#include "datei/inhaltsmaske.h"
#include "datei/kopf.h"
#include "datei/plan_schluessel.h"
#include "datei/wert_codec.h"
#include "model/sprechtag.h"
#include "text/cp1252.h"

namespace DateiSchreiber {

namespace {

void Vorgaben(TWertSchreiber& s, const TSprechtag& tag)
{
    const TVorgaben& v = tag.Vorgaben;
    s.Float(v.SprechStart);
    s.Float(v.SprechEnde);
    s.Int(v.SprechTakt);
    s.Bool(v.RaumwechselPause);
    for (const auto& l : tag.Lehrer) {
        s.Float(l.record->StartZeit);
        s.Float(l.record->EndZeit);
        s.Bool(l.record->AbweichZeit);
    }
    s.Int(qint32(tag.Pausen.size()));
    for (const auto& p : tag.Pausen) {
        s.Float(p->Start());
        s.Float(p->Dauer());
    }
}

void Eltern(TWertSchreiber& s, const TSprechtag& tag)
{
    s.Int(qint32(tag.Eltern.Anzahl()));
    for (const auto& e : tag.Eltern) {
        s.Text(e.name);
        s.Liste(e.record->Geschwister.Liste());
    }
}

void Sprech(TWertSchreiber& s, const TSprechtag& tag)
{
    for (const auto& e : tag.Eltern) {
        const TEltern& r = *e.record;
        s.Liste(r.Sprechwuensche);
        s.Bool(r.NichtVor);
        s.Float(r.NichtVorZeit);
        s.Bool(r.NichtNach);
        s.Float(r.NichtNachZeit);
    }
}

void Vorschau(TWertSchreiber& s, const TSprechtag& tag)
{
    s.Bool(tag.Vorschau.Gewuenscht);
    s.Liste(tag.Vorschau.Brief);
    s.Int(tag.Vorschau.FuerAlleLehrer ? 0 : 1);
}

void PlanText(TWertSchreiber& s, TPlanSchluessel& k, const QString& text)
{
    s.TextBytes(k.Verschiebe(Cp1252::Kodiere(text)));
}

template <class Liste, class ZeilenFn>
void PlanBloecke(TWertSchreiber& s, TPlanSchluessel& k, const Liste& liste, ZeilenFn zeilen)
{
    s.Int(qint32(liste.Anzahl()));
    for (const auto& e : liste) {
        PlanText(s, k, e.name);
        const QStringList& z = zeilen(*e.record);
        s.Int(qint32(z.size()));
        for (const QString& zeile : z)
            PlanText(s, k, zeile);
    }
}

void Plaene(TWertSchreiber& s, const TSprechtag& tag, qint32 schluesselStart)
{
    const TPlanEinstellungen& p = tag.Plan;
    s.Text(p.Headline2);
    s.Bool(p.Fussnote);
    s.Int(p.LehrerFmt);
    s.Int(p.ElternFmt);
    s.Int(schluesselStart);
    s.Liste(p.ElternBrief);
    TPlanSchluessel k(schluesselStart);
    PlanBloecke(s, k, tag.Lehrer, [](const TLehrer& l) -> const QStringList& { return l.Zeitplan; });
    PlanBloecke(s, k, tag.Eltern, [](const TEltern& e) -> const QStringList& { return e.Zeitplan.Liste(); });
    for (const QString& t : tag.Statistik().Texte)
        s.Text(t);
    s.Liste(tag.Statistik().NichtErtBox);
}

} // namespace

QByteArray Schreibe(const TSprechtag& tag, int maske, qint32 schluesselStart)
{
    QByteArray daten;
    daten.reserve(64 * 1024);
    TWertSchreiber s(daten);
    s.Roh(DateiKopf::Text());
    s.Int(maske);
    if (maske & Inhalt::Lehrer)
        s.Liste(tag.Lehrer.Namen());
    if (maske & Inhalt::Vorgaben)
        Vorgaben(s, tag);
    if (maske & Inhalt::Eltern)
        Eltern(s, tag);
    if (maske & Inhalt::Sprech)
        Sprech(s, tag);
    if (maske & Inhalt::Preview)
        Vorschau(s, tag);
    if (maske & Inhalt::Ungewuenscht)
        for (const auto& l : tag.Lehrer)
            s.Liste(l.record->Ablehnungen);
    if (maske & Inhalt::Plaene)
        Plaene(s, tag, schluesselStart);
    s.Bool(tag.FreieTermineAnzeigen);
    s.Roh(DateiErweiterung::Schreibe(tag, maske));
    return daten;
}

} // namespace DateiSchreiber
