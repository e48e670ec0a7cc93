#include "ein_aus_argumente.h"

#include "datei_befehle.h"
#include "model/sprechtag.h"

namespace CliEinAus {

std::optional<TEinAusAufruf> Lies(const QStringList& argumente, const TEinAusErlaubt& erlaubt, TCliAusgabe& io)
{
    TEinAusAufruf aufruf;
    QStringList dateien;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (erlaubt.schalter.contains(a)) {
            aufruf.schalter.insert(a);
        } else if (erlaubt.mitWert.contains(a)) {
            if (i + 1 >= argumente.size()) {
                io.fehler << QStringLiteral("Der Option %1 fehlt ihr Wert.\n").arg(a);
                return std::nullopt;
            }
            aufruf.werte.insert(a, argumente[++i]);
        } else if (a.startsWith(QLatin1String("--"))) {
            io.fehler << QStringLiteral("Unbekannte Option: ") << a << "\n";
            return std::nullopt;
        } else {
            dateien.append(a);
        }
    }
    if (dateien.size() != 2)
        return std::nullopt;
    for (const QStringList& gruppe : erlaubt.hoechstensEiner) {
        qsizetype gegeben = 0;
        for (const QString& s : gruppe)
            gegeben += aufruf.schalter.contains(s) || aufruf.werte.contains(s) ? 1 : 0;
        if (gegeben > 1) {
            io.fehler << QStringLiteral("Nur eine dieser Optionen ist möglich: %1\n").arg(gruppe.join(QLatin1String(", ")));
            return std::nullopt;
        }
    }
    aufruf.ein = dateien[0];
    aufruf.aus = dateien[1];
    return aufruf;
}

std::optional<int> LadeEin(TSprechtag& tag, const QString& datei, TCliAusgabe& io)
{
    return CliDatei::Lade(io, tag, datei, TLadeModus::Ersetzen);
}

} // namespace CliEinAus
