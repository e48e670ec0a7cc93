#pragma once
// The mail server's password: kept in the desktop's keyring (QtKeychain), never in
// qvt.ini. Where no keyring answers (a bare desktop, Xvfb) it is asked for once per run
// and kept in memory until the program ends. Keyring and question are replaceable, so
// that tests drive both paths.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace Passwort {

/// The keyring's answer: the password, or nothing stored; `erreichbar` false when no
/// keyring answered at all.
struct TLesung {
    bool erreichbar = false;
    std::optional<QString> passwort;
};

struct TSchluesselbund {
    std::function<TLesung(const QString& konto)> lesen;
    /// True when the keyring took it.
    std::function<bool(const QString& konto, const QString& passwort)> schreiben;
    std::function<void(const QString& konto)> loeschen;
};

/// The question to the user; nothing when cancelled.
using TFrage = std::function<std::optional<QString>(QWidget* eltern, const QString& text)>;

/// Tests: replace (or, with empty functions, restore) keyring and question.
void SetSchluesselbund(TSchluesselbund bund);
void SetFrage(TFrage frage);

/// The account a password belongs to: "benutzer@host:port".
QString Konto(const QString& host, int port, const QString& benutzer);

/// The password for `konto`: remembered in this run, else from the keyring, else asked
/// (and then kept in the keyring when one answers). Nothing when the user cancelled.
std::optional<QString> Holen(QWidget* eltern, const QString& konto, const QString& frage);

/// After the server refused it: forgotten in this run and removed from the keyring, so
/// that the next attempt asks again.
void Vergessen(const QString& konto);

} // namespace Passwort
