#include "bearbeiten/vorlagentexte.h"

#include "bearbeiten/direkte_aenderungen.h"
#include "model/sprechtag.h"

#include <QLocale>

namespace Vorlagentexte {

namespace {

const QString Platzhalter = QStringLiteral("XX.XX");
// Phrases of the shipped letter that name a day and a person of the school it was written
// for; the rest of the letter fits any school.
const QString BriefDatum = QStringLiteral("bis Mittwoch, den 11.2.");
const QString BriefUnterschrift = QStringLiteral("gez. Tornquell");

} // namespace

bool UeberschriftIstVorlage(const QString& ueberschrift)
{
    return ueberschrift.contains(Platzhalter);
}

QStringList BriefReste(const QStringList& brief)
{
    QStringList reste;
    for (const QString& satz : {BriefDatum, BriefUnterschrift})
        for (const QString& zeile : brief)
            if (zeile.contains(satz)) {
                reste << satz;
                break;
            }
    return reste;
}

QString UeberschriftFuer(QDate datum)
{
    return QStringLiteral("Elternsprechtag am %1")
        .arg(QLocale(QLocale::German, QLocale::Germany).toString(datum, QStringLiteral("dddd, dd.MM.yyyy")));
}

bool UeberschriftSetzen(TSprechtag& tag, const QString& text)
{
    TPlanEinstellungen plan = tag.Plan;
    plan.Headline2 = text;
    return PlanEinstellungenSetzen(tag, plan, tag.FreieTermineAnzeigen);
}

} // namespace Vorlagentexte
