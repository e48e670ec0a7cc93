#pragma once
// What goes out: one mail per family (sibling group with at least one talk) to the union
// of its entries' addresses, with its talks in the text and its calendar file attached
// exactly as "Termine exportieren" writes it; one mail per teacher with the list of talks.
// Built from the plans as printed (Termine::Lies), so a plan edited by hand goes out as
// it is on paper.

#include "model/sprechtag.h"
#include "termine/termine.h"
#include "versand/mime.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

namespace Versand {

enum class TEmpfaenger { Eltern = 1, Lehrer = 2, Alle = 3 };

/// Subject and text with the fields {Name}, {Schule}, {Datum} and {Termine}.
struct TVorlage {
    QString Betreff;
    QString Text;
};

TVorlage StandardVorlageEltern();
TVorlage StandardVorlageLehrer();

struct TAngaben {
    QString Schule;
    QDate Datum;
    /// The calendar files' DTSTAMP, as in the export.
    QDateTime Stempel;
    QString Absender;
    QString AbsenderName;
    TVorlage Eltern = StandardVorlageEltern();
    TVorlage Lehrer = StandardVorlageLehrer();
};

/// A mail ready to go, with what the send log needs to recognise it.
struct TNachricht {
    /// "Plan 5a: Groß" or "Termine Weber (R 12)": what the log names.
    QString Was;
    /// A check value of the content (talks and attachments, without time stamps): a plan
    /// that changed since its mail gets another value.
    QString Pruefwert;
    TMail Mail;
    /// The parent entries of the family, or the teacher: whom a choice of names selects.
    QStringList Eintraege;
};

struct TNachrichten {
    std::vector<TNachricht> Liste;
    /// Families and teachers with talks but without an address.
    QStringList OhneAdresse;
    /// Messages left out because an attachment could not be made ("Was: reason").
    QStringList Fehler;
};

/// Makes a PDF attachment; empty bytes when it failed (the message is then left out).
using TPlanPdf = std::function<QByteArray(const QStringList& eintraege)>;
using TTuerPdf = std::function<QByteArray(const QString& lehrer)>;

/// Whether a message's PDF is drawn. Asked with the message complete but for the PDF's
/// bytes (its check value is final), so that a run which skips what the send log shows as
/// sent draws nothing for those messages.
using TMitPdf = std::function<bool(const TNachricht&)>;

/// Lists for `fuer`. Needs valid plans. The PDF of a family's plan (`planPdf`, given the
/// family's entries) and of a teacher's door sheet (`tuerPdf`) are attached when given:
/// the core draws nothing, the caller brings the print layer. A message that `mitPdf`
/// refuses keeps its place and check value, its PDF attachment named but empty (`OhnePdf`).
TNachrichten Baue(const TSprechtag& tag, TEmpfaenger fuer, const TAngaben& angaben, const TPlanPdf& planPdf = {},
                  const TTuerPdf& tuerPdf = {}, const TMitPdf& mitPdf = {});

/// A PDF attachment without its bytes: the message was built only to be skipped and must
/// not go out.
bool OhnePdf(const TNachricht& n);

/// Replaces the fields of `vorlage` (unknown fields stay as typed).
QString FuelleAus(const QString& vorlage, const QString& name, const QString& schule, QDate datum,
                  const QString& termine);

} // namespace Versand
