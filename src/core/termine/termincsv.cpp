#include "termine/termincsv.h"

#include <QStringBuilder>

namespace Termine {

QString CsvFeld(const QString& roh)
{
    static const QString formelAnfang = QStringLiteral("=+-@\t\r");
    QString text = roh;
    for (QChar& c : text)
        if ((c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c.unicode() == 0x7f)
            c = u' ';
    const bool formel = !text.isEmpty() && formelAnfang.contains(text.front());
    const bool quoten = formel || text.contains(u';') || text.contains(u'"') || text.contains(u'\n')
                        || text.contains(u'\r') || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoten)
        return text;
    QString q = formel ? u'\'' + text : text;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' % q % u'"';
}

QByteArray Csv(const TTerminListe& liste, QDate datum)
{
    QString text = QStringLiteral("Datum;Beginn;Ende;Lehrkraft;Raum;Eintrag\r\n");
    const QString tag = datum.toString(QStringLiteral("dd.MM.yyyy")) + u';';
    for (const TTermin& t : liste.Termine)
        text += tag % Uhrzeit(t.Beginn) % u';' % Uhrzeit(t.Ende) % u';' % CsvFeld(t.Lehrkraft) % u';' % CsvFeld(t.Raum)
                % u';' % CsvFeld(t.Eintrag) % QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace Termine
