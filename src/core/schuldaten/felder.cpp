#include "schuldaten/felder.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace Schuldaten {
namespace {

struct TAlias {
    TFeld feld;
    QStringList namen; // already folded
};

QList<TAlias> aliase(TQuellArt art)
{
    const TAlias nachname{TFeld::Nachname,
                          {u"nachname"_qs, u"familienname"_qs, u"name"_qs, u"langname"_qs, u"schuelernachname"_qs,
                           u"lastname"_qs}};
    const TAlias vorname{TFeld::Vorname, {u"vorname"_qs, u"rufname"_qs, u"schuelerrufname"_qs, u"firstname"_qs}};
    const TAlias klasse{TFeld::Klasse,
                        {u"klasse"_qs, u"klassenbezeichnung"_qs, u"gruppebezeichnung"_qs, u"klasse/kurs"_qs}};
    const TAlias kuerzel{TFeld::Kuerzel, {u"kuerzel"_qs, u"lehkuerzel"_qs, u"lehrerkuerzel"_qs}};
    const TAlias raum{TFeld::Raum, {u"raum"_qs, u"raumnummer"_qs, u"stammraum"_qs, u"zimmer"_qs}};
    const TAlias titel{TFeld::Titel, {u"titel"_qs}};
    // A pupil's number tells namesakes apart; a wish form's own row counter ("Nr") is
    // no pupil number.
    const TAlias nummer{TFeld::Schuelernummer, {u"schuelernummer"_qs, u"schuelernr"_qs, u"schuelerid"_qs}};
    const TAlias nummerListe{TFeld::Schuelernummer,
                             {u"schuelernummer"_qs, u"schuelernr"_qs, u"schuelerid"_qs, u"nummer"_qs, u"id"_qs}};
    switch (art) {
    case TQuellArt::Lehrer:
        return {nachname, vorname, kuerzel, raum, titel};
    case TQuellArt::Schueler:
        return {nachname, vorname, klasse, nummerListe};
    case TQuellArt::Unterricht:
        return {klasse,
                {TFeld::Kuerzel, {u"kuerzel"_qs, u"lehkuerzel"_qs, u"lehrerkuerzel"_qs, u"lehrer"_qs}},
                {TFeld::Fach, {u"fach"_qs, u"fachkuerzel"_qs, u"fachbezeichnung"_qs}}};
    case TQuellArt::Wuensche:
        return {nachname, vorname, klasse, nummer,
                {TFeld::Eintrag, {u"eintrag"_qs, u"elterneintrag"_qs, u"schueler"_qs, u"schuelername"_qs}},
                {TFeld::Wunsch,
                 {u"wuensche"_qs, u"sprechwuensche"_qs, u"gespraechswuensche"_qs, u"lehrer"_qs, u"lehrkraefte"_qs,
                  u"lehrkraft"_qs}},
                {TFeld::Prioritaet, {u"prioritaet"_qs, u"wichtig"_qs, u"vorrang"_qs}}};
    }
    return {};
}

bool istNummerierterWunsch(const QString& gefaltet)
{
    static const QRegularExpression muster(QStringLiteral("^(wunsch|lehrer|lehrkraft|sprechwunsch)\\d+$"));
    return muster.match(gefaltet).hasMatch();
}

} // namespace

QString ArtName(TQuellArt art)
{
    switch (art) {
    case TQuellArt::Lehrer:
        return QStringLiteral("Lehrer");
    case TQuellArt::Schueler:
        return QStringLiteral("Schüler");
    case TQuellArt::Unterricht:
        return QStringLiteral("Unterricht");
    case TQuellArt::Wuensche:
        break;
    }
    return QStringLiteral("Sprechwünsche");
}

QString ArtSchluessel(TQuellArt art)
{
    switch (art) {
    case TQuellArt::Lehrer:
        return QStringLiteral("lehrer");
    case TQuellArt::Schueler:
        return QStringLiteral("schueler");
    case TQuellArt::Unterricht:
        return QStringLiteral("unterricht");
    case TQuellArt::Wuensche:
        break;
    }
    return QStringLiteral("wuensche");
}

QString FeldName(TFeld feld)
{
    switch (feld) {
    case TFeld::Keins:
        return QStringLiteral("(nicht verwenden)");
    case TFeld::Nachname:
        return QStringLiteral("Nachname");
    case TFeld::Vorname:
        return QStringLiteral("Vorname");
    case TFeld::Klasse:
        return QStringLiteral("Klasse");
    case TFeld::Kuerzel:
        return QStringLiteral("Kürzel");
    case TFeld::Raum:
        return QStringLiteral("Raum");
    case TFeld::Titel:
        return QStringLiteral("Titel");
    case TFeld::Fach:
        return QStringLiteral("Fach");
    case TFeld::Eintrag:
        return QStringLiteral("Eintrag (ganzer Name)");
    case TFeld::Wunsch:
        return QStringLiteral("Wunsch");
    case TFeld::Schuelernummer:
        return QStringLiteral("Schülernummer");
    case TFeld::Prioritaet:
        return QStringLiteral("Priorität");
    }
    return {};
}

QList<TFeld> FelderFuer(TQuellArt art)
{
    switch (art) {
    case TQuellArt::Lehrer:
        return {TFeld::Keins, TFeld::Nachname, TFeld::Vorname, TFeld::Kuerzel, TFeld::Raum, TFeld::Titel};
    case TQuellArt::Schueler:
        return {TFeld::Keins, TFeld::Nachname, TFeld::Vorname, TFeld::Klasse, TFeld::Schuelernummer};
    case TQuellArt::Unterricht:
        return {TFeld::Keins, TFeld::Klasse, TFeld::Kuerzel, TFeld::Fach};
    case TQuellArt::Wuensche:
        break;
    }
    return {TFeld::Keins,   TFeld::Klasse, TFeld::Nachname, TFeld::Vorname, TFeld::Schuelernummer,
            TFeld::Eintrag, TFeld::Wunsch, TFeld::Prioritaet};
}

int SpalteVon(const TZuordnung& z, TFeld feld)
{
    return int(z.indexOf(feld));
}

QList<int> SpaltenVon(const TZuordnung& z, TFeld feld)
{
    QList<int> s;
    for (int i = 0; i < z.size(); ++i)
        if (z[i] == feld)
            s.append(i);
    return s;
}

QString Falte(const QString& text)
{
    QString f;
    f.reserve(text.size());
    for (const QChar c : text.toLower()) {
        switch (c.unicode()) {
        case u'ä':
            f += u"ae";
            break;
        case u'ö':
            f += u"oe";
            break;
        case u'ü':
            f += u"ue";
            break;
        case u'ß':
            f += u"ss";
            break;
        case u' ':
        case u'_':
        case u'-':
        case u'.':
            break;
        default:
            f += c;
        }
    }
    return f;
}

std::optional<TFeld> FeldAusKopf(const QString& kopf, TQuellArt art)
{
    const QString f = Falte(kopf.trimmed());
    if (f.isEmpty())
        return std::nullopt;
    if (art == TQuellArt::Wuensche && istNummerierterWunsch(f))
        return TFeld::Wunsch;
    for (const TAlias& a : aliase(art))
        if (a.namen.contains(f))
            return a.feld;
    return std::nullopt;
}

TZuordnung ZuordnungAusKopf(const QStringList& kopf, TQuellArt art)
{
    TZuordnung z;
    z.reserve(kopf.size());
    bool vergeben[int(TFeld::Prioritaet) + 1] = {};
    for (const QString& k : kopf) {
        const auto feld = FeldAusKopf(k, art);
        // A second column of a single meaning ("Name" beside "Nachname") stays unused.
        const bool nimm = feld && (*feld == TFeld::Wunsch || !vergeben[int(*feld)]);
        z.append(nimm ? *feld : TFeld::Keins);
        if (nimm)
            vergeben[int(*feld)] = true;
    }
    return z;
}

bool SiehtAusWieKopf(const QStringList& felder, TQuellArt art)
{
    for (const QString& f : felder)
        if (FeldAusKopf(f, art))
            return true;
    return false;
}

std::optional<TQuellArt> StundenplanArt(const QString& pfad)
{
    const QString name = QFileInfo(pfad).completeBaseName().toUpper();
    if (name == u"GPU004")
        return TQuellArt::Lehrer;
    if (name == u"GPU010")
        return TQuellArt::Schueler;
    if (name == u"GPU002")
        return TQuellArt::Unterricht;
    return std::nullopt;
}

TZuordnung StundenplanZuordnung(TQuellArt art)
{
    // Positions are 1-based in the program's documentation.
    auto an = [](std::initializer_list<std::pair<int, TFeld>> stellen) {
        int n = 0;
        for (const auto& [p, f] : stellen)
            n = std::max(n, p);
        TZuordnung z(n, TFeld::Keins);
        for (const auto& [p, f] : stellen)
            z[p - 1] = f;
        return z;
    };
    switch (art) {
    case TQuellArt::Lehrer:
        return an({{1, TFeld::Kuerzel}, {2, TFeld::Nachname}, {5, TFeld::Raum}, {29, TFeld::Vorname}, {30, TFeld::Titel}});
    case TQuellArt::Schueler:
        return an({{2, TFeld::Nachname}, {8, TFeld::Vorname}, {9, TFeld::Schuelernummer}, {10, TFeld::Klasse}});
    case TQuellArt::Unterricht:
        return an({{5, TFeld::Klasse}, {6, TFeld::Kuerzel}, {7, TFeld::Fach}});
    case TQuellArt::Wuensche:
        break;
    }
    return {};
}

std::optional<TQuellArt> ArtAusKopf(const QStringList& kopf)
{
    auto hat = [&](TQuellArt art, TFeld feld) { return ZuordnungAusKopf(kopf, art).contains(feld); };
    if (hat(TQuellArt::Wuensche, TFeld::Wunsch))
        return TQuellArt::Wuensche;
    if (hat(TQuellArt::Unterricht, TFeld::Fach) && hat(TQuellArt::Unterricht, TFeld::Klasse))
        return TQuellArt::Unterricht;
    if (hat(TQuellArt::Schueler, TFeld::Klasse) && hat(TQuellArt::Schueler, TFeld::Nachname))
        return TQuellArt::Schueler;
    if (hat(TQuellArt::Lehrer, TFeld::Nachname) || hat(TQuellArt::Lehrer, TFeld::Kuerzel))
        return TQuellArt::Lehrer;
    return std::nullopt;
}

QString FehlendeSpalten(const TZuordnung& z, TQuellArt art)
{
    auto fehlt = [&](TFeld f) { return !z.contains(f); };
    auto satz = [](const QString& was) { return QStringLiteral("Keine Spalte ist als %1 zugeordnet.").arg(was); };
    switch (art) {
    case TQuellArt::Lehrer:
        if (fehlt(TFeld::Nachname) && fehlt(TFeld::Kuerzel))
            return satz(QStringLiteral("„Nachname“ oder „Kürzel“"));
        break;
    case TQuellArt::Schueler:
        if (fehlt(TFeld::Nachname))
            return satz(QStringLiteral("„Nachname“"));
        break;
    case TQuellArt::Unterricht:
        for (const TFeld f : {TFeld::Klasse, TFeld::Kuerzel, TFeld::Fach})
            if (fehlt(f))
                return satz(QStringLiteral("„%1“").arg(FeldName(f)));
        break;
    case TQuellArt::Wuensche:
        if (fehlt(TFeld::Eintrag) && fehlt(TFeld::Nachname))
            return satz(QStringLiteral("„Nachname“ oder „Eintrag (ganzer Name)“"));
        if (fehlt(TFeld::Wunsch))
            return satz(QStringLiteral("„Wunsch“"));
        break;
    }
    return {};
}

} // namespace Schuldaten

namespace Schuldaten {
namespace {

/// Stable keys for the settings file, independent of the captions.
const char* feldSchluessel(TFeld f)
{
    switch (f) {
    case TFeld::Keins:
        return "Keins";
    case TFeld::Nachname:
        return "Nachname";
    case TFeld::Vorname:
        return "Vorname";
    case TFeld::Klasse:
        return "Klasse";
    case TFeld::Kuerzel:
        return "Kuerzel";
    case TFeld::Raum:
        return "Raum";
    case TFeld::Titel:
        return "Titel";
    case TFeld::Fach:
        return "Fach";
    case TFeld::Eintrag:
        return "Eintrag";
    case TFeld::Wunsch:
        return "Wunsch";
    case TFeld::Schuelernummer:
        return "Schuelernummer";
    case TFeld::Prioritaet:
        return "Prioritaet";
    }
    return "Keins";
}

std::optional<TFeld> feldAusSchluessel(const QString& s)
{
    for (const TFeld f : {TFeld::Keins, TFeld::Nachname, TFeld::Vorname, TFeld::Klasse, TFeld::Kuerzel, TFeld::Raum,
                          TFeld::Titel, TFeld::Fach, TFeld::Eintrag, TFeld::Wunsch, TFeld::Schuelernummer,
                          TFeld::Prioritaet})
        if (s == QLatin1String(feldSchluessel(f)))
            return f;
    return std::nullopt;
}

} // namespace

QString ZuordnungAlsText(const TZuordnung& z, const QStringList& kopf)
{
    QStringList teile;
    for (int i = 0; i < z.size(); ++i) {
        // The separators of this format cannot be part of a remembered header.
        const QString k = i < kopf.size() ? kopf[i].trimmed() : QString();
        const bool mitKopf = !k.isEmpty() && !k.contains(QLatin1Char('|')) && !k.contains(QLatin1Char('='));
        // A header column the user left unused is remembered too, or its alias would
        // assign it again next time.
        if (z[i] == TFeld::Keins && !mitKopf)
            continue;
        teile << (mitKopf ? k : QStringLiteral("#%1").arg(i + 1)) + QLatin1Char('=')
                     + QLatin1String(feldSchluessel(z[i]));
    }
    return teile.join(QLatin1Char('|'));
}

std::optional<TZuordnung> ZuordnungAusText(const QString& text, const QStringList& kopf, int spalten,
                                           const TZuordnung& z)
{
    TZuordnung neu = z;
    while (neu.size() < spalten)
        neu.append(TFeld::Keins);
    // Header texts by their folded form, the last of equal texts winning: one look-up per
    // remembered column instead of a pass over all columns.
    QHash<QString, int> kopfIndex;
    kopfIndex.reserve(kopf.size());
    for (int i = 0; i < kopf.size(); ++i)
        kopfIndex.insert(Falte(kopf[i]), i);
    bool getroffen = false;
    for (const QString& teil : text.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const qsizetype gleich = teil.lastIndexOf(QLatin1Char('='));
        if (gleich <= 0)
            continue;
        const QString spalte = teil.left(gleich);
        const auto feld = feldAusSchluessel(teil.mid(gleich + 1));
        if (!feld)
            continue;
        int index = -1;
        if (spalte.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            index = spalte.mid(1).toInt(&ok) - 1;
            if (!ok || !kopf.isEmpty())
                index = -1;
        } else {
            index = kopfIndex.value(Falte(spalte), -1);
        }
        if (index < 0 || index >= neu.size())
            continue;
        // A single meaning moves to the remembered column.
        if (*feld != TFeld::Wunsch && *feld != TFeld::Keins)
            for (TFeld& f : neu)
                if (f == *feld)
                    f = TFeld::Keins;
        neu[index] = *feld;
        getroffen = true;
    }
    if (!getroffen)
        return std::nullopt;
    return neu;
}

} // namespace Schuldaten
