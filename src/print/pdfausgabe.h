#pragma once
// Drawing a print job into a PDF file on A4 portrait, written completely or not at all.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

namespace PdfAusgabe {

/// `zeichne` gets a painter active on the first page and a function that starts the next;
/// it returns false when the job was cancelled.
using Zeichnen = std::function<bool(QPainter& maler, const std::function<bool()>& neueSeite)>;

/// The job drawn into memory: `Daten` holds the PDF, or `Fehler` the German reason
/// (without a file name); after a cancel both are empty and `Abgebrochen` is set.
struct TPdfBytes {
    QByteArray Daten;
    QString Fehler;
    bool Abgebrochen = false;
};
TPdfBytes ImSpeicher(const QString& titel, const Zeichnen& zeichne);

/// The German error message naming `pfad`, or nothing on success. A cancelled job writes
/// nothing and leaves the file on the disk as it was.
std::optional<QString> Schreibe(const QString& pfad, const QString& titel, const Zeichnen& zeichne);

} // namespace PdfAusgabe
