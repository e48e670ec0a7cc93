#pragma once
// Drawing a print job into a PDF file on A4 portrait, written completely or not at all.

#include <QString>
#include <functional>
#include <optional>

class QPainter;

namespace PdfAusgabe {

/// `zeichne` gets a painter active on the first page and a function that starts the next.
using Zeichnen = std::function<void(QPainter& maler, const std::function<bool()>& neueSeite)>;

/// The German error message naming `pfad`, or nothing on success.
std::optional<QString> Schreibe(const QString& pfad, const QString& titel, const Zeichnen& zeichne);

} // namespace PdfAusgabe
