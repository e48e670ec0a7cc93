#include "datei/steuerzeichen_namen.h"

#include "model/namen.h"
#include "text/steuerzeichen.h"

#include <QDir>
#include <QHash>
#include <QSet>

namespace DateiSteuerzeichen {
namespace {

using TZuordnung = QHash<QString, QString>;

/// New names for the names of one collection that hold control characters.
TZuordnung neueNamen(const QStringList& namen, QList<QPair<QString, QString>>& geaendert)
{
    TZuordnung z;
    QSet<QString> vergeben;
    for (const QString& n : namen)
        if (!Steuerzeichen::Enthaelt(n))
            vergeben.insert(Namen::Schluessel(n));
    for (const QString& n : namen) {
        if (!Steuerzeichen::Enthaelt(n) || z.contains(n))
            continue;
        const QString basis = Steuerzeichen::DurchLeerzeichen(n);
        QString neu = basis;
        for (int i = 2; vergeben.contains(Namen::Schluessel(neu)); ++i)
            neu = QStringLiteral("%1 (%2)").arg(basis).arg(i);
        vergeben.insert(Namen::Schluessel(neu));
        z.insert(n, neu);
        geaendert.append({n, neu});
    }
    return z;
}

void ersetze(QString& name, const TZuordnung& z)
{
    if (!Steuerzeichen::Enthaelt(name))
        return;
    // A reference to a record of the day (combining) is cleaned the same way.
    name = z.value(name, Steuerzeichen::DurchLeerzeichen(name));
}

void ersetze(QStringList& namen, const TZuordnung& z)
{
    for (QString& n : namen)
        ersetze(n, z);
}

/// A timetable line: the slot label, then the partner's name, for siblings in "[ … ]".
void ersetzeZeile(QString& zeile, const TZuordnung& partner)
{
    if (!Steuerzeichen::Enthaelt(zeile))
        return;
    constexpr qsizetype Praefix = 11;
    if (zeile.size() > Praefix) {
        QString rest = zeile.mid(Praefix);
        if (rest.startsWith(QLatin1String("[ ")) && rest.endsWith(QLatin1String(" ]")) && rest.size() >= 4) {
            QString innen = rest.mid(2, rest.size() - 4);
            ersetze(innen, partner);
            rest = QStringLiteral("[ %1 ]").arg(innen);
        } else {
            ersetze(rest, partner);
        }
        zeile = zeile.left(Praefix) + rest;
    }
    zeile = Steuerzeichen::DurchLeerzeichen(zeile);
}

} // namespace

TBereinigt Bereinige(TDateiInhalt& inhalt)
{
    TBereinigt b;
    QList<QPair<QString, QString>>& geaendert = b.Namen;
    const TZuordnung lehrer = neueNamen(inhalt.LehrerNamen.value_or(QStringList()), geaendert);
    QStringList elternNamen;
    if (inhalt.Eltern)
        for (const TDateiEltern& e : *inhalt.Eltern)
            elternNamen.append(e.Name);
    const TZuordnung eltern = neueNamen(elternNamen, geaendert);
    bool ueberall = false;
    auto pruefe = [&](const QString& s) { ueberall = ueberall || Steuerzeichen::Enthaelt(s); };
    // References may name records of the day, so they are looked at even when no name of
    // the file's own lists changed.
    if (inhalt.LehrerNamen)
        ersetze(*inhalt.LehrerNamen, lehrer);
    if (inhalt.Eltern)
        for (TDateiEltern& e : *inhalt.Eltern) {
            ersetze(e.Name, eltern);
            for (const QString& g : e.Geschwister)
                pruefe(g);
            ersetze(e.Geschwister, eltern);
        }
    if (inhalt.Sprech)
        for (TDateiSprech& s : *inhalt.Sprech) {
            for (const QString& w : s.Sprechwuensche)
                pruefe(w);
            ersetze(s.Sprechwuensche, lehrer);
        }
    if (inhalt.Ablehnungen)
        for (QStringList& a : *inhalt.Ablehnungen) {
            for (const QString& n : a)
                pruefe(n);
            ersetze(a, eltern);
        }
    if (inhalt.Plaene) {
        for (TDateiPlan& p : inhalt.Plaene->Lehrer) {
            ersetze(p.Name, lehrer);
            for (QString& z : p.Zeilen) {
                pruefe(z);
                ersetzeZeile(z, eltern);
            }
        }
        for (TDateiPlan& p : inhalt.Plaene->Eltern) {
            ersetze(p.Name, eltern);
            for (QString& z : p.Zeilen) {
                pruefe(z);
                ersetzeZeile(z, lehrer);
            }
        }
        if (inhalt.Plaene->Statistik)
            for (QString& z : inhalt.Plaene->Statistik->NichtErtBox) {
                pruefe(z);
                z = Steuerzeichen::DurchLeerzeichen(z);
            }
    }
    if (inhalt.Erweiterung)
        for (auto* marken : {&inhalt.Erweiterung->Einladungen, &inhalt.Erweiterung->Vorrang})
            for (auto& [name, lehrerNamen] : *marken) {
                pruefe(name);
                ersetze(name, eltern);
                for (const QString& l : lehrerNamen)
                    pruefe(l);
                ersetze(lehrerNamen, lehrer);
            }
    // A reference alone with a control character (its record is in the day, not in the
    // file) changes the day too.
    b.Geaendert = ueberall || !geaendert.isEmpty();
    return b;
}

QString Hinweis(const QString& pfad, const QList<QPair<QString, QString>>& geaendert)
{
    QStringList namen;
    for (const auto& [vorher, nachher] : geaendert)
        namen.append(QStringLiteral("„%1“ → „%2“").arg(Steuerzeichen::Sichtbar(vorher), nachher));
    const QString datei = pfad.isEmpty() ? QStringLiteral("In der Datei")
                                         : QStringLiteral("In der Datei „%1“").arg(QDir::toNativeSeparators(pfad));
    QString t = datei
        + QStringLiteral(" enthielten Namen Steuerzeichen (etwa Zeilenumbrüche); sie wurden durch Leerzeichen "
                         "ersetzt.");
    if (!namen.isEmpty())
        t += QLatin1Char('\n') + namen.join(QLatin1Char('\n'));
    t += QStringLiteral("\nSpeichern Sie den Tag, um die bereinigten Namen zu behalten.");
    return t;
}

} // namespace DateiSteuerzeichen
