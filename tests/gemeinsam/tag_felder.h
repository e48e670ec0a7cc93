#pragma once
// Every field a data file stores, written out one line per field ("where: value"), so that
// two days can be compared field by field and a difference names the field. Times are
// written with all digits: a value that only nearly survives a round trip shows.

#include "model/sprechtag.h"

#include <QMap>
#include <QStringList>

namespace TagFelder {

inline QString Zahl(double d)
{
    return QString::number(d, 'g', 17);
}

inline QString Ja(bool b)
{
    return b ? QStringLiteral("ja") : QStringLiteral("nein");
}

inline QString Liste(const QStringList& l)
{
    return QStringLiteral("[") + l.join(QStringLiteral(" | ")) + QStringLiteral("] (%1)").arg(l.size());
}

/// The stored fields of one teacher, without the name.
inline QMap<QString, QString> Felder(const TLehrer& l)
{
    return {
        {QStringLiteral("AbweichZeit"), Ja(l.AbweichZeit)},
        {QStringLiteral("StartZeit"), Zahl(l.StartZeit)},
        {QStringLiteral("EndZeit"), Zahl(l.EndZeit)},
        {QStringLiteral("Ablehnungen"), Liste(l.Ablehnungen)},
        {QStringLiteral("Zeitplan"), Liste(l.Zeitplan)},
    };
}

/// The stored fields of one parent entry, without the name.
inline QMap<QString, QString> Felder(const TEltern& e)
{
    return {
        {QStringLiteral("Geschwister"), Liste(e.Geschwister.Liste())},
        {QStringLiteral("Sprechwuensche"), Liste(e.Sprechwuensche)},
        {QStringLiteral("NichtVor"), Ja(e.NichtVor)},
        {QStringLiteral("NichtVorZeit"), Zahl(e.NichtVorZeit)},
        {QStringLiteral("NichtNach"), Ja(e.NichtNach)},
        {QStringLiteral("NichtNachZeit"), Zahl(e.NichtNachZeit)},
        {QStringLiteral("Zeitplan"), Liste(e.Zeitplan.Liste())},
    };
}

/// The stored fields of one break.
inline QMap<QString, QString> Felder(const TPause& p)
{
    return {{QStringLiteral("Start"), Zahl(p.Start())}, {QStringLiteral("Dauer"), Zahl(p.Dauer())}};
}

/// The settings of the day that are not records.
inline QMap<QString, QString> Einstellungen(const TSprechtag& t)
{
    QMap<QString, QString> f{
        {QStringLiteral("SprechStart"), Zahl(t.Vorgaben.SprechStart)},
        {QStringLiteral("SprechEnde"), Zahl(t.Vorgaben.SprechEnde)},
        {QStringLiteral("SprechTakt"), QString::number(t.Vorgaben.SprechTakt)},
        {QStringLiteral("RaumwechselPause"), Ja(t.Vorgaben.RaumwechselPause)},
        {QStringLiteral("Vorschau.Gewuenscht"), Ja(t.Vorschau.Gewuenscht)},
        {QStringLiteral("Vorschau.Brief"), Liste(t.Vorschau.Brief)},
        {QStringLiteral("Vorschau.FuerAlleLehrer"), Ja(t.Vorschau.FuerAlleLehrer)},
        {QStringLiteral("Plan.Headline2"), t.Plan.Headline2},
        {QStringLiteral("Plan.Fussnote"), Ja(t.Plan.Fussnote)},
        {QStringLiteral("Plan.LehrerFmt"), QString::number(t.Plan.LehrerFmt)},
        {QStringLiteral("Plan.ElternFmt"), QString::number(t.Plan.ElternFmt)},
        {QStringLiteral("Plan.ElternBrief"), Liste(t.Plan.ElternBrief)},
        {QStringLiteral("Statistik.NichtErtBox"), Liste(t.Statistik().NichtErtBox)},
        {QStringLiteral("PlaeneGueltig"), Ja(t.PlaeneGueltig)},
        {QStringLiteral("FreieTermineAnzeigen"), Ja(t.FreieTermineAnzeigen)},
    };
    for (int i = 0; i < TStatistikTexte::AnzahlFelder; ++i)
        f.insert(QStringLiteral("Statistik.Texte[%1]").arg(i), t.Statistik().Texte[size_t(i)]);
    return f;
}

/// The whole day: key "Lehrer „name“.Feld", "Eltern „name“.Feld", "Pause 2.Feld" or the
/// setting's name.
inline QMap<QString, QString> Alle(const TSprechtag& t)
{
    QMap<QString, QString> alle = Einstellungen(t);
    auto dazu = [&alle](const QString& wo, const QMap<QString, QString>& felder) {
        for (auto it = felder.begin(); it != felder.end(); ++it)
            alle.insert(wo + QLatin1Char('.') + it.key(), it.value());
    };
    for (const auto& l : t.Lehrer)
        dazu(QStringLiteral("Lehrer „%1“").arg(l.name), Felder(*l.record));
    for (const auto& e : t.Eltern)
        dazu(QStringLiteral("Eltern „%1“").arg(e.name), Felder(*e.record));
    for (size_t i = 0; i < t.Pausen.size(); ++i)
        dazu(QStringLiteral("Pause %1").arg(i + 1), Felder(*t.Pausen[i]));
    alle.insert(QStringLiteral("Lehrer (Namen)"), Liste(t.Lehrer.Namen()));
    alle.insert(QStringLiteral("Eltern (Namen)"), Liste(t.Eltern.Namen()));
    return alle;
}

/// The fields in which the two days differ, one line each ("where: a ≠ b"); empty when
/// every field is equal.
inline QStringList Unterschiede(const TSprechtag& a, const TSprechtag& b)
{
    const QMap<QString, QString> fa = Alle(a), fb = Alle(b);
    QStringList u;
    QStringList schluessel = fa.keys() + fb.keys();
    schluessel.removeDuplicates();
    schluessel.sort();
    for (const QString& k : schluessel) {
        const QString va = fa.value(k, QStringLiteral("(fehlt)")), vb = fb.value(k, QStringLiteral("(fehlt)"));
        if (va != vb)
            u << k + QStringLiteral(": ") + va + QStringLiteral(" ≠ ") + vb;
    }
    return u;
}

/// The fields of `reich` that still hold the value of `standard` (for a fixture that is meant
/// to differ from the defaults everywhere).
inline QStringList GleichWieStandard(const QMap<QString, QString>& fr, const QMap<QString, QString>& fs)
{
    QStringList gleich;
    for (auto it = fr.begin(); it != fr.end(); ++it)
        if (fs.value(it.key()) == it.value())
            gleich << it.key();
    return gleich;
}

} // namespace TagFelder
