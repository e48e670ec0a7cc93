#include "versand/einstellungen.h"

#include "ini/inidatei.h"
#include "versand/adresse.h"

#include <QDir>

namespace Versand {

namespace {

bool OhneSteuerzeichen(const QString& t)
{
    for (QChar c : t)
        if (IstSteuerzeichen(c))
            return false;
    return true;
}

} // namespace

TVersandEinstellungen VersandEinstellungenLesen(const TIniDokument& ini)
{
    TVersandEinstellungen e;
    const auto text = [&ini](const char* schluessel, const QString& vorgabe) {
        return ini.Text(IniSektionVersand, QString::fromLatin1(schluessel), vorgabe);
    };
    e.Host = text("Host", e.Host).trimmed();
    bool ok = false;
    const int port = text("Port", QString()).trimmed().toInt(&ok);
    if (ok && port > 0 && port <= 65535)
        e.Port = port;
    const QString tls = text("Tls", e.Tls).trimmed().toLower();
    if (tls == QLatin1String("starttls") || tls == QLatin1String("tls") || tls == QLatin1String("keine"))
        e.Tls = tls;
    e.Benutzer = text("Benutzer", e.Benutzer);
    e.Absender = text("Absender", e.Absender).trimmed();
    e.AbsenderName = text("AbsenderName", e.AbsenderName);
    e.Schule = text("Schule", e.Schule);
    const double pause = text("Pause", QString()).trimmed().toDouble(&ok);
    if (ok && pause >= 0 && pause <= 600)
        e.PauseSekunden = pause;
    e.Zertifikate = text("Zertifikate", e.Zertifikate);
    e.EigeneAdresse = text("EigeneAdresse", e.EigeneAdresse).trimmed();
    return e;
}

QString PruefeVersandEinstellungen(const TVersandEinstellungen& e)
{
    if (e.Host.trimmed().isEmpty())
        return QStringLiteral("Bitte im Feld „Server“ den Mailserver der Schule angeben (etwa mail.schule.de).");
    const struct {
        const char* feld;
        const QString& wert;
    } texte[] = {{"Server", e.Host}, {"Benutzer", e.Benutzer}, {"Absendername", e.AbsenderName}, {"Schule", e.Schule}};
    for (const auto& t : texte)
        if (!OhneSteuerzeichen(t.wert))
            return QStringLiteral("Das Feld „%1“ enthält ein Steuerzeichen (etwa einen Zeilenumbruch).").arg(QString::fromUtf8(t.feld));
    if (e.Host.contains(u' '))
        return QStringLiteral("„%1“ im Feld „Server“ ist kein Servername (ohne Leerzeichen, etwa mail.schule.de).").arg(e.Host);
    if (e.Port < 1 || e.Port > 65535)
        return QStringLiteral("Im Feld „Port“ ist nur eine Zahl von 1 bis 65535 möglich.");
    if (e.PauseSekunden < 0 || e.PauseSekunden > 600)
        return QStringLiteral("Im Feld „Pause zwischen Nachrichten“ sind nur 0 bis 600 Sekunden möglich.");
    if (e.Absender.isEmpty())
        return QStringLiteral("Bitte im Feld „Absenderadresse“ die E-Mail-Adresse der Schule angeben.");
    if (QString f = PruefeAdresse(e.Absender, QStringLiteral("Absenderadresse")); !f.isEmpty())
        return f;
    if (!e.EigeneAdresse.isEmpty())
        if (QString f = PruefeAdresse(e.EigeneAdresse, QStringLiteral("Eigene Adresse")); !f.isEmpty())
            return f;
    return {};
}

QString VersandEinstellungenSchreiben(const QString& pfad, const TVersandEinstellungen& e)
{
    const std::pair<const char*, QString> werte[] = {
        {"Host", e.Host},
        {"Port", QString::number(e.Port)},
        {"Tls", e.Tls},
        {"Benutzer", e.Benutzer},
        {"Absender", e.Absender},
        {"AbsenderName", e.AbsenderName},
        {"Schule", e.Schule},
        {"Pause", QString::number(e.PauseSekunden)},
        {"Zertifikate", e.Zertifikate},
        {"EigeneAdresse", e.EigeneAdresse},
    };
    for (const auto& [schluessel, wert] : werte) {
        QString grund;
        if (!IniSchreiben(pfad, IniSektionVersand, QString::fromLatin1(schluessel), wert, &grund))
            return QStringLiteral("Die Einstellungsdatei „%1“ kann nicht geschrieben werden.\r%2").arg(QDir::toNativeSeparators(pfad), grund);
    }
    return {};
}

} // namespace Versand
