#include "termine/datum.h"

#include <QLocale>
#include <QRegularExpression>

namespace Termine {

namespace {

const QLocale& deutsch()
{
    static const QLocale l(QLocale::German, QLocale::Germany);
    return l;
}

QString ungueltig(const QString& text, const QString& grund)
{
    return QStringLiteral("„%1“ ist kein gültiges Datum: %2").arg(text, grund);
}

} // namespace

TDatumEingabe LiesDatum(const QString& eingabe)
{
    const QString text = eingabe.trimmed();
    if (text.isEmpty())
        return {{}, QStringLiteral("Bitte geben Sie das Datum des Elternsprechtags ein (TT.MM.JJJJ).")};
    static const QRegularExpression deutschForm(QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{4})$"));
    static const QRegularExpression isoForm(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    int tag = 0, monat = 0, jahr = 0;
    if (const auto m = deutschForm.match(text); m.hasMatch()) {
        tag = m.captured(1).toInt();
        monat = m.captured(2).toInt();
        jahr = m.captured(3).toInt();
    } else if (const auto iso = isoForm.match(text); iso.hasMatch()) {
        jahr = iso.captured(1).toInt();
        monat = iso.captured(2).toInt();
        tag = iso.captured(3).toInt();
    } else {
        return {{}, QStringLiteral("„%1“ ist kein Datum der Form TT.MM.JJJJ. Bitte geben Sie Tag, Monat und das "
                                   "Jahr mit vier Ziffern ein, z. B. 19.11.2026.")
                        .arg(text)};
    }
    if (jahr < 1000)
        return {{}, ungueltig(text, QStringLiteral("Das Jahr %1 ist zu früh.").arg(jahr))};
    if (monat < 1 || monat > 12)
        return {{}, ungueltig(text, QStringLiteral("Einen Monat %1 gibt es nicht.").arg(monat))};
    if (tag < 1)
        return {{}, ungueltig(text, QStringLiteral("Einen Tag %1 gibt es nicht.").arg(tag))};
    const int tage = QDate(jahr, monat, 1).daysInMonth();
    if (tag > tage)
        return {{}, ungueltig(text, QStringLiteral("Der %1 %2 hat %3 Tage.")
                                        .arg(deutsch().monthName(monat, QLocale::LongFormat))
                                        .arg(jahr)
                                        .arg(tage))};
    return {QDate(jahr, monat, tag), {}};
}

QString DatumMitWochentag(QDate datum)
{
    return deutsch().dayName(datum.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ")
           + datum.toString(QStringLiteral("dd.MM.yyyy"));
}

QString DatumRueckfrage(QDate datum, QDate heute)
{
    QStringList gruende;
    if (datum < heute)
        gruende << QStringLiteral("liegt in der Vergangenheit");
    if (datum.dayOfWeek() >= 6)
        gruende << QStringLiteral("ist ein %1").arg(deutsch().dayName(datum.dayOfWeek(), QLocale::LongFormat));
    if (gruende.isEmpty())
        return {};
    return QStringLiteral("Der %1 %2. Trotzdem Termine für diesen Tag exportieren?")
        .arg(datum.toString(QStringLiteral("dd.MM.yyyy")), gruende.join(QStringLiteral(" und ")));
}

} // namespace Termine
