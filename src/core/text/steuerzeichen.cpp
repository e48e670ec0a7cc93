#include "text/steuerzeichen.h"

namespace Steuerzeichen {
namespace {

bool istSteuerzeichen(QChar c)
{
    // The C1 range stays: the five bytes Windows-1252 leaves undefined are read as C1
    // characters so that every byte of a file survives a load and a save.
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || u == 0x2028 || u == 0x2029;
}

} // namespace

bool Enthaelt(const QString& text)
{
    for (const QChar c : text)
        if (istSteuerzeichen(c))
            return true;
    return false;
}

QString DurchLeerzeichen(const QString& text)
{
    if (!Enthaelt(text))
        return text;
    QString t = text;
    for (QChar& c : t)
        if (istSteuerzeichen(c))
            c = QLatin1Char(' ');
    return t;
}

QString Sichtbar(const QString& text)
{
    QString t = text;
    for (QChar& c : t) {
        const char16_t u = c.unicode();
        if (u < 0x20)
            c = QChar(char16_t(0x2400 + u));
        else if (u == 0x7F)
            c = QChar(char16_t(0x2421));
        else if (istSteuerzeichen(c))
            c = QChar(char16_t(0x21B5)); // a line or paragraph separator
    }
    return t;
}

} // namespace Steuerzeichen
