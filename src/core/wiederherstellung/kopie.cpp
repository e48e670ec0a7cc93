#include "wiederherstellung/kopie.h"

#include "datei/schreiber.h"
#include "dateisystem/lesen.h"
#include "model/sprechtag.h"
#include "verlauf/verlauf.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace Wiederherstellung {

namespace {

const QByteArray Marke = "\n#KALUMO-WIEDERHERSTELLUNG\n";
const QByteArray Schluss = "#ENDE\n";

QRegularExpression NamensMuster()
{
    return QRegularExpression(QStringLiteral("^(.*)-wiederherstellung-(\\d+)\\.qvt$"));
}

struct TNachsatz {
    TKopie kopie;
    qsizetype laenge = 0;
    bool gueltig = false;
    quint32 seed = 0;
};

std::optional<TNachsatz> LiesNachsatz(const QByteArray& b)
{
    const qsizetype m = b.lastIndexOf(Marke);
    if (m < 0 || !b.endsWith(Schluss))
        return std::nullopt;
    TNachsatz n;
    n.laenge = m;
    bool laengeDa = false, zeitDa = false;
    const QList<QByteArray> zeilen = b.mid(m + Marke.size()).split('\n');
    for (const QByteArray& z : zeilen) {
        const qsizetype gleich = z.indexOf('=');
        if (gleich < 0)
            continue;
        const QByteArray k = z.left(gleich);
        const QByteArray v = z.mid(gleich + 1);
        bool ok = false;
        if (k == "laenge") {
            laengeDa = v.toLongLong(&ok) == m && ok;
        } else if (k == "datei") {
            n.kopie.Tagesdatei = QUrl::fromPercentEncoding(v);
        } else if (k == "zeit") {
            const qint64 ms = v.toLongLong(&ok);
            zeitDa = ok;
            n.kopie.Zeit = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
        } else if (k == "gueltig") {
            n.gueltig = v == "1";
        } else if (k == "seed") {
            n.seed = v.toUInt(&ok);
        }
    }
    if (!laengeDa || !zeitDa)
        return std::nullopt;
    return n;
}

} // namespace

QString Ordner()
{
    QString basis = qEnvironmentVariable("XDG_STATE_HOME");
    // Only an absolute path counts, as the base directory rules say.
    if (basis.isEmpty() || QDir::isRelativePath(basis))
        basis = QDir::homePath() + QStringLiteral("/.local/state");
    return basis + QStringLiteral("/kalumo");
}

QString KopieName(const QString& tagesdatei, qint64 pid)
{
    QString basis = tagesdatei.isEmpty() ? QStringLiteral("unbenannt") : QFileInfo(tagesdatei).completeBaseName();
    if (basis.isEmpty())
        basis = QStringLiteral("unbenannt");
    return QStringLiteral("%1-wiederherstellung-%2.qvt").arg(basis).arg(pid);
}

QString SperrName(qint64 pid)
{
    return QStringLiteral("sitzung-%1.lock").arg(pid);
}

QByteArray KopieBytes(TSprechtag& abbild, const QString& tagesdatei, const QDateTime& zeit)
{
    // Everything, plans and their settings included even when the plans are not valid:
    // the flag and the generator go into the trailer.
    const quint32 seed = abbild.Zufall.Seed();
    const qint32 schluessel = qint32(30000 + abbild.Zufall.ZufallsZahl(1000));
    QByteArray b = DateiSchreiber::Schreibe(abbild, Inhalt::Alles, schluessel);
    const qsizetype laenge = b.size();
    b += Marke;
    b += "laenge=" + QByteArray::number(laenge) + '\n';
    b += "datei=" + QUrl::toPercentEncoding(tagesdatei) + '\n';
    b += "zeit=" + QByteArray::number(zeit.toMSecsSinceEpoch()) + '\n';
    b += QByteArray("gueltig=") + (abbild.PlaeneGueltig ? "1" : "0") + '\n';
    b += "seed=" + QByteArray::number(seed) + '\n';
    b += Schluss;
    return b;
}

QString TKopie::TagesdateiName() const
{
    return Tagesdatei.isEmpty() ? QString() : QFileInfo(Tagesdatei).fileName();
}

std::optional<TKopie> LiesKopie(const QString& pfad)
{
    const auto treffer = NamensMuster().match(QFileInfo(pfad).fileName());
    if (!treffer.hasMatch())
        return std::nullopt;
    const Dateisystem::TGelesen g = Dateisystem::LiesDatei(pfad, Datei::MaxDateiBytes + 65536);
    if (!g.ok())
        return std::nullopt;
    auto n = LiesNachsatz(g.Bytes);
    if (!n)
        return std::nullopt;
    n->kopie.Pfad = pfad;
    n->kopie.Pid = treffer.captured(2).toLongLong();
    return n->kopie;
}

QList<TKopie> Verwaiste(const QString& ordner)
{
    QList<TKopie> r;
    const QDir d(ordner);
    const QRegularExpression muster = NamensMuster();
    for (const QString& name : d.entryList({QStringLiteral("*-wiederherstellung-*.qvt")}, QDir::Files, QDir::Name)) {
        const auto treffer = muster.match(name);
        if (!treffer.hasMatch())
            continue;
        const qint64 pid = treffer.captured(2).toLongLong();
        // A running Kalumo holds its lock for the whole run; only a lock nobody holds any
        // more (or none at all) marks a copy left behind.
        QLockFile sperre(d.filePath(SperrName(pid)));
        sperre.setStaleLockTime(0);
        if (!sperre.tryLock(0))
            continue;
        sperre.unlock();
        if (auto k = LiesKopie(d.filePath(name)))
            r.append(*k);
    }
    std::sort(r.begin(), r.end(), [](const TKopie& a, const TKopie& b) { return a.Zeit < b.Zeit; });
    return r;
}

TDateiErgebnis Laden(TSprechtag& tag, const TKopie& kopie)
{
    const Dateisystem::TGelesen g = Dateisystem::LiesDatei(kopie.Pfad, Datei::MaxDateiBytes + 65536);
    if (!g.ok()) {
        TDateiErgebnis e;
        e.Fehler = g.Meldung(kopie.Pfad, Datei::MaxDateiBytes);
        return e;
    }
    const auto n = LiesNachsatz(g.Bytes);
    if (!n) {
        TDateiErgebnis e;
        e.Fehler = QStringLiteral("Die Wiederherstellungsdatei „%1“ ist unvollständig.").arg(QDir::toNativeSeparators(kopie.Pfad));
        return e;
    }
    TDateiErgebnis e = Datei::LadeAusBytes(tag, g.Bytes.left(n->laenge), TLadeModus::Ersetzen, kopie.Pfad);
    if (!e.ok())
        return e;
    tag.PlaeneGueltig = n->gueltig;
    tag.Zufall.SetSeed(n->seed);
    // What was put right after the load is part of the recovered day, not a step.
    if (tag.Verlauf())
        tag.Verlauf()->NeuBeginnen();
    tag.AlsUngespeichertMarkieren();
    return e;
}

QString Frage(const TKopie& kopie)
{
    const QString tag = kopie.Tagesdatei.isEmpty() ? QStringLiteral("einem noch nicht gespeicherten Tag")
                                                   : QStringLiteral("„%1“").arg(kopie.TagesdateiName());
    return QStringLiteral("Kalumo wurde nicht ordnungsgemäß beendet. Es gibt ungesicherte Änderungen an %1 von %2 Uhr.")
        .arg(tag, kopie.Zeit.toLocalTime().toString(QStringLiteral("HH:mm")));
}

} // namespace Wiederherstellung
