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
    // The pattern is the same for every record of an import: it is cut up once.
    struct Zerlegt {
        QString muster;
        QList<QPair<QString, bool>> teile; // text, is a placeholder (name without braces)
    };
    thread_local Zerlegt zerlegt;
    if (zerlegt.muster != muster || (zerlegt.teile.isEmpty() && !muster.isEmpty())) {
        static const QRegularExpression platz(QStringLiteral("\\{([^{}]+)\\}"));
        zerlegt.muster = muster;
        zerlegt.teile.clear();
        qsizetype pos = 0;
        for (auto it = platz.globalMatch(muster); it.hasNext();) {
            const auto m = it.next();
            if (m.capturedStart() > pos)
                zerlegt.teile.append({muster.mid(pos, m.capturedStart() - pos), false});
            zerlegt.teile.append({m.captured(1), true});
            pos = m.capturedEnd();
        }
        if (pos < muster.size())
            zerlegt.teile.append({muster.mid(pos), false});
    }
    QList<Stueck> stuecke;
    stuecke.reserve(zerlegt.teile.size());
    for (const auto& [text, istPlatz] : std::as_const(zerlegt.teile)) {
        if (!istPlatz) {
            stuecke.append({text});
            continue;
        }
        const auto wert = teile.constFind(text);
        if (wert == teile.cend())
            stuecke.append({QLatin1Char('{') + text + QLatin1Char('}')});
        else
            stuecke.append({wert->trimmed(), true, wert->trimmed().isEmpty()});
    }

    for (qsizetype i = 0; i < stuecke.size(); ++i) {
        if (!stuecke[i].leer)
            continue;
        // Brackets directly around the empty part go with it.
        if (i > 0 && i + 1 < stuecke.size() && !stuecke[i - 1].platzhalter && !stuecke[i + 1].platzhalter) {
            QString& vor = stuecke[i - 1].text;
            QString& nach = stuecke[i + 1].text;
            static const QRegularExpression endBlanks(QStringLiteral("\\s+$"));
            static const QRegularExpression anfangBlanks(QStringLiteral("^\\s+"));
            const QString vorGekuerzt = QString(vor).remove(endBlanks);
            const QString nachGekuerzt = QString(nach).remove(anfangBlanks);
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
