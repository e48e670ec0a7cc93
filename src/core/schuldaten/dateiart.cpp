#include "schuldaten/dateiart.h"

#include <QtEndian>

namespace Schuldaten {
namespace {

bool beginnt(const QByteArray& b, const char* zeichen, qsizetype n, qsizetype ab = 0)
{
    return b.size() >= ab + n && QByteArrayView(b).sliced(ab, n) == QByteArrayView(zeichen, n);
}

QString zipArt(const QByteArray& b)
{
    // Entry names stand uncompressed in the archive; office formats name their parts.
    if (b.contains("opendocument.spreadsheet"))
        return QStringLiteral("eine OpenDocument-Tabelle (.ods)");
    if (b.contains("opendocument.text"))
        return QStringLiteral("ein OpenDocument-Textdokument (.odt)");
    if (b.contains("xl/workbook") || b.contains("xl/_rels") || b.contains("xl/worksheets"))
        return QStringLiteral("eine Excel-Arbeitsmappe (.xlsx)");
    if (b.contains("word/document") || b.contains("word/_rels"))
        return QStringLiteral("ein Word-Dokument (.docx)");
    if (b.contains("ppt/presentation") || b.contains("ppt/slides"))
        return QStringLiteral("eine PowerPoint-Präsentation (.pptx)");
    return QStringLiteral("ein ZIP-Archiv");
}

} // namespace

QString FremdeDateiart(const QByteArray& b)
{
    if (beginnt(b, "%PDF-", 5))
        return QStringLiteral("ein PDF-Dokument");
    if (beginnt(b, "PK\x03\x04", 4) || beginnt(b, "PK\x05\x06", 4))
        return zipArt(b);
    if (beginnt(b, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
        return QStringLiteral("ein Office-Dokument im alten Format (.xls oder .doc)");
    if (beginnt(b, "\x89PNG\r\n\x1A\n", 8))
        return QStringLiteral("ein PNG-Bild");
    if (beginnt(b, "\xFF\xD8\xFF", 3))
        return QStringLiteral("ein JPEG-Bild");
    if (beginnt(b, "GIF87a", 6) || beginnt(b, "GIF89a", 6))
        return QStringLiteral("ein GIF-Bild");
    if (beginnt(b, "II*\0", 4) || beginnt(b, "MM\0*", 4))
        return QStringLiteral("ein TIFF-Bild");
    if (beginnt(b, "RIFF", 4) && beginnt(b, "WEBP", 4, 8))
        return QStringLiteral("ein WebP-Bild");
    // "BM" alone may begin a name; the bitmap header then holds the file's size.
    if (beginnt(b, "BM", 2) && b.size() >= 6 && qFromLittleEndian<quint32>(b.constData() + 2) == quint32(b.size()))
        return QStringLiteral("ein BMP-Bild");
    if (beginnt(b, "\x1F\x8B", 2))
        return QStringLiteral("ein gzip-Archiv");
    if (beginnt(b, "7z\xBC\xAF\x27\x1C", 6))
        return QStringLiteral("ein 7-Zip-Archiv");
    if (beginnt(b, "Rar!\x1A\x07", 6))
        return QStringLiteral("ein RAR-Archiv");
    if (beginnt(b, "BZh", 3) && beginnt(b, "1AY&SY", 6, 4))
        return QStringLiteral("ein bzip2-Archiv");
    if (beginnt(b, "\xFD" "7zXZ\0", 6))
        return QStringLiteral("ein xz-Archiv");
    if (beginnt(b, "ustar", 5, 257))
        return QStringLiteral("ein tar-Archiv");
    if (beginnt(b, "{\\rtf", 5))
        return QStringLiteral("ein RTF-Dokument");
    if (beginnt(b, "%!PS", 4))
        return QStringLiteral("ein PostScript-Dokument");
    if (beginnt(b, "SQLite format 3\0", 16))
        return QStringLiteral("eine SQLite-Datenbank");
    if (beginnt(b, "QVT file rev", 12))
        return QStringLiteral("eine Tagesdatei von Kalumo (sie wird mit „Laden“ geöffnet)");
    return {};
}

} // namespace Schuldaten
