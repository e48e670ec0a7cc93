#pragma once
// Which messages a run offers: all or those of the chosen names, and what the send log
// says about each ("neu", "versendet", or "geändert" for a plan that changed since its
// mail), so that nothing goes out twice by accident.

#include "versand/nachrichten.h"
#include "versand/protokoll.h"

#include <QSet>
#include <vector>

namespace Versand {

enum class TVersandStand { Neu, Versendet, Geaendert };

/// "neu", "versendet", "geändert".
QString StandText(TVersandStand stand);

/// What the log says about messages, read once for many.
class TProtokollStand {
public:
    explicit TProtokollStand(const std::vector<TProtokollZeile>& zeilen);
    /// Versendet: every address has taken exactly this content. Geaendert: an earlier
    /// content went out under the same name. Neu otherwise (also when only some of the
    /// addresses have it).
    TVersandStand Stand(const TNachricht& n) const;

private:
    QSet<QString> m_versendet;
    /// "Was" and check value of every accepted line.
    QSet<QString> m_wasMitWert;
    QSet<QString> m_was;
};

struct TAuswahl {
    /// Only messages for these entries (parent entries or teachers); empty: all.
    QStringList Namen;
    /// Leaves out what the log shows as sent with this very content.
    bool NurNeue = true;
};

struct TAngebot {
    TNachricht Nachricht;
    TVersandStand Stand = TVersandStand::Neu;
};

/// The messages of `alle` that `auswahl` offers, in their order.
std::vector<TAngebot> Anbieten(const std::vector<TNachricht>& alle, const TAuswahl& auswahl, const TProtokollStand& stand);

/// The test mail to the organiser's own address: the message `n` as it will arrive,
/// marked in subject and log.
TNachricht Probe(const TNachricht& n, const QString& eigeneAdresse);

} // namespace Versand
