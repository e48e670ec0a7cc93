#pragma once
// The PDF pages that go with the mails: a family's plan as the plans are printed, and a
// teacher's door sheet. Drawn into memory; the mail carries the bytes.

#include "plantexte.h"
#include "tuerliste.h"

#include "model/sprechtag.h"
#include "versand/nachrichten.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace MailAnhang {

/// The plans of a family's entries on one sheet: a single entry in the day's format for
/// parents' plans; siblings as quarter sheets side by side (four on one page), so that the
/// family gets one page with all its talks. Empty bytes when drawing failed.
QByteArray FamilienPlan(const TSprechtag& tag, const QStringList& eintraege, const TPlanTexte& texte);

/// The door sheet of `lehrer` (more pages only for a day too long for one).
QByteArray Tuerliste(const TSprechtag& tag, const QString& lehrer, const TTuerTexte& texte);

/// Versand::Baue with both attachments: the plan texts from the day and `schulName`, the
/// door sheets' "Stand:" at `stand`; only for the messages `mitPdf` takes, when given.
/// Needs a QGuiApplication (fonts).
Versand::TNachrichten BaueMitPdf(const TSprechtag& tag, Versand::TEmpfaenger fuer, const Versand::TAngaben& angaben,
                                 const QString& schulName, const QDateTime& stand, const Versand::TMitPdf& mitPdf = {});

} // namespace MailAnhang
