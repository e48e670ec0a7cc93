#include "zeit/zeit.h"

#include <QStringList>
#include <cmath>

namespace Zeit {

double Kodiere(int stunden, int minuten, int sekunden, int msek)
{
    const qint64 ms = qint64(stunden) * 3600000 + qint64(minuten) * 60000 + qint64(sekunden) * 1000 + msek;
    return double(ms) / MSekProTag;
}

Uhrzeit Zerlege(double t)
{
    double ganz = 0;
    const double bruch = std::fabs(std::modf(t, &ganz));
    qint64 ms = std::llround(bruch * MSekProTag);
    Uhrzeit u;
    u.stunden = int(ms / 3600000);
    ms %= 3600000;
    u.minuten = int(ms / 60000);
    ms %= 60000;
    u.sekunden = int(ms / 1000);
    u.msek = int(ms % 1000);
    return u;
}

static std::optional<int> Zahl(const QString& teil, int max)
{
    if (teil.isEmpty() || teil.size() > 9)
        return std::nullopt;
    for (QChar c : teil)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int wert = teil.toInt();
    if (wert > max)
        return std::nullopt;
    return wert;
}

std::optional<double> ZeitText(const QString& text)
{
    const QStringList teile = text.trimmed().split(u':');
    if (teile.size() > 3)
        return std::nullopt;
    const int grenzen[3] = {23, 59, 59};
    int werte[3] = {0, 0, 0};
    for (int i = 0; i < teile.size(); ++i) {
        const auto z = Zahl(teile[i], grenzen[i]);
        if (!z)
            return std::nullopt;
        werte[i] = *z;
    }
    return Kodiere(werte[0], werte[1], werte[2]);
}

QString Anzeige(double t)
{
    const Uhrzeit u = Zerlege(t);
    return QStringLiteral("%1:%2").arg(u.stunden, 2, 10, QLatin1Char('0')).arg(u.minuten, 2, 10, QLatin1Char('0'));
}

QString ZeitPraefix(double t)
{
    return Anzeige(t) + QStringLiteral(" Uhr: ");
}

std::optional<double> DauerText(const QString& text)
{
    const QString t = text.trimmed();
    if (!t.contains(u':')) {
        if (const auto minuten = Zahl(t, 23 * 60 + 59))
            return Minuten(*minuten);
    }
    return ZeitText(t);
}

static QString MitFeld(const QString& feld, const QString& satz)
{
    return feld.isEmpty() ? satz : feld + QStringLiteral(": ") + satz;
}

QString UngueltigeZeitMeldung(const QString& text, const QString& feld)
{
    return MitFeld(feld, QStringLiteral("„%1“ ist keine gültige Uhrzeit (hh:mm).").arg(text.trimmed()));
}

QString UngueltigeDauerMeldung(const QString& text, const QString& feld)
{
    return MitFeld(feld, QStringLiteral("„%1“ ist keine gültige Dauer (Minuten oder hh:mm).").arg(text.trimmed()));
}

} // namespace Zeit
