#include "pdfausgabe.h"

#include "dateisystem/schreiben.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace PdfAusgabe {

std::optional<QString> Schreibe(const QString& pfad, const QString& titel, const Zeichnen& zeichne)
{
    // Drawn into memory first: the file is replaced in one step only when all of it is
    // written and on the disk.
    QByteArray bytes;
    QBuffer puffer(&bytes);
    if (!puffer.open(QIODevice::WriteOnly))
        return Dateisystem::NichtGespeichert(pfad, QStringLiteral("Der Arbeitsspeicher reicht nicht aus."));
    {
        QPdfWriter pdf(&puffer);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Kalumo"));
        pdf.setResolution(600);
        // A printer keeps a margin; positions are sheet positions either way.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                      QPageLayout::Millimeter));
        QPainter maler;
        if (!maler.begin(&pdf))
            return Dateisystem::NichtGespeichert(pfad, QStringLiteral("Die PDF-Ausgabe ließ sich nicht beginnen."));
        if (!zeichne(maler, [&pdf] { return pdf.newPage(); })) {
            maler.end();
            return std::nullopt;
        }
        if (!maler.end())
            return Dateisystem::NichtGespeichert(pfad, QStringLiteral("Die PDF-Ausgabe ließ sich nicht abschließen."));
    }
    puffer.close();
    const QString grund = Dateisystem::SchreibeAtomar(pfad, bytes);
    if (!grund.isEmpty())
        return Dateisystem::NichtGespeichert(pfad, grund);
    return std::nullopt;
}

} // namespace PdfAusgabe
