#include "termine/termincsv.h"

#include <QStringBuilder>

namespace Termine {

QString CsvFeld(const QString& text)
{
    static const QString formelAnfang = QStringLiteral("=+-@\t\r");
    const bool formel = !text.isEmpty() && formelAnfang.contains(text.front());
    const bool quoten = formel || text.contains(u';') || text.contains(u'"') || text.contains(u'\n')
                        || text.contains(u'\r') || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoten)
        return text;
    QString q = formel ? u'\'' + text : text;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' % q % u'"';
}

QByteArray Csv(const TTerminListe& liste)
{
    QString text = QStringLiteral("Beginn;Ende;Lehrkraft;Raum;Eintrag\r\n");
    for (const TTermin& t : liste.Termine)
        text += Uhrzeit(t.Beginn) % u';' % Uhrzeit(t.Ende) % u';' % CsvFeld(t.Lehrkraft) % u';' % CsvFeld(t.Raum)
                % u';' % CsvFeld(t.Eintrag) % QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace Termine
