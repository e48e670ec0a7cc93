#pragma once
// One e-mail as the bytes a server receives (RFC 5322 with MIME): UTF-8 text, headers
// with umlauts as encoded words (RFC 2047), attachment names with umlauts as RFC 2231
// parameters, every line ending in CR LF and at most 78 characters.
//
// Written by hand: libcurl builds MIME only while it sends, and the same bytes must also
// go into ".eml" files for checking before anything is sent. The format needed here is
// small (one text part and attachments, all base64).

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace Versand {

struct TAnhang {
    QString Name;       ///< file name as the recipient sees it
    QByteArray Typ;     ///< e.g. "text/calendar; charset=UTF-8; method=PUBLISH"
    QByteArray Daten;
};

struct TMail {
    QString AbsenderName;
    QString Absender;
    QString EmpfaengerName; ///< shown in "To" before the addresses; may be empty
    QStringList An;
    QString Betreff;
    QString Text;
    std::vector<TAnhang> Anhaenge;
    QString MessageId; ///< without angle brackets
    QDateTime Datum;
};

/// A header value as one or more encoded words when it holds anything beyond printable
/// ASCII, else unchanged. Control characters become blanks first: nothing a name holds
/// can end a header line.
QByteArray KodiereWort(const QString& text);

/// "Thu, 05 Mar 2026 18:30:00 +0100": RFC 5322 date of `zeit` in its own offset.
QByteArray Datumszeile(const QDateTime& zeit);

/// A new Message-ID (without brackets) in the domain of `absender`.
QString NeueMessageId(const QString& absender);

/// The whole message.
QByteArray Mime(const TMail& mail);

} // namespace Versand
