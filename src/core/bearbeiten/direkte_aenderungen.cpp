#include "bearbeiten/direkte_aenderungen.h"

#include "model/sprechtag.h"
#include "zeit/zeit.h"

bool LehrerplanSetzen(TSprechtag& tag, const QString& lehrer, const QStringList& zeilen)
{
    TLehrer* l = tag.Lehrer.Suche(lehrer);
    if (!l || l->Zeitplan == zeilen)
        return false;
    l->Zeitplan = zeilen;
    tag.Geaendert(QStringLiteral("Zeitplan von „%1“ bearbeiten").arg(lehrer));
    return true;
}

bool ElternplanSetzen(TSprechtag& tag, const QString& eltern, const QStringList& zeilen)
{
    TEltern* e = tag.Eltern.Suche(eltern);
    if (!e)
        return false;
    TSortierteListe neu;
    neu.Setze(zeilen);
    if (neu.Liste() == e->Zeitplan.Liste())
        return false;
    e->Zeitplan = neu;
    tag.Geaendert(QStringLiteral("Zeitplan von „%1“ bearbeiten").arg(eltern));
    return true;
}

bool VorschauBriefSetzen(TSprechtag& tag, const QStringList& zeilen)
{
    if (tag.Vorschau.Brief == zeilen)
        return false;
    tag.Vorschau.Brief = zeilen;
    tag.Geaendert(QStringLiteral("Anschreiben ändern"));
    return true;
}

bool VorschauGewuenschtSetzen(TSprechtag& tag, bool gewuenscht)
{
    if (tag.Vorschau.Gewuenscht == gewuenscht)
        return false;
    tag.Vorschau.Gewuenscht = gewuenscht;
    tag.Geaendert(gewuenscht ? QStringLiteral("Vorschaulisten erzeugen") : QStringLiteral("Keine Vorschaulisten erzeugen"));
    return true;
}

bool VorschauFuerAlleSetzen(TSprechtag& tag, bool alle)
{
    if (tag.Vorschau.FuerAlleLehrer == alle)
        return false;
    tag.Vorschau.FuerAlleLehrer = alle;
    tag.Geaendert(alle ? QStringLiteral("Vorschau für alle Lehrer") : QStringLiteral("Vorschau für betroffene Lehrer"));
    return true;
}

bool PlanEinstellungenSetzen(TSprechtag& tag, const TPlanEinstellungen& plan, bool freieTermineAnzeigen)
{
    const TPlanEinstellungen& alt = tag.Plan;
    if (plan.Headline2 == alt.Headline2 && plan.Fussnote == alt.Fussnote && plan.LehrerFmt == alt.LehrerFmt
        && plan.ElternFmt == alt.ElternFmt && plan.ElternBrief == alt.ElternBrief
        && freieTermineAnzeigen == tag.FreieTermineAnzeigen)
        return false;
    tag.Plan = plan;
    tag.FreieTermineAnzeigen = freieTermineAnzeigen;
    tag.Geaendert(QStringLiteral("Planeinstellungen ändern"));
    return true;
}

bool PauseSetzen(TSprechtag& tag, TPause& pause, const QString& startText, const QString& dauerText)
{
    // The duration field says "Minuten": a plain number there counts as minutes.
    auto wert = [](double alt, const QString& text, auto lesen) {
        if (text == Zeit::Anzeige(alt))
            return alt;
        const std::optional<double> t = lesen(text);
        return t ? *t : alt;
    };
    const double start = wert(pause.Start(), startText, Zeit::ZeitText);
    const double dauer = wert(pause.Dauer(), dauerText, Zeit::DauerText);
    if (start == pause.Start() && dauer == pause.Dauer())
        return false;
    pause.SetStart(start);
    pause.SetDauer(dauer);
    tag.Geaendert(QStringLiteral("Pause ändern"));
    return true;
}
