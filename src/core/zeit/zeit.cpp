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

static bool NurZiffern(const QString& t)
{
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

std::optional<double> ZeitText(const QString& text)
{
    const QString t = text.trimmed();
    // German typing puts a dot where the clock has a colon ("16.30"); one text uses one kind.
    const bool punkte = t.contains(u'.');
    if (punkte && t.contains(u':'))
        return std::nullopt;
    const QStringList teile = t.split(punkte ? u'.' : u':');
    if (teile.size() > 3)
        return std::nullopt;
    const int grenzen[3] = {23, 59, 59};
    int werte[3] = {0, 0, 0};
    bool gelesen = true;
    for (int i = 0; i < teile.size() && gelesen; ++i) {
        const auto z = Zahl(teile[i], grenzen[i]);
        gelesen = z.has_value();
        werte[i] = z.value_or(0);
    }
    if (gelesen)
        return Kodiere(werte[0], werte[1], werte[2]);
    // "1630" and "930": hours and minutes without a separator. Only a text that is no
    // whole hour reads so, so that "16" and "016" stay 16:00.
    if (teile.size() == 1 && NurZiffern(t) && (t.size() == 3 || t.size() == 4)) {
        const auto stunden = Zahl(t.first(t.size() - 2), 23);
        const auto minuten = Zahl(t.last(2), 59);
        if (stunden && minuten)
            return Kodiere(*stunden, *minuten);
    }
    return std::nullopt;
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
    // A plain number is minutes, never hours and minutes run together ("130" is 2:10).
    if (NurZiffern(t)) {
        const auto minuten = Zahl(t, 23 * 60 + 59);
        return minuten ? std::optional<double>(Minuten(*minuten)) : std::nullopt;
    }
    return ZeitText(t);
}

static QString MitFeld(const QString& feld, const QString& satz)
{
    return feld.isEmpty() ? satz : feld + QStringLiteral(": ") + satz;
}

QString UngueltigeZeitMeldung(const QString& text, const QString& feld)
{
    return MitFeld(feld, QStringLiteral("„%1“ ist keine gültige Uhrzeit. Bitte geben Sie sie als hh:mm, hh.mm oder "
                                        "hhmm ein, etwa 16:30, 16.30 oder 1630.")
                             .arg(text.trimmed()));
}

QString UngueltigeDauerMeldung(const QString& text, const QString& feld)
{
    return MitFeld(feld, QStringLiteral("„%1“ ist keine gültige Dauer. Bitte geben Sie Minuten ein oder hh:mm "
                                        "bzw. hh.mm, etwa 30, 0:30 oder 0.30.")
                             .arg(text.trimmed()));
}

} // namespace Zeit
