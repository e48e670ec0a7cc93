#include "smtp.h"

#include "versand/adresse.h"

#include <QRegularExpression>
#include <QUrl>
#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace Versand {

bool TlsAusText(const QString& text, TTls& tls)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("starttls"))
        tls = TTls::StartTls;
    else if (t == QLatin1String("tls") || t == QLatin1String("ssl"))
        tls = TTls::Tls;
    else if (t == QLatin1String("keine"))
        tls = TTls::Keine;
    else
        return false;
    return true;
}

namespace {

bool Lokal(const QString& host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    static const QRegularExpression schleife(QStringLiteral("^127\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}$"));
    return host == QLatin1String("::1") || host == QLatin1String("[::1]") || schleife.match(host).hasMatch();
}

// libcurl's own texts are English; the organiser reads why in German.
QString Grund(CURLcode r)
{
    switch (r) {
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("der Server nimmt keine Verbindung an");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("der Server hat zu lange nicht geantwortet");
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return QStringLiteral("die Verbindung wurde getrennt, bevor der Server geantwortet hat");
    case CURLE_SEND_ERROR:
        return QStringLiteral("die Verbindung wurde beim Senden getrennt");
    case CURLE_WEIRD_SERVER_REPLY:
        return QStringLiteral("der Server hat unverständlich geantwortet");
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("das Zertifikat gehört nicht zu diesem Server oder ist von keiner bekannten Stelle "
                              "bestätigt");
    case CURLE_SSL_CACERT_BADFILE:
        return QStringLiteral("die Datei mit den Zertifizierungsstellen lässt sich nicht lesen");
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CONNECT_ERROR:
        return QStringLiteral("die verschlüsselte Verbindung ließ sich nicht aufbauen");
    default:
        return QStringLiteral("Fehler %1 der Mailbibliothek").arg(int(r));
    }
}

} // namespace

QString PruefeServer(const TServer& s)
{
    if (s.Host.trimmed().isEmpty())
        return QStringLiteral("Es ist kein Mailserver angegeben (Einstellung „Host“).");
    for (QChar c : s.Host)
        if (IstSteuerzeichen(c) || c == u'/' || c == u' ' || c == u'@')
            return QStringLiteral("„%1“ ist kein gültiger Name eines Mailservers.").arg(s.Host.simplified());
    if (s.Port < 1 || s.Port > 65535)
        return QStringLiteral("„%1“ ist kein gültiger Port (1 bis 65535).").arg(s.Port);
    if (s.Tls == TTls::Keine && !Lokal(s.Host))
        return QStringLiteral("Ohne Verschlüsselung wird nur an einen Mailserver auf diesem Rechner gesendet; "
                              "für „%1“ bitte STARTTLS oder TLS wählen.")
            .arg(s.Host);
    return {};
}

struct TSmtp::TIntern {
    TServer server;
    CURL* curl = nullptr;
    // What the last transfer said, in order.
    QString letzterBefehl;
    QString rcptAdresse;
    QString antwortPuffer;
    std::vector<TEmpfaengerAntwort> empfaenger;
    QString letzteAntwort;
    QByteArray daten;
    qsizetype gelesen = 0;

    void Antwortzeile(const QString& zeile)
    {
        // Multi-line answers ("250-...") end with the line whose fourth character is a blank.
        if (zeile.size() >= 4 && zeile.at(3) == u'-')
            return;
        letzteAntwort = zeile;
        if (letzterBefehl.startsWith(QLatin1String("RCPT TO"), Qt::CaseInsensitive)) {
            empfaenger.push_back({rcptAdresse, zeile.startsWith(u'2'), zeile});
            letzterBefehl.clear();
        }
    }

    static int Debug(CURL*, curl_infotype typ, char* text, size_t n, void* nutzer)
    {
        auto* self = static_cast<TIntern*>(nutzer);
        const QString t = QString::fromUtf8(text, qsizetype(n));
        if (typ == CURLINFO_HEADER_OUT) {
            self->letzterBefehl = t.trimmed();
            if (self->letzterBefehl.startsWith(QLatin1String("RCPT TO:"), Qt::CaseInsensitive)) {
                QString a = self->letzterBefehl.mid(8).trimmed();
                if (a.startsWith(u'<'))
                    a = a.mid(1, a.indexOf(u'>') - 1);
                self->rcptAdresse = a;
            }
        } else if (typ == CURLINFO_HEADER_IN) {
            self->antwortPuffer += t;
            qsizetype p;
            while ((p = self->antwortPuffer.indexOf(u'\n')) >= 0) {
                self->Antwortzeile(self->antwortPuffer.left(p).trimmed());
                self->antwortPuffer.remove(0, p + 1);
            }
        }
        return 0;
    }

    static size_t Lies(char* ziel, size_t groesse, size_t anzahl, void* nutzer)
    {
        auto* self = static_cast<TIntern*>(nutzer);
        const qsizetype n = std::min<qsizetype>(qsizetype(groesse * anzahl), self->daten.size() - self->gelesen);
        std::memcpy(ziel, self->daten.constData() + self->gelesen, size_t(n));
        self->gelesen += n;
        return size_t(n);
    }
};

TSmtp::TSmtp(const TServer& server) : d(std::make_unique<TIntern>())
{
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    d->server = server;
    d->curl = curl_easy_init();
}

TSmtp::~TSmtp()
{
    if (d->curl)
        curl_easy_cleanup(d->curl);
}

TSendung TSmtp::Sende(const QString& absender, const QStringList& an, const QByteArray& nachricht)
{
    TSendung s;
    CURL* c = d->curl;
    if (!c) {
        s.art = TSendung::Art::Abbruch;
        s.Antwort = QStringLiteral("Die Mailbibliothek konnte nicht gestartet werden.");
        return s;
    }
    const TServer& sv = d->server;
    const QByteArray url = (sv.Tls == TTls::Tls ? QByteArray("smtps://") : QByteArray("smtp://"))
                           + QUrl::toAce(sv.Host) + ':' + QByteArray::number(sv.Port);
    const QByteArray von = '<' + AdresseFuerServer(absender).toUtf8() + '>';
    const QByteArray benutzer = sv.Benutzer.toUtf8(), passwort = sv.Passwort.toUtf8(), ca = sv.CaDatei.toLocal8Bit();
    curl_slist* rcpt = nullptr;
    std::vector<QByteArray> rcptTexte;
    for (const QString& a : an) {
        rcptTexte.push_back('<' + AdresseFuerServer(a).toUtf8() + '>');
        rcpt = curl_slist_append(rcpt, rcptTexte.back().constData());
    }
    d->daten = nachricht;
    d->gelesen = 0;
    d->empfaenger.clear();
    d->letzterBefehl.clear();
    d->antwortPuffer.clear();
    d->letzteAntwort.clear();

    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_USE_SSL, sv.Tls == TTls::Keine ? long(CURLUSESSL_NONE) : long(CURLUSESSL_ALL));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!ca.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
    if (!benutzer.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, benutzer.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, passwort.constData());
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, von.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt);
#if defined(CURLOPT_MAIL_RCPT_ALLOWFAILS) || LIBCURL_VERSION_NUM >= 0x080200
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT_ALLOWFAILS, 1L);
#else
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT_ALLLOWFAILS, 1L);
#endif
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &TIntern::Lies);
    curl_easy_setopt(c, CURLOPT_READDATA, d.get());
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(nachricht.size()));
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, &TIntern::Debug);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, d.get());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 300L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);

    const CURLcode r = curl_easy_perform(c);
    curl_slist_free_all(rcpt);
    long code = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &code);
    s.Empfaenger = d->empfaenger;
    s.Antwort = d->letzteAntwort;

    switch (r) {
    case CURLE_OK:
        s.art = TSendung::Art::Angenommen;
        return s;
    case CURLE_LOGIN_DENIED:
        s.art = TSendung::Art::Abbruch;
        s.Antwort = QStringLiteral("Der Mailserver hat die Anmeldung abgelehnt: Benutzer oder Passwort ist falsch (%1).")
                        .arg(d->letzteAntwort);
        return s;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CONNECT_ERROR:
        s.art = TSendung::Art::Abbruch;
        s.Antwort = QStringLiteral("Die verschlüsselte Verbindung zu „%1“ kam nicht zustande: das Zertifikat des "
                                   "Servers wurde nicht bestätigt (%2). Es wird nichts gesendet.")
                        .arg(sv.Host, Grund(r));
        return s;
    case CURLE_USE_SSL_FAILED:
        s.art = TSendung::Art::Abbruch;
        s.Antwort = QStringLiteral("Der Mailserver „%1“ bietet keine Verschlüsselung (STARTTLS) an. Es wird nichts "
                                   "gesendet.")
                        .arg(sv.Host);
        return s;
    case CURLE_COULDNT_RESOLVE_HOST:
        s.art = TSendung::Art::Abbruch;
        s.Antwort = QStringLiteral("Der Mailserver „%1“ ist unbekannt.").arg(sv.Host);
        return s;
    default:
        break;
    }
    const bool alleAbgewiesen = !s.Empfaenger.empty()
                                && std::none_of(s.Empfaenger.begin(), s.Empfaenger.end(),
                                                [](const TEmpfaengerAntwort& e) { return e.Angenommen; });
    if (alleAbgewiesen && s.Empfaenger.front().Antwort.startsWith(u'5')) {
        s.art = TSendung::Art::Abgewiesen;
    } else if (code >= 500 && code < 600) {
        s.art = TSendung::Art::Abgewiesen;
    } else {
        s.art = TSendung::Art::Voruebergehend;
        if (s.Antwort.isEmpty() || !(code >= 400 && code < 500))
            s.Antwort = QStringLiteral("Verbindung zum Mailserver gestört: %1").arg(Grund(r));
    }
    return s;
}

} // namespace Versand
