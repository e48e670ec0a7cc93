#include "text/cp1252.h"

#include <QHash>
#include <array>
#include <unicode/ucnv.h>

namespace Cp1252 {
namespace {

struct Tabelle {
    std::array<char16_t, 256> zuUnicode{};
    QHash<char16_t, uchar> zuByte;

    Tabelle()
    {
        UErrorCode fehler = U_ZERO_ERROR;
        UConverter* conv = ucnv_open("windows-1252", &fehler);
        for (int b = 0; b < 256; ++b) {
            char ein = char(b);
            UChar aus[2] = {0, 0};
            UErrorCode e = U_ZERO_ERROR;
            const int n = conv ? ucnv_toUChars(conv, aus, 2, &ein, 1, &e) : 0;
            // Without a converter (never on a sound installation) fall back to Latin-1 so
            // that bytes still survive unchanged.
            zuUnicode[b] = (n == 1 && U_SUCCESS(e)) ? char16_t(aus[0]) : char16_t(b);
            zuByte.insert(zuUnicode[b], uchar(b));
        }
        if (conv)
            ucnv_close(conv);
    }
};

const Tabelle& tabelle()
{
    static const Tabelle t;
    return t;
}

} // namespace

QString Dekodiere(const QByteArray& bytes)
{
    const auto& t = tabelle();
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* ziel = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        ziel[i] = QChar(t.zuUnicode[uchar(bytes[i])]);
    return s;
}

QByteArray Kodiere(const QString& text)
{
    const auto& t = tabelle();
    QByteArray b(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            b[n++] = char(c);
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one replacement for the whole code point
        const auto it = t.zuByte.constFind(c);
        b[n++] = it != t.zuByte.cend() ? char(*it) : '?';
    }
    b.truncate(n);
    return b;
}

std::optional<char32_t> ErstesFremdesZeichen(const QString& text)
{
    const auto& t = tabelle();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || t.zuByte.contains(c))
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return QChar::surrogateToUcs4(c, text[i + 1].unicode());
        return char32_t(c);
    }
    return std::nullopt;
}

QString ZeichenBeschreibung(char32_t c)
{
    const QString code = QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("„%1“ (U+%2)").arg(QString::fromUcs4(&c, 1), code);
}

} // namespace Cp1252
