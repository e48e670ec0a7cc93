#pragma once
// A run of "Pläne versenden": every message in turn over one connection, a pause between
// messages (school servers limit mails per minute), a few retries for temporary trouble,
// and a line in the send log for every recipient as soon as the server answered.

#include "smtp.h"
#include "versand/nachrichten.h"
#include "versand/protokoll.h"

#include <functional>

namespace Versand {

struct TLauf {
    TServer Server;
    QString Absender;
    QString Protokoll;
    /// Only recipients the log does not show as sent this very content.
    bool NurNeue = false;
    /// Pause between messages and before a retry, in milliseconds.
    int PauseMs = 2000;
    int Versuche = 3;
    /// Called after each message with (done, total); false stops after that message.
    std::function<bool(int, int)> Fortschritt;
    /// Waits between messages; replaceable so that a test does not wait at all.
    std::function<void(int ms)> Warte;
};

struct TLaufBericht {
    int Nachrichten = 0;
    int Versendet = 0;     ///< messages accepted for every remaining recipient
    int SchonVersendet = 0; ///< skipped: the log shows them as sent
    QStringList Fehler;    ///< "empfaenger: Was – Antwort"
    /// Set when the run stopped (authentication, certificate, log not writable).
    QString Abbruch;
    bool Abgebrochen = false; ///< stopped by the user
    bool AllesAngenommen() const { return Fehler.isEmpty() && Abbruch.isEmpty() && !Abgebrochen; }
};

TLaufBericht Versende(const std::vector<TNachricht>& nachrichten, const TLauf& lauf);

/// The summary in German.
QString Zusammenfassung(const TLaufBericht& b);

} // namespace Versand
