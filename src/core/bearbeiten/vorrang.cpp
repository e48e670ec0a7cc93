#include "bearbeiten/vorrang.h"

#include "model/namen.h"

#include <QSet>

namespace {

qsizetype Stelle(const QStringList& liste, const QString& name)
{
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (Namen::Gleich(liste.at(i), name))
            return i;
    return -1;
}

bool EntferneOhneFall(QStringList& liste, const QString& name)
{
    const qsizetype vorher = liste.size();
    liste.removeIf([&name](const QString& s) { return Namen::Gleich(s, name); });
    return liste.size() != vorher;
}

// Keeps the marks a subset of the requests, spelt as the request is: the removal of a
// teacher and a rename compare exactly, so a mark spelt otherwise would outlive them.
bool Abgleichen(QStringList& marken, const QStringList& wuensche)
{
    QStringList neu;
    for (const QString& m : marken) {
        const qsizetype i = Stelle(wuensche, m);
        if (i >= 0 && Stelle(neu, m) < 0)
            neu.append(wuensche.at(i));
    }
    if (neu == marken)
        return false;
    marken = std::move(neu);
    return true;
}

} // namespace

TPrioritaet Prioritaet(const TEltern& e, const QString& lehrer)
{
    if (Stelle(e.Sprechwuensche, lehrer) < 0)
        return TPrioritaet::Normal;
    if (Stelle(e.Einladungen, lehrer) >= 0)
        return TPrioritaet::Einladung;
    if (Stelle(e.Vorrang, lehrer) >= 0)
        return TPrioritaet::Vorrang;
    return TPrioritaet::Normal;
}

namespace {

// The change itself, without a step: EinladungenSpeichern makes many of them one step.
bool Setze(TSprechtag& tag, TEltern& e, const QString& lehrer, TPrioritaet p)
{
    qsizetype w = Stelle(e.Sprechwuensche, lehrer);
    bool neu = false;
    if (w < 0) {
        if (p != TPrioritaet::Einladung)
            return EntferneOhneFall(e.Einladungen, lehrer) | EntferneOhneFall(e.Vorrang, lehrer);
        const qsizetype li = tag.Lehrer.IndexVon(lehrer);
        if (li < 0)
            return false;
        // The teacher's own spelling, as a request ticked in the list would have it.
        e.Sprechwuensche.append(tag.Lehrer.Name(li));
        w = e.Sprechwuensche.size() - 1;
        neu = true;
    }
    const bool istEinladung = Stelle(e.Einladungen, lehrer) >= 0;
    const bool istVorrang = Stelle(e.Vorrang, lehrer) >= 0;
    if (!neu && istEinladung == (p == TPrioritaet::Einladung) && istVorrang == (p == TPrioritaet::Vorrang))
        return false;
    const QString name = e.Sprechwuensche.at(w);
    EntferneOhneFall(e.Einladungen, name);
    EntferneOhneFall(e.Vorrang, name);
    if (p == TPrioritaet::Einladung)
        e.Einladungen.append(name);
    else if (p == TPrioritaet::Vorrang)
        e.Vorrang.append(name);
    return true;
}

QString PrioritaetsText(TPrioritaet p)
{
    switch (p) {
    case TPrioritaet::Einladung:
        return QStringLiteral("Einladung");
    case TPrioritaet::Vorrang:
        return QStringLiteral("Vorrang");
    case TPrioritaet::Normal:
        break;
    }
    return QStringLiteral("normal");
}

} // namespace

bool PrioritaetSetzen(TSprechtag& tag, const QString& eltern, const QString& lehrer, TPrioritaet p)
{
    TEltern* e = tag.Eltern.Suche(eltern);
    if (!e || !Setze(tag, *e, lehrer, p))
        return false;
    tag.Geaendert(QStringLiteral("Sprechwunsch „%1“ von „%2“: %3").arg(lehrer, eltern, PrioritaetsText(p)));
    return true;
}

QStringList Eingeladene(const TSprechtag& tag, const QString& lehrer)
{
    QStringList r;
    for (const auto& e : tag.Eltern)
        if (Prioritaet(*e.record, lehrer) == TPrioritaet::Einladung)
            r.append(e.name);
    return r;
}

int AnzEinladungen(const TSprechtag& tag, const QString& lehrer)
{
    return int(Eingeladene(tag, lehrer).size());
}

int AnzEinladungenGesamt(const TSprechtag& tag)
{
    int n = 0;
    for (const auto& e : tag.Eltern)
        for (const QString& w : e.record->Sprechwuensche)
            n += Prioritaet(*e.record, w) == TPrioritaet::Einladung ? 1 : 0;
    return n;
}

int AnzVorrangGesamt(const TSprechtag& tag)
{
    int n = 0;
    for (const auto& e : tag.Eltern)
        for (const QString& w : e.record->Sprechwuensche)
            n += Prioritaet(*e.record, w) == TPrioritaet::Vorrang ? 1 : 0;
    return n;
}

bool HatPrioritaeten(const TSprechtag& tag)
{
    for (const auto& e : tag.Eltern)
        if (!e.record->Einladungen.isEmpty() || !e.record->Vorrang.isEmpty())
            return true;
    return false;
}

bool EinladungenSpeichern(TSprechtag& tag, const QString& lehrer, const QStringList& eltern)
{
    if (!tag.Lehrer.Suche(lehrer))
        return false;
    QSet<QString> gewaehlt;
    for (const QString& n : eltern)
        gewaehlt.insert(Namen::Schluessel(n));
    bool geaendert = false;
    for (const auto& e : tag.Eltern) {
        const bool eingeladen = Prioritaet(*e.record, lehrer) == TPrioritaet::Einladung;
        if (gewaehlt.contains(Namen::Schluessel(e.name)))
            geaendert |= !eingeladen && Setze(tag, *e.record, lehrer, TPrioritaet::Einladung);
        else if (eingeladen)
            geaendert |= Setze(tag, *e.record, lehrer, TPrioritaet::Normal);
    }
    if (geaendert)
        tag.Geaendert(QStringLiteral("Einladungen von „%1“ ändern").arg(lehrer));
    return geaendert;
}

bool GemeinsameGespraecheSetzen(TSprechtag& tag, bool an)
{
    if (tag.GemeinsameGespraeche == an)
        return false;
    tag.GemeinsameGespraeche = an;
    tag.Geaendert(QStringLiteral("„Geschwister bei derselben Lehrkraft: ein gemeinsames Gespräch“ ändern"));
    return true;
}

bool MarkenAbgleichen(TEltern& e)
{
    const bool a = Abgleichen(e.Einladungen, e.Sprechwuensche);
    const bool b = Abgleichen(e.Vorrang, e.Sprechwuensche);
    // An invitation outranks the parents' own mark; both on one request is one too many.
    bool c = false;
    for (const QString& m : e.Einladungen)
        c |= EntferneOhneFall(e.Vorrang, m);
    return a || b || c;
}
