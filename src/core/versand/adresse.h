#pragma once
// E-mail addresses of teachers and families. An address reaches mail headers, so it is
// checked wherever it enters the day (detail pages, import, data file): a control
// character there could add a header of its own.

#include <QString>
#include <QStringList>

namespace Versand {

/// Empty when `adresse` has the plausible form name@domain.tld, else the German message
/// naming the field `feld`. Refuses every control character (CR, LF, TAB, C1 ...).
/// The local part is ASCII (servers need not accept more); the domain may hold umlauts
/// and is sent in its ASCII form (AdresseFuerServer).
QString PruefeAdresse(const QString& adresse, const QString& feld);

/// Checks each address of `adressen` (at most `hoechstens`); empty when all are fine.
QString PruefeAdressen(const QStringList& adressen, int hoechstens, const QString& feld);

/// The address as it goes into the envelope and headers: the domain in its ASCII
/// (punycode) form.
QString AdresseFuerServer(const QString& adresse);

/// True for characters that never go into a header (C0, DEL, C1, line and paragraph
/// separators).
bool IstSteuerzeichen(QChar c);

} // namespace Versand
