// kalumo-cli ausfall EIN.qvt AUS.qvt --lehrer NAME [--ab HH:MM | --bis HH:MM | --ganz]
// [--csv DATEI]: re-plans a saved day for a teacher who drops out, prints the lists and
// saves the day together with the call list.
#include "datei/inhaltsmaske.h"
#include "datei_befehle.h"
#include "dateisystem/schreiben.h"
#include "ein_aus_argumente.h"
#include "model/sprechtag.h"
#include "optimierung/ausfall.h"
#include "zeit/zeit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

const QString LehrerOpt = QStringLiteral("--lehrer");
const QString Csv = QStringLiteral("--csv");
const QString Ab = QStringLiteral("--ab");
const QString Bis = QStringLiteral("--bis");
const QString Ganz = QStringLiteral("--ganz");

// Two names of one file (also through a link): the call list written over the day, or
// over the file it was read from, would lose the day.
bool DieselbeDatei(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

int Ausfall(const QStringList& argumente, TCliAusgabe& io)
{
    const TEinAusErlaubt erlaubt{{Ganz}, {LehrerOpt, Csv, Ab, Bis}, {{Ab, Bis, Ganz}}};
    const auto aufruf = CliEinAus::Lies(argumente, erlaubt, io);
    if (!aufruf)
        return ExitVerwendung;
    const QString lehrer = aufruf->Wert(LehrerOpt);
    if (lehrer.isEmpty()) {
        io.fehler << QStringLiteral("Bitte die Lehrkraft mit --lehrer NAME angeben.\n");
        return ExitVerwendung;
    }
    TAusfallWunsch wunsch{lehrer, TAusfallArt::Ganz, 0};
    for (const QString& art : {Ab, Bis}) {
        if (!aufruf->werte.contains(art))
            continue;
        const auto t = Zeit::ZeitText(aufruf->Wert(art));
        if (!t) {
            io.fehler << Zeit::UngueltigeZeitMeldung(aufruf->Wert(art), art) << "\n";
            return ExitVerwendung;
        }
        wunsch.Art = art == Ab ? TAusfallArt::Ab : TAusfallArt::Bis;
        wunsch.Zeit = *t;
    }
    const QString csv = aufruf->Wert(Csv);
    for (const QString& tagesdatei : {aufruf->ein, aufruf->aus})
        if (!csv.isEmpty() && DieselbeDatei(csv, tagesdatei)) {
            io.fehler << QStringLiteral("Die Anrufliste „%1“ wäre dieselbe Datei wie „%2“. Bitte geben Sie nach --csv "
                                        "einen anderen Namen an.\n")
                             .arg(csv, tagesdatei);
            return ExitVerwendung;
        }

    TSprechtag tag;
    if (const auto status = CliEinAus::LadeEin(tag, aufruf->ein, io))
        return *status;
    const QString hindernis = AusfallHindernis(tag, wunsch);
    if (!hindernis.isEmpty())
        return CliDatei::Fehler(io, QStringLiteral("„%1“: %2").arg(aufruf->ein, hindernis));

    const TAusfallPlan plan = PlaneAusfall(tag, wunsch);
    // The lists come first: whatever happens to the files, the families to phone are on
    // the screen.
    for (const QString& zeile : AusfallListe(plan))
        io.aus << zeile << "\n";
    io.aus.flush();

    WendeAusfallAn(tag, plan);
    // The call list and the day are written together or not at all: a day saved without
    // its call list (in place, the only record of what changed) cannot be re-planned to
    // get the list back.
    QList<Dateisystem::TZielDatei> dateien;
    if (!csv.isEmpty())
        dateien.append({csv, AusfallCsv(plan)});
    dateien.append({aufruf->aus, Datei::SpeichereInBytes(tag, Inhalt::Alles)});
    const QString fehler = Dateisystem::SchreibeAlleAtomar(dateien);
    if (!fehler.isEmpty())
        return CliDatei::Fehler(io, fehler);
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("ausfall"),
    TBefehl{QStringLiteral("ausfall EIN.qvt AUS.qvt --lehrer NAME [--ab HH:MM | --bis HH:MM | --ganz] [--csv DATEI]"),
            QStringLiteral("Plant die Zeitpläne von EIN.qvt neu, wenn die Lehrkraft NAME ganz ausfällt, erst ab oder "
                           "nur bis zu einer Uhrzeit da ist: ihre Termine außerhalb der neuen Sprechzeit werden "
                           "möglichst neu gesetzt, so dass sich wenige Termine ändern. Zeigt behaltene, verlegte und "
                           "abgesagte Termine und die Eltern mit geändertem Plan, speichert alles als AUS.qvt und "
                           "mit --csv die Anrufliste – beides oder keins von beiden."),
            Ausfall});

} // namespace
