// A child process for the recovery test: it loads a day, keeps a recovery copy and edits
// the day step by step until it is killed. Each line on stdout reports a copy on disk:
// "kopie N" (N teachers "Kind 1" .. "Kind N" in it). The day's own file is saved once at
// the start ("bereit") and never again.
//
//   rettung_kind ORDNER TAGESDATEI

#include "beispiel/beispieltag.h"
#include "datei/datei.h"
#include "model/sprechtag.h"
#include "wiederherstellung/rettung.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 3)
        return 2;
    TSprechtag tag;
    FuelleBeispieltag(tag, {1000, 60, 5, 10, 2, 10, 10, 3});
    if (!Datei::Speichern(tag, a.at(2), Inhalt::Alles).ok())
        return 3;
    TRettung rettung(tag, a.at(1));
    rettung.SetTagesdatei(a.at(2));
    std::printf("bereit\n");
    std::fflush(stdout);
    for (int i = 1;; ++i) {
        tag.LehrerUebernehmen(QStringLiteral("Kind %1").arg(i));
        rettung.Sichern();
        rettung.Warten();
        if (!rettung.LetzterFehler().isEmpty())
            return 4;
        std::printf("kopie %d\n", i);
        std::fflush(stdout);
    }
}
