#include "versand/mime.h"

#include "versand/adresse.h"

#include <QLocale>
#include <QUuid>

#include <cstdlib>

namespace Versand {

namespace {

QString OhneSteuerzeichen(QString t)
{
    for (QChar& c : t)
        if (IstSteuerzeichen(c))
            c = u' ';
    return t;
}

bool SchlichtesAscii(const QString& t)
{
    for (QChar c : t)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

// Base64 in lines of 76 characters.
QByteArray Base64Zeilen(const QByteArray& daten)
{
    const QByteArray b = daten.toBase64();
    QByteArray aus;
    aus.reserve(b.size() + b.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < b.size(); i += 76) {
        aus += b.mid(i, 76);
        aus += "\r\n";
    }
    return aus;
}

// RFC 2231: UTF-8, percent-encoded outside a few safe characters.
QByteArray Rfc2231(const QString& name)
{
    return "UTF-8''" + name.toUtf8().toPercentEncoding(QByteArray(), QByteArray("'()*"));
}

// A quoted ASCII fallback for readers without RFC 2231: non-ASCII as '_'.
QByteArray AsciiName(const QString& name)
{
    QByteArray a;
    for (QChar c : name)
        a += (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'"' && c != u'\\') ? char(c.unicode()) : '_';
    return a;
}

} // namespace

QByteArray KodiereWort(const QString& roh)
{
    const QString text = OhneSteuerzeichen(roh);
    if (SchlichtesAscii(text))
        return text.toLatin1();
    // Each encoded word at most 75 characters: "=?UTF-8?B?" + 60 base64 (45 bytes) + "?=",
    // never splitting a character's UTF-8 sequence (or a surrogate pair). Readers join
    // adjacent words without the blank between them (RFC 2047, 6.2).
    QByteArray aus;
    QByteArray stueck;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString zeichen = text.at(i);
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            zeichen += text.at(++i);
        const QByteArray u = zeichen.toUtf8();
        if (stueck.size() + u.size() > 45) {
            aus += (aus.isEmpty() ? "" : "\r\n ") + ("=?UTF-8?B?" + stueck.toBase64() + "?=");
            stueck.clear();
        }
        stueck += u;
    }
    if (!stueck.isEmpty())
        aus += (aus.isEmpty() ? "" : "\r\n ") + ("=?UTF-8?B?" + stueck.toBase64() + "?=");
    return aus;
}

QByteArray Datumszeile(const QDateTime& zeit)
{
    const int versatz = zeit.offsetFromUtc() / 60;
    const QString z = QLocale::c().toString(zeit, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss"));
    return z.toLatin1()
           + QStringLiteral(" %1%2%3")
                 .arg(QChar(versatz < 0 ? u'-' : u'+'))
                 .arg(std::abs(versatz) / 60, 2, 10, QChar(u'0'))
                 .arg(std::abs(versatz) % 60, 2, 10, QChar(u'0'))
                 .toLatin1();
}

QString NeueMessageId(const QString& absender)
{
    const QString domain = AdresseFuerServer(absender).mid(absender.lastIndexOf(u'@') + 1);
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@' + (domain.isEmpty() ? QStringLiteral("kalumo.invalid") : domain);
}

QByteArray Mime(const TMail& mail)
{
    QByteArray m;
    const auto kopf = [&m](const char* name, const QByteArray& wert) { m += QByteArray(name) + ": " + wert + "\r\n"; };
    const auto adresse = [](const QString& name, const QString& a) -> QByteArray {
        const QByteArray roh = AdresseFuerServer(OhneSteuerzeichen(a)).toLatin1();
        if (name.trimmed().isEmpty())
            return roh;
        // A plain ASCII name is quoted; anything else goes as encoded words.
        const QString n = OhneSteuerzeichen(name);
        QByteArray phrase;
        if (SchlichtesAscii(n)) {
            QByteArray q = n.toLatin1();
            q.replace('\\', "\\\\").replace('"', "\\\"");
            phrase = '"' + q + '"';
        } else {
            phrase = KodiereWort(n);
        }
        return phrase + " <" + roh + ">";
    };

    kopf("From", adresse(mail.AbsenderName, mail.Absender));
    QByteArray an;
    for (qsizetype i = 0; i < mail.An.size(); ++i)
        an += (i ? ",\r\n " : "") + adresse(i == 0 ? mail.EmpfaengerName : QString(), mail.An[i]);
    kopf("To", an);
    kopf("Subject", KodiereWort(mail.Betreff));
    kopf("Date", Datumszeile(mail.Datum));
    kopf("Message-ID", "<" + OhneSteuerzeichen(mail.MessageId).toLatin1() + ">");
    kopf("MIME-Version", "1.0");

    const QByteArray grenze = "=_kalumo_" + QUuid::createUuid().toString(QUuid::Id128).toLatin1();
    const bool gemischt = !mail.Anhaenge.empty();
    QByteArray text = mail.Text.toUtf8();
    text.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    if (gemischt) {
        kopf("Content-Type", "multipart/mixed;\r\n boundary=\"" + grenze + "\"");
        m += "\r\n--" + grenze + "\r\n";
    }
    m += "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n\r\n";
    m += Base64Zeilen(text);
    for (const TAnhang& a : mail.Anhaenge) {
        m += "\r\n--" + grenze + "\r\n";
        m += "Content-Type: " + a.Typ + ";\r\n name=\"" + AsciiName(a.Name) + "\"\r\n";
        m += "Content-Transfer-Encoding: base64\r\n";
        m += "Content-Disposition: attachment;\r\n filename*=" + Rfc2231(OhneSteuerzeichen(a.Name)) + "\r\n\r\n";
        m += Base64Zeilen(a.Daten);
    }
    if (gemischt)
        m += "\r\n--" + grenze + "--\r\n";
    return m;
}

} // namespace Versand
