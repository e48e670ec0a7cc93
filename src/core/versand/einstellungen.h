#pragma once
// The mail server settings in qvt.ini's section [Versand], the same keys kalumo-cli senden
// reads. The password is never among them: it stays in the desktop's keyring or is asked
// for once per run.

#include "ini/inidokument.h"

#include <QString>

namespace Versand {

inline const QString IniSektionVersand = QStringLiteral("Versand");

struct TVersandEinstellungen {
    QString Host;
    int Port = 587;
    /// "starttls", "tls" or "keine" (the last only to the own machine).
    QString Tls = QStringLiteral("starttls");
    QString Benutzer;
    QString Absender;
    QString AbsenderName;
    /// The school's name for {Schule}; empty: the sender's name.
    QString Schule;
    double PauseSekunden = 2;
    /// Extra certificate authority file (PEM); empty: the system's.
    QString Zertifikate;
    /// Where "Probe an mich senden" goes.
    QString EigeneAdresse;

    bool operator==(const TVersandEinstellungen&) const = default;
};

/// Missing or unreadable values keep their defaults.
TVersandEinstellungen VersandEinstellungenLesen(const TIniDokument& ini);

/// Empty when every field can be used, else the German message naming the field.
QString PruefeVersandEinstellungen(const TVersandEinstellungen& e);

/// Writes every key into the file `pfad`; empty on success, else the German message
/// naming the file.
QString VersandEinstellungenSchreiben(const QString& pfad, const TVersandEinstellungen& e);

} // namespace Versand
