#include "termine/kalender.h"

#include "model/namen.h"
#include "termine/ortszeit.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTextBoundaryFinder>
#include <QHash>
#include <QSet>

namespace Kalender {

QString Text(const QString& wert)
{
    QString t;
    t.reserve(wert.size() + 8);
    for (qsizetype i = 0; i < wert.size(); ++i) {
        const QChar c = wert.at(i);
        switch (c.unicode()) {
        case u'\\': t += QLatin1String("\\\\"); break;
        case u';': t += QLatin1String("\\;"); break;
        case u',': t += QLatin1String("\\,"); break;
        case u'\r':
            if (i + 1 < wert.size() && wert.at(i + 1) == u'\n')
                ++i;
            t += QLatin1String("\\n");
            break;
        case u'\n': t += QLatin1String("\\n"); break;
        default:
            // RFC 5545 allows no control character but HTAB in a value.
            t += (c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7f ? QChar(u' ') : c;
        }
    }
    return t;
}

QByteArray Falte(const QString& zeile)
{
    const QByteArray b = zeile.toUtf8();
    QByteArray aus;
    aus.reserve(b.size() + b.size() / 37 + 4);
    qsizetype pos = 0;
    qsizetype grenze = 75;
    while (b.size() - pos > grenze) {
        qsizetype schnitt = pos + grenze;
        // Never cut between the bytes of one character.
        while ((uchar(b.at(schnitt)) & 0xC0) == 0x80)
            --schnitt;
        aus += b.mid(pos, schnitt - pos);
        aus += "\r\n ";
        pos = schnitt;
        grenze = 74;
    }
    aus += b.mid(pos);
    aus += "\r\n";
    return aus;
}

namespace {

const QString Endung = QStringLiteral(".ics");

/// No blank or dot at the end, which some systems drop or refuse.
QString ohneEnde(QString n)
{
    while (n.endsWith(u'.') || n.endsWith(u' '))
        n.chop(1);
    return n;
}

const char* const Zeitzone = "BEGIN:VTIMEZONE\r\n"
                             "TZID:Europe/Berlin\r\n"
                             "BEGIN:DAYLIGHT\r\n"
                             "TZOFFSETFROM:+0100\r\n"
                             "TZOFFSETTO:+0200\r\n"
                             "TZNAME:CEST\r\n"
                             "DTSTART:19700329T020000\r\n"
                             "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                             "END:DAYLIGHT\r\n"
                             "BEGIN:STANDARD\r\n"
                             "TZOFFSETFROM:+0200\r\n"
                             "TZOFFSETTO:+0100\r\n"
                             "TZNAME:CET\r\n"
                             "DTSTART:19701025T030000\r\n"
                             "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                             "END:STANDARD\r\n"
                             "END:VTIMEZONE\r\n";

QString ortszeit(QDate datum, int minuten)
{
    // The wall clock of the slot in the school's zone: adding seconds to midnight would
    // shift every afternoon talk on the days the clocks change.
    return Termine::Ortszeit(datum, minuten).toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

} // namespace

QByteArray Familie(const TTerminListe& liste, int f, QDate datum, const QDateTime& stempel)
{
    const QString dtstamp = stempel.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString tag = datum.toString(QStringLiteral("yyyyMMdd"));
    QByteArray aus("BEGIN:VCALENDAR\r\n"
                   "VERSION:2.0\r\n"
                   "PRODID:-//Kalumo//Elternsprechtag//DE\r\n"
                   "CALSCALE:GREGORIAN\r\n"
                   "METHOD:PUBLISH\r\n");
    aus += Zeitzone;
    // The UID stays the same when a talk only moves, so that a calendar that imports the
    // file again updates the event instead of adding a second one.
    QHash<QString, int> schonDa;
    for (const int i : liste.TermineDerFamilie[size_t(f)]) {
        const TTermin& t = liste.Termine[size_t(i)];
        const QString schluessel = tag + u'\n' + Namen::Schluessel(t.Eintrag) + u'\n' + Namen::Schluessel(t.Lehrkraft);
        const int n = ++schonDa[schluessel];
        const QByteArray hash = QCryptographicHash::hash(schluessel.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
        QString uid = QStringLiteral("elternsprechtag-") + tag + u'-' + QString::fromLatin1(hash);
        if (n > 1)
            uid += u'-' + QString::number(n);
        aus += "BEGIN:VEVENT\r\n";
        aus += Falte(QStringLiteral("UID:") + uid + QStringLiteral("@kalumo"));
        aus += Falte(QStringLiteral("DTSTAMP:") + dtstamp);
        aus += Falte(QStringLiteral("DTSTART;TZID=Europe/Berlin:") + ortszeit(datum, t.Beginn));
        aus += Falte(QStringLiteral("DTEND;TZID=Europe/Berlin:") + ortszeit(datum, t.Ende));
        aus += Falte(QStringLiteral("SUMMARY:") + Text(QStringLiteral("Elternsprechtag: ") + t.Lehrkraft));
        if (!t.Raum.isEmpty())
            aus += Falte(QStringLiteral("LOCATION:") + Text(t.Raum));
        aus += Falte(QStringLiteral("DESCRIPTION:") + Text(QStringLiteral("Für ") + t.Eintrag));
        aus += "END:VEVENT\r\n";
    }
    aus += "END:VCALENDAR\r\n";
    return aus;
}

QString Kuerze(const QString& text, int bytes)
{
    if (QFile::encodeName(text).size() <= bytes)
        return text;
    // Cut between user-perceived characters only, so that no accent or surrogate half
    // is left dangling at the end.
    QTextBoundaryFinder grenzen(QTextBoundaryFinder::Grapheme, text);
    qsizetype gut = 0;
    for (qsizetype p = grenzen.toNextBoundary(); p > 0; p = grenzen.toNextBoundary()) {
        if (QFile::encodeName(text.left(p)).size() > bytes)
            break;
        gut = p;
    }
    return text.left(gut);
}

QString Dateiname(const QString& eintrag)
{
    static const QString verboten = QStringLiteral("/\\:*?\"<>|");
    QString n;
    for (const QChar c : eintrag)
        n += c.unicode() < 0x20 || c.unicode() == 0x7f || verboten.contains(c) ? QChar(u' ') : c;
    n = n.simplified();
    while (n.startsWith(u'.'))
        n.remove(0, 1);
    n = ohneEnde(Kuerze(n, MaxDateinameBytes - int(Endung.size())));
    if (n.isEmpty())
        return QStringLiteral("Familie");
    // Windows refuses these names with any extension.
    static const QSet<QString> geraete = [] {
        QSet<QString> s{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"), QStringLiteral("NUL")};
        for (int i = 1; i <= 9; ++i) {
            s.insert(QStringLiteral("COM%1").arg(i));
            s.insert(QStringLiteral("LPT%1").arg(i));
        }
        return s;
    }();
    if (geraete.contains(n.toUpper()))
        n += u'_';
    return n;
}

QStringList Dateinamen(const TTerminListe& liste, const TSprechtag& tag)
{
    QStringList namen;
    QSet<QString> belegt;
    for (const auto& familie : liste.Familien) {
        const QString basis = Dateiname(tag.Eltern.Name(familie.front()));
        QString name = basis;
        for (int n = 2; belegt.contains(name.toCaseFolded()); ++n) {
            // The number must fit within the cap too: the name gives way to it.
            const QString zusatz = QStringLiteral(" (%1)").arg(n);
            const int platz = MaxDateinameBytes - int(Endung.size()) - int(QFile::encodeName(zusatz).size());
            name = ohneEnde(Kuerze(basis, platz)) + zusatz;
        }
        belegt.insert(name.toCaseFolded());
        namen.append(name);
    }
    return namen;
}

} // namespace Kalender
