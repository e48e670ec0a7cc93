#include "termine/termine.h"

#include "model/namen.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace Termine {

QString Raum(const QString& lehrer)
{
    const qsizetype zu = lehrer.lastIndexOf(u')');
    if (zu < 0)
        return {};
    const qsizetype auf = lehrer.lastIndexOf(u'(', zu);
    if (auf < 0)
        return {};
    return lehrer.mid(auf + 1, zu - auf - 1).trimmed();
}

QString Uhrzeit(int minuten)
{
    const int m = ((minuten % 1440) + 1440) % 1440;
    return QStringLiteral("%1:%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
}

namespace {

int wurzel(std::vector<int>& v, int i)
{
    while (v[size_t(i)] != i) {
        v[size_t(i)] = v[size_t(v[size_t(i)])];
        i = v[size_t(i)];
    }
    return i;
}

} // namespace

TTerminListe Lies(const TSprechtag& tag)
{
    // The label the computation writes, "hh:nn Uhr: "; anything else was typed by hand and
    // carries no time we could trust. A name may hold any character, a line break too.
    static const QRegularExpression zeile(QStringLiteral("^([0-9][0-9]):([0-9][0-9]) Uhr: (.*)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    // A line that begins with a time is meant as a talk, even when typed by hand.
    static const QRegularExpression mitZeit(QStringLiteral("^\\s*[0-9]{1,2}[:.][0-9]{1,2}(?![0-9])"));
    TTerminListe liste;
    const int takt = tag.Vorgaben.SprechTakt;
    const int anzahl = int(tag.Eltern.Anzahl());

    std::vector<int> erste(size_t(anzahl) + 1, 0);
    for (int e = 0; e < anzahl; ++e) {
        erste[size_t(e)] = int(liste.Termine.size());
        for (const QString& text : tag.Eltern.Record(e).Zeitplan) {
            const QRegularExpressionMatch m = zeile.match(text);
            const QString partner = m.hasMatch() ? m.captured(3).trimmed() : QString();
            if (!m.hasMatch() || partner.isEmpty()) {
                if (partner.isEmpty() && !m.hasMatch() && mitZeit.match(text).hasMatch())
                    liste.Fehlend.push_back({tag.Eltern.Name(e), text,
                                             QStringLiteral("die Uhrzeit nicht die Form „hh:mm Uhr: “ hat")});
                else
                    ++liste.Uebersprungen;
                continue;
            }
            const int stunde = m.captured(1).toInt();
            if (stunde > 23 || m.captured(2).toInt() > 59) {
                liste.Fehlend.push_back({tag.Eltern.Name(e), text,
                                         QStringLiteral("es die Uhrzeit „%1:%2“ nicht gibt")
                                             .arg(m.captured(1), m.captured(2))});
                continue;
            }
            if (partner.startsWith(QLatin1String("[ ")) && partner.endsWith(QLatin1String(" ]")))
                continue;
            const int beginn = stunde * 60 + m.captured(2).toInt();
            liste.Termine.push_back({tag.Eltern.Name(e), partner, Raum(partner), beginn, beginn + takt});
        }
        // Hand-edited plans keep their sorted order by text, which is chronological for
        // well-formed labels; stable sort keeps two talks at one time in plan order.
        std::stable_sort(liste.Termine.begin() + erste[size_t(e)], liste.Termine.end(),
                         [](const TTermin& a, const TTermin& b) { return a.Beginn < b.Beginn; });
    }
    erste[size_t(anzahl)] = int(liste.Termine.size());

    // Families are the connected groups of sibling marks; a loaded file need not hold
    // them as cliques.
    QHash<QString, int> index;
    for (int e = 0; e < anzahl; ++e)
        index.insert(Namen::Schluessel(tag.Eltern.Name(e)), e);
    std::vector<int> vorfahr(static_cast<size_t>(anzahl));
    std::iota(vorfahr.begin(), vorfahr.end(), 0);
    for (int e = 0; e < anzahl; ++e)
        for (const QString& g : tag.Eltern.Record(e).Geschwister) {
            const int s = index.value(Namen::Schluessel(g), -1);
            if (s >= 0)
                vorfahr[size_t(wurzel(vorfahr, e))] = wurzel(vorfahr, s);
        }
    // A family gets a calendar when any member has a talk; its name comes from its first
    // entry, with or without talks, so that a re-export after a change keeps the file name.
    std::vector<char> mitTermin(size_t(anzahl), 0);
    for (int e = 0; e < anzahl; ++e)
        if (erste[size_t(e)] != erste[size_t(e) + 1])
            mitTermin[size_t(wurzel(vorfahr, e))] = 1;
    QHash<int, int> familieVon;
    for (int e = 0; e < anzahl; ++e) {
        const int w = wurzel(vorfahr, e);
        if (!mitTermin[size_t(w)])
            continue;
        auto it = familieVon.constFind(w);
        if (it == familieVon.cend()) {
            it = familieVon.insert(w, int(liste.Familien.size()));
            liste.Familien.emplace_back();
            liste.TermineDerFamilie.emplace_back();
        }
        liste.Familien[size_t(*it)].push_back(e);
        auto& termine = liste.TermineDerFamilie[size_t(*it)];
        for (int t = erste[size_t(e)]; t < erste[size_t(e) + 1]; ++t)
            termine.push_back(t);
    }
    for (auto& termine : liste.TermineDerFamilie)
        std::stable_sort(termine.begin(), termine.end(), [&liste](int a, int b) {
            return liste.Termine[size_t(a)].Beginn < liste.Termine[size_t(b)].Beginn;
        });
    return liste;
}

} // namespace Termine
