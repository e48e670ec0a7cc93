#include "ini/inizahl.h"

#include <limits>

namespace {

/// The value of one digit in `basis`, or -1.
int ziffer(QChar c, int basis)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (basis == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (basis == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

int IniZahl(const QString& text, int vorgabe)
{
    qsizetype i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }
    const QStringView rest = QStringView(text).mid(i);
    int basis = 10;
    qsizetype ziffernAb = 0;
    if (rest.startsWith(QLatin1Char('$'))) {
        basis = 16;
        ziffernAb = 1;
    } else if (rest.size() > 2 && rest.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        basis = 16;
        ziffernAb = 2;
    }
    const QStringView ziffern = rest.mid(ziffernAb);
    if (ziffern.isEmpty())
        return vorgabe;

    quint64 wert = 0;
    for (const QChar c : ziffern) {
        const int z = ziffer(c, basis);
        if (z < 0)
            return vorgabe;
        wert = wert * quint64(basis) + quint64(z);
        if (wert > 0xFFFFFFFFull)
            return vorgabe;
    }

    if (basis == 16) {
        const qint32 muster = qint32(quint32(wert));
        return negativ ? int(0u - quint32(muster)) : muster;
    }
    constexpr quint64 grenze = quint64(std::numeric_limits<int>::max());
    if (wert > grenze + (negativ ? 1 : 0))
        return vorgabe;
    return negativ ? int(-qint64(wert)) : int(wert);
}
