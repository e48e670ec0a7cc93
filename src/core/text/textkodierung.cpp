#include "text/textkodierung.h"

#include "text/cp1252.h"

#include <QStringDecoder>

namespace Textkodierung {
namespace {

bool hatUtf16Bom(const QByteArray& b)
{
    return b.startsWith("\xFF\xFE") || b.startsWith("\xFE\xFF");
}

bool istAscii(const QByteArray& b)
{
    for (const char c : b)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

bool istGueltigesUtf8(const QByteArray& b)
{
    QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = d.decode(b);
    Q_UNUSED(s);
    return !d.hasError();
}

} // namespace

bool HatUtf8Bom(const QByteArray& bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF");
}

Kodierung Erkenne(const QByteArray& bytes)
{
    if (HatUtf8Bom(bytes))
        return Kodierung::Utf8;
    if (hatUtf16Bom(bytes))
        return Kodierung::Utf16;
    if (!istAscii(bytes) && istGueltigesUtf8(bytes))
        return Kodierung::Utf8;
    return Kodierung::Cp1252;
}

QString Dekodiere(const QByteArray& bytes)
{
    switch (Erkenne(bytes)) {
    case Kodierung::Utf8: {
        // The decoder drops the one mark at the start; a U+FEFF right after it is text
        // (QString::fromUtf8 would drop that one too, so it vanished save after save).
        QStringDecoder d(QStringDecoder::Utf8);
        return d.decode(bytes);
    }
    case Kodierung::Utf16: {
        // The decoder reads the mark to learn the byte order and drops it.
        QStringDecoder d(QStringDecoder::Utf16);
        return d.decode(bytes);
    }
    case Kodierung::Cp1252:
        break;
    }
    return Cp1252::Dekodiere(bytes);
}

} // namespace Textkodierung
