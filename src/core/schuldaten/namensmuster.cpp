#include "schuldaten/namensmuster.h"

#include <QRegularExpression>

namespace Schuldaten {
namespace {

bool istTrennzeichen(QChar c)
{
    return c == u',' || c == u';' || c == u':' || c == u'/' || c == u'-';
}

bool istOeffnend(QChar c)
{
    return c == u'(' || c == u'[';
}

bool istSchliessend(QChar c)
{
    return c == u')' || c == u']';
}

} // namespace

QString MusterPlatzhalter()
{
    return QStringLiteral("{Nachname} {Vorname} {Kürzel} {Raum} {Titel} {Klasse} {Schülernummer}");
}

QString WendeMusterAn(const QString& muster, const TNamensTeile& teile)
{
    // The pattern is cut into literal text and placeholders. An empty placeholder takes
    // with it a bracket pair around it and the literal text that joins it to the part
    // before (or, at the start, to the part after).
    struct Stueck {
        QString text;
        bool platzhalter = false;
        bool leer = false;
    };
    QList<Stueck> stuecke;
    static const QRegularExpression platz(QStringLiteral("\\{([^{}]+)\\}"));
    qsizetype pos = 0;
    for (auto it = platz.globalMatch(muster); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedStart() > pos)
            stuecke.append({muster.mid(pos, m.capturedStart() - pos)});
        const auto wert = teile.constFind(m.captured(1));
        if (wert == teile.cend())
            stuecke.append({m.captured(0)});
        else
            stuecke.append({wert->trimmed(), true, wert->trimmed().isEmpty()});
        pos = m.capturedEnd();
    }
    if (pos < muster.size())
        stuecke.append({muster.mid(pos)});

    for (qsizetype i = 0; i < stuecke.size(); ++i) {
        if (!stuecke[i].leer)
            continue;
        // Brackets directly around the empty part go with it.
        if (i > 0 && i + 1 < stuecke.size() && !stuecke[i - 1].platzhalter && !stuecke[i + 1].platzhalter) {
            QString& vor = stuecke[i - 1].text;
            QString& nach = stuecke[i + 1].text;
            const QString vorGekuerzt = QString(vor).remove(QRegularExpression(QStringLiteral("\\s+$")));
            const QString nachGekuerzt = QString(nach).remove(QRegularExpression(QStringLiteral("^\\s+")));
            if (!vorGekuerzt.isEmpty() && !nachGekuerzt.isEmpty() && istOeffnend(vorGekuerzt.back())
                && istSchliessend(nachGekuerzt.front())) {
                vor = vorGekuerzt.chopped(1);
                nach = nachGekuerzt.mid(1);
            }
        }
        // The joining text: towards the previous filled part, else towards the next one.
        bool vorherGefuellt = false;
        for (qsizetype j = i - 1; j >= 0; --j)
            if (stuecke[j].platzhalter && !stuecke[j].leer) {
                vorherGefuellt = true;
                break;
            }
        if (vorherGefuellt && i > 0 && !stuecke[i - 1].platzhalter) {
            // Keep a closing bracket that belongs to an earlier part.
            QString& vor = stuecke[i - 1].text;
            while (!vor.isEmpty() && (vor.back().isSpace() || istTrennzeichen(vor.back())))
                vor.chop(1);
        } else if (i + 1 < stuecke.size() && !stuecke[i + 1].platzhalter) {
            QString& nach = stuecke[i + 1].text;
            while (!nach.isEmpty() && (nach.front().isSpace() || istTrennzeichen(nach.front())))
                nach.remove(0, 1);
        }
    }

    QString name;
    for (qsizetype i = 0; i < stuecke.size(); ++i) {
        const Stueck& s = stuecke[i];
        if (s.platzhalter) {
            name += s.text;
            continue;
        }
        // Between parts, runs of blanks become one; a part's own blanks stay.
        static const QRegularExpression blanks(QStringLiteral("\\s{2,}"));
        name += QString(s.text).replace(blanks, QStringLiteral(" "));
    }
    // Separators left dangling at either end ("7b:" without a surname) go too.
    while (!name.isEmpty() && (name.back().isSpace() || istTrennzeichen(name.back())))
        name.chop(1);
    while (!name.isEmpty() && (name.front().isSpace() || istTrennzeichen(name.front())))
        name.remove(0, 1);
    return name;
}

} // namespace Schuldaten
