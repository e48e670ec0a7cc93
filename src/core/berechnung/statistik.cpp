#include "berechnung/statistik.h"

#include "model/namen.h"

#include <QHash>
#include <QLocale>
#include <QStringBuilder>
#include <algorithm>

namespace {

const QString Trenner = QStringLiteral("  --  ");
const QString Abgelehnt = QStringLiteral("      (abgelehnt)");
const QString Zeitmangel = QStringLiteral("      (Zeitmangel)");

/// The partner's name in a plan line: everything after the 11-character label.
QStringView Partner(const QString& zeile)
{
    return QStringView(zeile).mid(std::min<qsizetype>(11, zeile.size()));
}

bool LehntAb(const TLehrer* l, const QString& eltern)
{
    if (!l)
        return false;
    for (const QString& a : l->Ablehnungen)
        if (Namen::Gleich(a, eltern))
            return true;
    return false;
}

/// Talks that a joint talk of siblings counts more than once in the parents' plans: an
/// own line that a sibling earlier in the list holds as well is the same talk.
int GemeinsameMehrfach(const TSprechtag& tag)
{
    int mehrfach = 0;
    for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i) {
        const TEltern& e = tag.Eltern.Record(i);
        for (const QString& zeile : e.Zeitplan) {
            const QStringView rest = Partner(zeile);
            if (rest.startsWith(u"[ ") && rest.endsWith(u" ]"))
                continue;
            for (const QString& g : e.Geschwister) {
                const qsizetype s = tag.Eltern.IndexVon(g);
                if (s < 0 || s >= i)
                    continue;
                bool gleich = false;
                for (const QString& andere : tag.Eltern.Record(s).Zeitplan)
                    gleich = gleich
                        || (QStringView(andere).left(11) == QStringView(zeile).left(11)
                            && Partner(andere).compare(rest, Qt::CaseInsensitive) == 0);
                if (gleich) {
                    ++mehrfach;
                    break;
                }
            }
        }
    }
    return mehrfach;
}

} // namespace

TStatistikWerte BerechneStatistik(const TSprechtag& tag)
{
    TStatistikWerte w;
    // The running sum is a 32-bit float as well; each share is added in extended
    // precision and rounded back, so that the averages come out as they always have.
    float erfuellung = 0;

    // Plan lines and requests normally spell a teacher exactly as the list does; the exact
    // look-up saves the case folding, which the collection's own look-up then does for
    // the rest.
    QHash<QString, const TLehrer*> genau;
    genau.reserve(tag.Lehrer.Anzahl());
    for (const auto& l : tag.Lehrer)
        genau.insert(l.name, l.record.get());
    auto lehrer = [&](const QString& name) -> const TLehrer* {
        const auto it = genau.constFind(name);
        return it != genau.cend() ? *it : tag.Lehrer.Suche(name);
    };

    for (const auto& eintrag : tag.Eltern) {
        const QString& name = eintrag.name;
        const TEltern& e = *eintrag.record;

        int eigene = 0;
        for (const QString& zeile : e.Zeitplan)
            if (lehrer(Partner(zeile).toString()))
                ++eigene;
        const qsizetype r = e.Sprechwuensche.size();
        if (r > 0)
            erfuellung = float(static_cast<long double>(erfuellung) + static_cast<long double>(eigene) / r);
        else
            erfuellung = float(static_cast<long double>(erfuellung) + 1.0L);

        for (const QString& wunsch : e.Sprechwuensche) {
            ++w.Wuensche;
            bool erfuellt = false;
            for (const QString& zeile : e.Zeitplan) {
                if (Partner(zeile) == wunsch) {
                    erfuellt = true;
                    ++w.Erteilt;
                }
            }
            if (!LehntAb(lehrer(wunsch), name)) {
                ++w.NichtAbgelehnt;
                if (!erfuellt) {
                    ++w.Zeitmangel;
                    w.NichtErfuellt.append(wunsch % Trenner % name % Zeitmangel);
                }
            } else {
                ++w.Abgelehnt;
                if (!erfuellt)
                    w.NichtErfuellt.append(wunsch % Trenner % name % Abgelehnt);
            }
            if (!erfuellt)
                ++w.NichtErteilt;
        }
    }

    const qsizetype nE = tag.Eltern.Anzahl();
    const qsizetype nL = tag.Lehrer.Anzahl();
    if (nE > 0) {
        w.Erfuellung = float(static_cast<long double>(erfuellung) / nE);
        w.WuenschePerEltern = float(static_cast<long double>(w.Wuensche) / nE);
        w.TerminePerEltern = float(static_cast<long double>(w.Erteilt) / nE);
    }
    // A joint talk of siblings is one talk for the teacher and one per entry.
    const int lehrerTermine = w.Erteilt - (tag.GemeinsameGespraeche ? GemeinsameMehrfach(tag) : 0);
    if (nL > 0)
        w.TerminePerLehrer = float(static_cast<long double>(lehrerTermine) / nL);

    // The window's list is sorted by the whole line (so grouped by teacher), keeping lines
    // that compare equal in the order they were found.
    Namen::SortiereStabil(w.NichtErfuellt);
    return w;
}

QString StatistikZahl(double wert)
{
    QLocale deutsch(QLocale::German, QLocale::Germany);
    deutsch.setNumberOptions(QLocale::OmitGroupSeparator);
    return deutsch.toString(wert, 'f', 2).rightJustified(3, u' ');
}

void ErstelleStatistik(const TSprechtag& tag, TStatistikTexte& texte)
{
    const TStatistikWerte w = BerechneStatistik(tag);
    auto& t = texte.Texte;
    t[TStatistikTexte::Wue] = QString::number(w.Wuensche);
    t[TStatistikTexte::Erteilt] = QString::number(w.Erteilt);
    t[TStatistikTexte::NichtErteilt] = QString::number(w.NichtErteilt);
    t[TStatistikTexte::Abgelehnt] = QString::number(w.Abgelehnt);
    t[TStatistikTexte::NichtAbg] = QString::number(w.NichtAbgelehnt);
    t[TStatistikTexte::Zeitmangel] = QString::number(w.Zeitmangel);
    t[TStatistikTexte::WuePerElt] = StatistikZahl(w.WuenschePerEltern);
    t[TStatistikTexte::ErfPerElt] = StatistikZahl(double(w.Erfuellung) * 100.0) + QStringLiteral("%");
    t[TStatistikTexte::TermPerElt] = StatistikZahl(w.TerminePerEltern);
    t[TStatistikTexte::TermPerLeh] = StatistikZahl(w.TerminePerLehrer);
    texte.NichtErtBox = w.NichtErfuellt;
}
