#pragma once
// The mail server's password in the desktop's keyring (QtKeychain), shared by the program
// and kalumo-cli, so that a password kept once serves both and is never written to
// qvt.ini or typed on a command line.

#include <QString>
#include <optional>

namespace Schluesselbund {

/// The keyring's answer: the password, or nothing stored; `erreichbar` false when no
/// keyring answered at all.
struct TLesung {
    bool erreichbar = false;
    std::optional<QString> passwort;
};

/// The account a password belongs to: "benutzer@host:port".
QString Konto(const QString& host, int port, const QString& benutzer);

/// Each call waits for the keyring's answer (needs a QCoreApplication).
TLesung Lesen(const QString& konto);
/// True when the keyring took it.
bool Schreiben(const QString& konto, const QString& passwort);
void Loeschen(const QString& konto);

} // namespace Schluesselbund
