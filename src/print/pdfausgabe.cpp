#include "pdfausgabe.h"

#include "dateisystem/schreiben.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace PdfAusgabe {

TPdfBytes ImSpeicher(const QString& titel, const Zeichnen& zeichne)
{
    TPdfBytes aus;
    QBuffer puffer(&aus.Daten);
    if (!puffer.open(QIODevice::WriteOnly)) {
        aus.Fehler = QStringLiteral("Der Arbeitsspeicher reicht nicht aus.");
        return aus;
    }
    {
        QPdfWriter pdf(&puffer);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Kalumo"));
        pdf.setResolution(600);
        // A printer keeps a margin; positions are sheet positions either way.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                      QPageLayout::Millimeter));
        QPainter maler;
        if (!maler.begin(&pdf)) {
            aus.Fehler = QStringLiteral("Die PDF-Ausgabe ließ sich nicht beginnen.");
        } else if (!zeichne(maler, [&pdf] { return pdf.newPage(); })) {
            maler.end();
            aus.Abgebrochen = true;
        } else if (!maler.end()) {
            aus.Fehler = QStringLiteral("Die PDF-Ausgabe ließ sich nicht abschließen.");
        }
    }
    puffer.close();
    if (!aus.Fehler.isEmpty() || aus.Abgebrochen)
        aus.Daten.clear();
    return aus;
}

std::optional<QString> Schreibe(const QString& pfad, const QString& titel, const Zeichnen& zeichne)
{
    // Drawn into memory first: the file is replaced in one step only when all of it is
    // written and on the disk.
    const TPdfBytes pdf = ImSpeicher(titel, zeichne);
    if (!pdf.Fehler.isEmpty())
        return Dateisystem::NichtGespeichert(pfad, pdf.Fehler);
    if (pdf.Abgebrochen)
        return std::nullopt;
    const QString grund = Dateisystem::SchreibeAtomar(pfad, pdf.Daten);
    if (!grund.isEmpty())
        return Dateisystem::NichtGespeichert(pfad, grund);
    return std::nullopt;
}

} // namespace PdfAusgabe
