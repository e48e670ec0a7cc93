#include "druckziel.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace Druckziel {

QString PdfDatei(const QPrinter& drucker)
{
    if (drucker.outputFormat() != QPrinter::PdfFormat)
        return {};
    return drucker.outputFileName();
}

QString PdfMeldung(const QString& was, const QString& pfad)
{
    return QStringLiteral("%1 wurden in die PDF-Datei „%2“ geschrieben.")
        .arg(was, QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()));
}

QString AbbruchMeldung()
{
    return QStringLiteral("Der Druck wurde abgebrochen. Die Seiten, die bis dahin fertig waren, gehen noch an den "
                          "Drucker; der Drucker oder die Druckerwarteschlange kann sie zurückhalten.");
}

} // namespace Druckziel
