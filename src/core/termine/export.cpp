#include "termine/export.h"

#include "dateisystem/schreiben.h"
#include "dateisystem/systemgrund.h"
#include "termine/kalender.h"
#include "termine/termincsv.h"
#include "termine/termine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace Termine {

namespace {

QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

/// Swaps two entries of the file system at once where the system can (Linux); false with
/// errno EINVAL or ENOSYS where it cannot.
bool tausche(const QString& a, const QString& b)
{
#if defined(__linux__) && defined(RENAME_EXCHANGE)
    return ::renameat2(AT_FDCWD, QFile::encodeName(a).constData(), AT_FDCWD, QFile::encodeName(b).constData(),
                       RENAME_EXCHANGE)
           == 0;
#else
    Q_UNUSED(a);
    Q_UNUSED(b);
    errno = ENOSYS;
    return false;
#endif
}

bool benenneUm(const QString& von, const QString& nach)
{
    return ::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0;
}

/// Puts the new calendar folder `neu` in place of `ziel` (which may be missing); the old
/// one ends up at `neu`. False with errno set when nothing changed.
bool setzeOrdnerEin(const QString& neu, const QString& ziel)
{
    if (!QFileInfo::exists(ziel))
        return benenneUm(neu, ziel);
    if (tausche(neu, ziel))
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    // No atomic swap on this file system: the old folder steps aside for a moment.
    const QString beiseite = neu + QStringLiteral(".alt");
    if (!benenneUm(ziel, beiseite))
        return false;
    if (!benenneUm(neu, ziel)) {
        const int fehler = errno;
        benenneUm(beiseite, ziel);
        errno = fehler;
        return false;
    }
    if (!benenneUm(beiseite, neu)) {
        // The new export is in place; the old folder stays hidden and is removed with the
        // work folder's remains next time.
        QDir(beiseite).removeRecursively();
    }
    return true;
}

/// Removes work folders of exports that were killed, once older than a minute (a younger
/// one may belong to an export still running).
void raeumeArbeitsordnerAuf(const QString& ordner)
{
    const QDateTime grenze = QDateTime::currentDateTimeUtc().addSecs(-Dateisystem::AlterUebrigerKopienSekunden);
    const QFileInfoList reste = QDir(ordner).entryInfoList({ArbeitsordnerPraefix() + u'*'},
                                                         QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& rest : reste)
        if (!rest.isSymLink() && rest.lastModified().toUTC() < grenze)
            QDir(rest.filePath()).removeRecursively();
}

/// Folders `pfad` and its missing parents; those made are listed so that a failed export
/// can take them back.
QString legeAn(const QString& pfad, QStringList& angelegt)
{
    QStringList fehlend;
    for (QFileInfo info(QDir::cleanPath(QDir(pfad).absolutePath())); !info.exists();
         info = QFileInfo(info.absolutePath())) {
        fehlend.prepend(info.absoluteFilePath());
        if (info.isRoot())
            break;
    }
    for (const QString& d : fehlend) {
        if (!QDir().mkdir(d))
            return QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(nativ(pfad));
        angelegt.prepend(d);
    }
    return {};
}

} // namespace

QString ArbeitsordnerPraefix()
{
    return QStringLiteral(".Kalender.kalumo-");
}

TTerminExport Exportiere(const TSprechtag& tag, const QString& ordner, QDate datum, const QDateTime& stempel)
{
    TTerminExport e;
    if (!tag.PlaeneGueltig) {
        e.Fehler = QStringLiteral("Es liegen keine gültigen Zeitpläne vor. Bitte berechnen Sie zuerst die Zeitpläne.");
        return e;
    }
    if (!datum.isValid() || datum.year() < 1 || datum.year() > 9999) {
        e.Fehler = QStringLiteral("Bitte geben Sie ein gültiges Datum des Elternsprechtags an.");
        return e;
    }
    if (ordner.trimmed().isEmpty()) {
        e.Fehler = QStringLiteral("Bitte geben Sie einen Zielordner an.");
        return e;
    }

    const TTerminListe liste = Lies(tag);
    e.Termine = int(liste.Termine.size());
    e.Uebersprungen = liste.Uebersprungen;
    e.Fehlend = liste.Fehlend;
    const QDir ziel(ordner);
    e.CsvPfad = ziel.filePath(TermineCsvName);
    e.KalenderPfad = ziel.filePath(KalenderOrdnerName);

    const QFileInfo ordnerInfo(ordner);
    if (ordnerInfo.exists() && !ordnerInfo.isDir()) {
        e.Fehler = QStringLiteral("„%1“ ist kein Ordner.").arg(nativ(ordner));
        return e;
    }
    const QFileInfo kalenderInfo(e.KalenderPfad);
    if (kalenderInfo.isSymLink()) {
        // Swapping would put a real folder where the link was and strand the export.
        e.Fehler = QStringLiteral("„%1“ ist eine Verknüpfung auf einen anderen Ort. Der Export ersetzt nur einen "
                                  "Ordner „%2“, der im Zielordner selbst liegt; bitte wählen Sie den Zielordner so, "
                                  "dass „%2“ darin ein echter Ordner ist.")
                       .arg(nativ(e.KalenderPfad), KalenderOrdnerName);
        return e;
    }
    if (kalenderInfo.exists() && !kalenderInfo.isDir()) {
        e.Fehler = QStringLiteral("„%1“ ist kein Ordner.").arg(nativ(e.KalenderPfad));
        return e;
    }
    const QFileInfo csvInfo(e.CsvPfad);
    if (csvInfo.exists() && (!csvInfo.isFile() || csvInfo.isSymLink())) {
        e.Fehler = QStringLiteral("„%1“ ist keine gewöhnliche Datei und wird nicht ersetzt.").arg(nativ(e.CsvPfad));
        return e;
    }

    QStringList angelegt;
    if (QString f = legeAn(ordner, angelegt); !f.isEmpty()) {
        e.Fehler = f;
        return e;
    }
    const auto scheitere = [&e, &angelegt](const QString& meldung) {
        e.Fehler = meldung;
        // A failed export leaves no trace, not even the folder it made.
        for (const QString& d : angelegt)
            QDir().rmdir(d);
        return e;
    };

    raeumeArbeitsordnerAuf(ordner);
    // Everything goes into a hidden folder beside the target first: a full disk or a
    // failing file leaves the old export whole.
    QTemporaryDir arbeit(ziel.filePath(ArbeitsordnerPraefix() + QStringLiteral("XXXXXX")));
    if (!arbeit.isValid())
        return scheitere(QStringLiteral("Im Ordner „%1“ kann nicht geschrieben werden. %2")
                             .arg(nativ(ordner), Dateisystem::SystemGrund(errno)));
    const QDir neu(arbeit.path());
    const QString neuKalender = neu.filePath(KalenderOrdnerName);
    const QString neuCsv = neu.filePath(TermineCsvName);
    const QString unveraendert =
        QStringLiteral("\rEs wurde nichts exportiert; „%1“ und der Ordner „%2“ sind unverändert.")
            .arg(TermineCsvName, KalenderOrdnerName);
    if (!neu.mkdir(KalenderOrdnerName))
        return scheitere(QStringLiteral("Im Ordner „%1“ kann nicht geschrieben werden. %2")
                             .arg(nativ(ordner), Dateisystem::SystemGrund(errno)));

    if (const QString grund = Dateisystem::SchreibeAtomar(neuCsv, Csv(liste, datum), Dateisystem::TReste::SchonAufgeraeumt);
        !grund.isEmpty())
        return scheitere(Dateisystem::NichtGespeichert(nativ(e.CsvPfad), grund) + unveraendert);
    const QStringList namen = Kalender::Dateinamen(liste, tag);
    QSet<QString> geschrieben;
    for (int f = 0; f < int(liste.Familien.size()); ++f) {
        const QString datei = namen.at(f) + QStringLiteral(".ics");
        const QString grund = Dateisystem::SchreibeAtomar(QDir(neuKalender).filePath(datei),
                                                          Kalender::Familie(liste, f, datum, stempel),
                                                          Dateisystem::TReste::SchonAufgeraeumt);
        if (!grund.isEmpty())
            return scheitere(
                Dateisystem::NichtGespeichert(nativ(QDir(e.KalenderPfad).filePath(datei)), grund) + unveraendert);
        geschrieben.insert(datei);
        ++e.Kalender;
    }

    // The swap: the calendar folder first, then the list; if the list cannot follow, the
    // old calendar folder goes back.
    if (!setzeOrdnerEin(neuKalender, e.KalenderPfad))
        return scheitere(QStringLiteral("Der Ordner „%1“ kann nicht ersetzt werden. %2")
                             .arg(nativ(e.KalenderPfad), Dateisystem::SystemGrund(errno))
                         + unveraendert);
    if (!benenneUm(neuCsv, e.CsvPfad)) {
        const int fehler = errno;
        // The old calendar folder (if there was one) waits in the work folder: back it goes.
        if (QFileInfo::exists(neuKalender))
            setzeOrdnerEin(neuKalender, e.KalenderPfad);
        else
            benenneUm(e.KalenderPfad, neuKalender);
        return scheitere(Dateisystem::NichtGespeichert(nativ(e.CsvPfad), Dateisystem::SystemGrund(fehler))
                         + unveraendert);
    }

    // What else lay in the old calendar folder (older exports of other families, files of
    // the user) moves into the new one; leftovers of killed saves do not.
    const QString tempKennung = Dateisystem::TemporaerPraefix(QString()).mid(1);
    bool allesUmgezogen = true;
    const QDir alt(neuKalender);
    for (const QFileInfo& d : alt.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                QDir::Name)) {
        const QString name = d.fileName();
        if (geschrieben.contains(name) || (name.startsWith(u'.') && name.contains(tempKennung)))
            continue;
        const QString nach = QDir(e.KalenderPfad).filePath(name);
        if (QFileInfo::exists(nach) || !benenneUm(d.filePath(), nach)) {
            allesUmgezogen = false;
            continue;
        }
        if (name.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive) && !d.isDir())
            e.Fremde.append(name);
    }
    // Never delete what could not be moved: it stays in the hidden folder.
    arbeit.setAutoRemove(allesUmgezogen);
    return e;
}

QString Bericht(const TTerminExport& e)
{
    QString text = QStringLiteral("%1 Termine nach „%2“ und %3 Kalenderdateien in den Ordner „%4“ exportiert.")
                       .arg(e.Termine)
                       .arg(nativ(e.CsvPfad))
                       .arg(e.Kalender)
                       .arg(nativ(e.KalenderPfad));
    if (!e.Fehlend.empty()) {
        text += QStringLiteral("\r%1 Termine der Elternpläne fehlen im Export:").arg(e.Fehlend.size());
        for (const TAusgelassen& a : e.Fehlend) {
            QString zeile = a.Zeile;
            zeile.replace(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]")), QStringLiteral(" "));
            text += QStringLiteral("\r„%1“: „%2“, weil %3.").arg(a.Eintrag.simplified(), zeile, a.Grund);
        }
    }
    if (e.Uebersprungen > 0)
        text += QStringLiteral("\r%1 Zeilen in Elternplänen haben keine Uhrzeit „hh:mm Uhr: “ und wurden nicht exportiert.")
                    .arg(e.Uebersprungen);
    if (!e.Fremde.isEmpty())
        text += QStringLiteral("\rIm Ordner „%1“ liegen außerdem %2 ältere Kalenderdateien, die nicht zu diesem Export "
                               "gehören, z. B. „%3“.")
                    .arg(KalenderOrdnerName)
                    .arg(e.Fremde.size())
                    .arg(e.Fremde.front());
    return text;
}

} // namespace Termine
