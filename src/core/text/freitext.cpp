#include "text/freitext.h"

#include "text/cp1252.h"

#include <QStringList>

namespace Freitext {

QList<char32_t> FremdeZeichen(const QString& text)
{
    QList<char32_t> fremde;
    if (!Cp1252::ErstesFremdesZeichen(text))
        return fremde;
    for (const char32_t c : text.toUcs4())
        if (!fremde.contains(c) && Cp1252::ErstesFremdesZeichen(QString::fromUcs4(&c, 1)))
            fremde.append(c);
    return fremde;
}

QString Pruefe(const QString& was, const QString& text)
{
    const QList<char32_t> fremde = FremdeZeichen(text);
    if (fremde.isEmpty())
        return {};
    QStringList namen;
    for (const char32_t c : fremde)
        namen.append(Cp1252::ZeichenBeschreibung(c));
    if (namen.size() == 1)
        return QStringLiteral("%1 enthält das Zeichen %2, das Kalumo nicht speichern kann.\r"
                              "Bitte schreiben Sie den Text ohne dieses Zeichen.")
            .arg(was, namen.first());
    const QString letztes = namen.takeLast();
    return QStringLiteral("%1 enthält die Zeichen %2 und %3, die Kalumo nicht speichern kann.\r"
                          "Bitte schreiben Sie den Text ohne diese Zeichen.")
        .arg(was, namen.join(QStringLiteral(", ")), letztes);
}

} // namespace Freitext
