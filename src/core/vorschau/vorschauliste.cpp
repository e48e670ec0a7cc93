#include "vorschau/vorschauliste.h"

#include "bearbeiten/vorrang.h"
#include "berechnung/planregeln.h"
#include "dateisystem/schreiben.h"
#include "model/namen.h"
#include "raster/tagesraster.h"
#include "text/cp1252.h"
#include "vorschau/kapazitaet.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace Vorschauliste {

TBriefWerte BriefWerte(const TSprechtag& tag, const TLehrer& lehrer)
{
    TBriefWerte w;
    w.sprechTakt = tag.Vorgaben.SprechTakt;
    w.start = Zeit::Anzeige(Raster::LehrerStart(tag, lehrer));
    w.ende = Zeit::Anzeige(Raster::LehrerEnde(tag, lehrer));
    w.kapazitaet = Raster::FreieSlots(tag, lehrer);
    return w;
}

static void ersetzeAlle(QString& zeile, QLatin1StringView platzhalter, const QString& wert)
{
    // Always the leftmost occurrence again, so that a placeholder formed anew by a
    // replacement is found as well; the values are digits and colons, so this ends.
    for (qsizetype i = zeile.indexOf(platzhalter); i >= 0; i = zeile.indexOf(platzhalter))
        zeile.replace(i, platzhalter.size(), wert);
}

QString BriefZeile(const QString& zeile, const TBriefWerte& werte)
{
    QString s = zeile;
    ersetzeAlle(s, QLatin1StringView("%A"), QString::number(werte.sprechTakt));
    ersetzeAlle(s, QLatin1StringView("%B"), werte.start);
    ersetzeAlle(s, QLatin1StringView("%C"), werte.ende);
    ersetzeAlle(s, QLatin1StringView("%D"), QString::number(werte.kapazitaet));
    return s;
}

bool IstBetroffen(const TSprechtag& tag, const QString& name, const TLehrer& lehrer)
{
    // With joint talks siblings need one slot, as the capacity preview counts them.
    const qsizetype l = tag.GemeinsameGespraeche ? tag.Lehrer.IndexVon(name) : -1;
    const int nachfrage = l >= 0 ? NachfrageJeLehrer(tag)[size_t(l)] : tag.AnzWuensche(name);
    return Planregeln::IstUeberbucht(nachfrage, Raster::FreieSlots(tag, lehrer));
}

QStringList ZeilenFuerLehrer(const TSprechtag& tag, const QString& name, const TLehrer& lehrer)
{
    const TBriefWerte w = BriefWerte(tag, lehrer);
    QStringList z;
    auto schreibe = [&](const QString& zeile) { z.append(BriefZeile(zeile, w)); };
    schreibe(QStringLiteral("KALUMO"));
    schreibe(QString());
    schreibe(QStringLiteral("Lehrer(in): ") + name);
    schreibe(QString());
    for (const QString& briefzeile : tag.Vorschau.Brief)
        schreibe(briefzeile);
    schreibe(QString());
    int nr = 0;
    for (const auto& e : tag.Eltern) {
        const bool fragt = std::any_of(e.record->Sprechwuensche.cbegin(), e.record->Sprechwuensche.cend(),
                                       [&](const QString& wunsch) { return Namen::Gleich(wunsch, name); });
        if (!fragt)
            continue;
        // The teacher sees at a glance whom they invited themselves.
        const bool eingeladen = Prioritaet(*e.record, name) == TPrioritaet::Einladung;
        schreibe(QString::number(++nr) + QStringLiteral(".  ") + e.name
                 + (eingeladen ? QStringLiteral("  (Einladung)") : QString()));
    }
    schreibe(QStringLiteral("\f"));
    return z;
}

QStringList Zeilen(const TSprechtag& tag, bool alle)
{
    QStringList z;
    for (const auto& l : tag.Lehrer)
        if (alle || IstBetroffen(tag, l.name, *l.record))
            z += ZeilenFuerLehrer(tag, l.name, *l.record);
    return z;
}

QByteArray Bytes(const QStringList& zeilen)
{
    QByteArray b;
    for (const QString& z : zeilen) {
        b += Cp1252::Kodiere(z);
        b += "\r\n";
    }
    return b;
}

std::optional<QString> SchreibeDatei(const QString& pfad, const QStringList& zeilen)
{
    // A character the code page cannot hold would silently turn into '?' on paper.
    for (const QString& z : zeilen) {
        if (const auto c = Cp1252::ErstesFremdesZeichen(z)) {
            return QStringLiteral("Der Text enthält das Zeichen %1, das Kalumo nicht in eine Textdatei schreiben "
                                  "kann.\rBitte entfernen Sie es aus dem Einleitungstext.")
                .arg(Cp1252::ZeichenBeschreibung(*c));
        }
    }
    const QString grund = Dateisystem::SchreibeAtomar(pfad, Bytes(zeilen));
    if (!grund.isEmpty())
        return Dateisystem::NichtGespeichert(pfad, grund);
    return std::nullopt;
}

QString DateiMeldung(const QString& pfad)
{
    return QStringLiteral("Die Vorschaulisten wurden in der Datei ")
        + QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath())
        + QStringLiteral(" gespeichert, die Sie nur noch auszudrucken brauchen...");
}

QString DruckMeldung()
{
    return QStringLiteral("Die Vorschaulisten wurden gedruckt...");
}

} // namespace Vorschauliste
