// kalumo-beispiel [--lehrer N] [--eltern N] [--startwert N] [--adressen] ZIEL.qvt
// Builds the fictional example school and saves it as a data file. The same options
// always write the same file.

#include "beispiel/beispielschule.h"
#include "datei/datei.h"
#include "model/sprechtag.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace {

int zahlOption(const QCommandLineParser& p, const QString& name, int vorgabe, int min, int max, bool* ok)
{
    if (!p.isSet(name))
        return vorgabe;
    bool gelesen = false;
    const qlonglong n = p.value(name).toLongLong(&gelesen);
    if (!gelesen || n < min || n > max) {
        QTextStream(stderr) << QStringLiteral("--%1 erwartet eine ganze Zahl von %2 bis %3.\n").arg(name).arg(min).arg(max);
        *ok = false;
    }
    return int(n);
}

// An invented address from a name: its letters without accents, lower case, other
// characters as dots ("5a: Müller" -> "5a.muller"). Names that fold alike share one.
QString Adresse(const QString& name, const QString& domain)
{
    QString a;
    for (QChar c : name.normalized(QString::NormalizationForm_KD))
        if (c.unicode() < 0x80)
            a += c.toLower();
    static const QRegularExpression anderes(QStringLiteral("[^a-z0-9]+"));
    a.replace(anderes, QStringLiteral("."));
    while (a.startsWith(u'.'))
        a.remove(0, 1);
    while (a.endsWith(u'.'))
        a.chop(1);
    return (a.isEmpty() ? QStringLiteral("x") : a) + u'@' + domain;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kalumo-beispiel"));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Schreibt den Elternsprechtag einer erfundenen Schule als Datendatei."));
    p.addHelpOption();
    p.addOption({QStringLiteral("lehrer"), QStringLiteral("Anzahl der Lehrer (Vorgabe 40)."), QStringLiteral("N")});
    p.addOption({QStringLiteral("eltern"), QStringLiteral("Anzahl der Elterneinträge (Vorgabe 400)."), QStringLiteral("N")});
    p.addOption({QStringLiteral("startwert"), QStringLiteral("Startwert der Zufallszahlen (Vorgabe 4711)."),
                 QStringLiteral("N")});
    p.addOption({QStringLiteral("adressen"),
                 QStringLiteral("Gibt jedem Eintrag und jeder Lehrkraft eine erfundene E-Mail-Adresse (example.org).")});
    p.addPositionalArgument(QStringLiteral("ziel"), QStringLiteral("Die Datendatei, die geschrieben wird (.qvt)."));
    p.process(app);

    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    if (p.positionalArguments().size() != 1) {
        fehler << QStringLiteral("Bitte genau eine Zieldatei angeben, zum Beispiel: kalumo-beispiel beispiel.qvt\n");
        return 2;
    }
    TBeispielschule o;
    bool ok = true;
    o.Lehrer = zahlOption(p, QStringLiteral("lehrer"), o.Lehrer, 1, 1000, &ok);
    o.Eltern = zahlOption(p, QStringLiteral("eltern"), o.Eltern, 0, 20000, &ok);
    o.Startwert = quint32(zahlOption(p, QStringLiteral("startwert"), int(o.Startwert), 0, 2147483647, &ok));
    if (!ok)
        return 2;

    TSprechtag tag;
    BaueBeispielschule(tag, o);
    if (p.isSet(QStringLiteral("adressen"))) {
        for (const auto& e : tag.Eltern)
            e.record->EMail = {Adresse(e.name, QStringLiteral("eltern.example.org"))};
        for (const auto& l : tag.Lehrer)
            l.record->EMail = {Adresse(l.name, QStringLiteral("schule.example.org"))};
    }
    const QString ziel = p.positionalArguments().constFirst();
    const TDateiErgebnis r = Datei::Speichern(tag, ziel, Inhalt::OhnePlaene);
    if (!r.ok()) {
        fehler << r.Fehler << '\n';
        return 1;
    }
    int geschwister = 0, ablehnungen = 0, grenzen = 0;
    for (const auto& e : tag.Eltern) {
        geschwister += e.record->Geschwister.isEmpty() ? 0 : 1;
        grenzen += (e.record->NichtVor || e.record->NichtNach) ? 1 : 0;
    }
    for (const auto& l : tag.Lehrer)
        ablehnungen += int(l.record->Ablehnungen.size());
    aus << QStringLiteral("%1 geschrieben: %2, %3, %4 Sprechwünsche, %5 Einträge mit Geschwistern, "
                          "%6 Ablehnungen, %7 Einträge mit Zeitgrenzen, %8 Pausen.\n")
               .arg(ziel, tag.AnzLehrerText(), tag.AnzElternText())
               .arg(tag.AnzSprechwuensche())
               .arg(geschwister)
               .arg(ablehnungen)
               .arg(grenzen)
               .arg(tag.Pausen.size());
    return 0;
}
