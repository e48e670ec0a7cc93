#include "import/briefimport.h"

#include "import/textdatei.h"
#include "model/sprechtag.h"
#include "text/cp1252.h"

#include <QSet>

TBriefImport ImportiereBrief(TSprechtag& tag, const QString& pfad)
{
    TBriefImport r;
    const TTextdatei datei = LeseTextdatei(pfad);
    if (!datei.ok) {
        r.ok = false;
        r.Fehler = datei.Fehler;
        return r;
    }

    // The letter is saved in the data file's code page. Replacing the few characters it
    // cannot hold now, visibly, beats a letter that changes on the next save.
    QStringList brief;
    QStringList fremde;
    QSet<char32_t> gesehen;
    for (const QString& zeile : datei.Zeilen) {
        if (!Cp1252::ErstesFremdesZeichen(zeile)) {
            brief.append(zeile);
            continue;
        }
        for (const char32_t c : zeile.toUcs4()) {
            if (!gesehen.contains(c) && Cp1252::ErstesFremdesZeichen(QString::fromUcs4(&c, 1))) {
                gesehen.insert(c);
                fremde.append(Cp1252::ZeichenBeschreibung(c));
            }
        }
        brief.append(Cp1252::Dekodiere(Cp1252::Kodiere(zeile)));
    }
    if (!fremde.isEmpty())
        r.Hinweis = QStringLiteral("Der Text enthielt Zeichen, die Kalumo nicht speichern kann: %1.\n"
                                   "Sie wurden durch „?“ ersetzt.")
                        .arg(fremde.join(QStringLiteral(", ")));

    tag.Vorschau.Brief = brief;
    tag.Geaendert(QStringLiteral("Anschreiben importieren"), TSichern::Sofort);
    return r;
}
