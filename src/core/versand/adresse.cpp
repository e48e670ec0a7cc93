#include "versand/adresse.h"

#include <QUrl>

#include <algorithm>
#include <cctype>

namespace Versand {

bool IstSteuerzeichen(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

namespace {

bool LokalZeichen(QChar c)
{
    if (c.unicode() > 0x7E || c.unicode() <= 0x20)
        return false;
    return !QStringLiteral("()<>[]:;@\\,\"").contains(c);
}

bool DomainGueltig(const QString& domain)
{
    const QByteArray ace = QUrl::toAce(domain, QUrl::AceTransitionalProcessing);
    if (ace.isEmpty() || ace.size() > 253)
        return false;
    const QList<QByteArray> teile = ace.split('.');
    if (teile.size() < 2)
        return false;
    for (const QByteArray& t : teile) {
        if (t.isEmpty() || t.size() > 63 || t.startsWith('-') || t.endsWith('-'))
            return false;
        for (char c : t)
            if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-'))
                return false;
    }
    // The top level is letters (or an IDN's "xn--" form), never a number.
    const QByteArray& tld = teile.last();
    return tld.size() >= 2 && (tld.startsWith("xn--") || std::all_of(tld.begin(), tld.end(), [](char c) {
                                   return std::isalpha(static_cast<unsigned char>(c));
                               }));
}

} // namespace

QString PruefeAdresse(const QString& adresse, const QString& feld)
{
    for (QChar c : adresse)
        if (IstSteuerzeichen(c))
            return QStringLiteral("Die E-Mail-Adresse im Feld „%1“ enthält ein Steuerzeichen (etwa einen "
                                  "Zeilenumbruch) und wird nicht übernommen.")
                .arg(feld);
    const qsizetype at = adresse.lastIndexOf(u'@');
    const QString lokal = adresse.left(at);
    const QString domain = adresse.mid(at + 1);
    bool gut = at > 0 && lokal.size() <= 64 && !lokal.startsWith(u'.') && !lokal.endsWith(u'.')
               && !lokal.contains(QStringLiteral("..")) && !domain.isEmpty();
    for (QChar c : lokal)
        gut = gut && LokalZeichen(c);
    if (gut && !DomainGueltig(domain))
        gut = false;
    if (!gut)
        return QStringLiteral("„%1“ im Feld „%2“ ist keine gültige E-Mail-Adresse (erwartet wird die Form "
                              "name@schule.de).")
            .arg(adresse, feld);
    return {};
}

QString PruefeAdressen(const QStringList& adressen, int hoechstens, const QString& feld)
{
    if (adressen.size() > hoechstens)
        return QStringLiteral("Im Feld „%1“ sind höchstens %2 E-Mail-Adressen möglich.").arg(feld).arg(hoechstens);
    for (const QString& a : adressen) {
        const QString f = PruefeAdresse(a, feld);
        if (!f.isEmpty())
            return f;
    }
    return {};
}

QString AdresseFuerServer(const QString& adresse)
{
    const qsizetype at = adresse.lastIndexOf(u'@');
    return adresse.left(at + 1) + QString::fromLatin1(QUrl::toAce(adresse.mid(at + 1), QUrl::AceTransitionalProcessing));
}

} // namespace Versand
