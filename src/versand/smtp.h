#pragma once
// One connection to the school's mail server (libcurl SMTP, kept open between messages).
// Certificates are always verified; there is no switch to skip that. Unencrypted
// connections are allowed only to the own machine (a relay on localhost, the tests).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace Versand {

enum class TTls { StartTls, Tls, Keine };

struct TServer {
    QString Host;
    int Port = 587;
    TTls Tls = TTls::StartTls;
    QString Benutzer;
    QString Passwort;
    /// Extra certificate authority file (PEM), e.g. a school's own; empty: the system's.
    QString CaDatei;
};

/// The German name of a TLS mode in settings and options ("starttls", "tls", "keine").
bool TlsAusText(const QString& text, TTls& tls);

/// Empty when `server` can be used, else the German message (host missing, port out of
/// range, no encryption to another machine).
QString PruefeServer(const TServer& server);

struct TEmpfaengerAntwort {
    QString Adresse;
    bool Angenommen = false;
    QString Antwort;
};

struct TSendung {
    enum class Art {
        Angenommen,     ///< the server took the message (for the recipients marked so)
        Abgewiesen,     ///< refused for good (5xx)
        Voruebergehend, ///< 4xx or connection trouble: worth another try
        Abbruch         ///< authentication or certificate: stop everything
    };
    Art art = Art::Abgewiesen;
    /// Per recipient of the envelope (when the server answered for it).
    std::vector<TEmpfaengerAntwort> Empfaenger;
    /// The server's last answer, or the German reason.
    QString Antwort;
};

class TSmtp {
public:
    explicit TSmtp(const TServer& server);
    ~TSmtp();
    TSmtp(const TSmtp&) = delete;
    TSmtp& operator=(const TSmtp&) = delete;

    TSendung Sende(const QString& absender, const QStringList& an, const QByteArray& nachricht);

private:
    struct TIntern;
    std::unique_ptr<TIntern> d;
};

} // namespace Versand
