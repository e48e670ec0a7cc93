#pragma once
// Looks into a written PDF the way a reader would: how many pages it has, and the text of
// a page as pdftotext (poppler-utils) extracts it.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace PdfPruefen {

/// Number of page objects in the file, or -1 when it cannot be read.
inline int Seiten(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

/// The text of page `seite` (from 1), or of the whole file for 0; blanks between words are
/// kept as the layout puts them. Empty when the file cannot be read.
inline QString Text(const QString& pfad, int seite = 0)
{
    QStringList argumente{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (seite > 0)
        argumente << QStringLiteral("-f") << QString::number(seite) << QStringLiteral("-l") << QString::number(seite);
    argumente << pfad << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace PdfPruefen
