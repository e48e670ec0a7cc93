#include "import/namensimport.h"

#include "import/textdatei.h"
#include "model/sprechtag.h"
#include "text/cp1252.h"
#include "verlauf/verlauf.h"

TNamensImport NamenUebernehmen(TSprechtag& tag, const QStringList& zeilen, bool lehrer)
{
    TNamensImport r;
    TSchritt schritt(tag, {}, TSichern::Sofort);
    for (QString name : zeilen) {
        name.replace(QLatin1Char('\t'), QLatin1Char(' '));
        const TNeuerName neu = lehrer ? tag.LehrerUebernehmen(name) : tag.ElternUebernehmen(name);
        if (neu.ok())
            ++r.Hinzugefuegt;
        else if (neu.fehler == TNamensFehler::FremdesZeichen && !r.NichtUebernommen.contains(name))
            r.NichtUebernommen.append(name);
    }
    schritt.Benennen(ImportSchrittName(r.Hinzugefuegt));
    return r;
}

TNamensImport ImportiereNamen(TSprechtag& tag, const QString& pfad, bool lehrer)
{
    const TTextdatei datei = LeseTextdatei(pfad);
    if (!datei.ok) {
        TNamensImport r;
        r.ok = false;
        r.Fehler = datei.Fehler;
        return r;
    }
    return NamenUebernehmen(tag, datei.Zeilen, lehrer);
}

QString NichtUebernommenMeldung(const QStringList& namen)
{
    if (namen.isEmpty())
        return {};
    QString m = namen.size() == 1
                    ? QStringLiteral("Dieser Name enthält ein Zeichen, das Kalumo nicht speichern kann, "
                                     "und wurde nicht übernommen:\n")
                    : QStringLiteral("Diese %1 Namen enthalten Zeichen, die Kalumo nicht speichern kann, "
                                     "und wurden nicht übernommen:\n")
                          .arg(namen.size());
    const qsizetype gezeigt = qMin<qsizetype>(namen.size(), MaxGezeigteNamen);
    for (qsizetype i = 0; i < gezeigt; ++i) {
        const auto zeichen = Cp1252::ErstesFremdesZeichen(namen[i]);
        m += QStringLiteral("\n%1   (%2)").arg(namen[i], zeichen ? Cp1252::ZeichenBeschreibung(*zeichen) : QString());
    }
    if (namen.size() > gezeigt)
        m += QStringLiteral("\nund %1 weitere").arg(namen.size() - gezeigt);
    m += QStringLiteral("\n\nBitte ersetzen Sie diese Zeichen in der Textdatei und importieren Sie sie noch einmal. "
                        "Namen, die schon in der Liste stehen, werden dabei übersprungen.");
    return m;
}
