// The recovery copy: written into the state folder while the day has unsaved changes,
// gone after a clean save or end, complete whenever it exists (also when the writing
// process is killed at any moment), offered only when its process is gone.

#include "beispiel/beispieltag.h"
#include "berechnung/fortschritt.h"
#include "berechnung/zeitplanrechner.h"
#include "datei/datei.h"
#include "datei/schreiber.h"
#include "import/namensimport.h"
#include "model/sprechtag.h"
#include "verlauf/verlauf.h"
#include "wiederherstellung/kopie.h"
#include "wiederherstellung/rettung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <random>

namespace {

QByteArray Inhalt(const TSprechtag& tag)
{
    return DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000) + (tag.PlaeneGueltig ? "P" : "p")
           + QByteArray::number(tag.Zufall.Seed());
}

QStringList Kopien(const QString& ordner)
{
    return QDir(ordner).entryList({QStringLiteral("*.qvt")}, QDir::Files);
}

QByteArray Lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

struct RettungTest : ::testing::Test {
    QTemporaryDir dir;
    QString ordner() const { return dir.filePath(QStringLiteral("zustand/kalumo")); }
    QString tagesdatei() const { return dir.filePath(QStringLiteral("schule/herbst.qvt")); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir().mkpath(dir.filePath(QStringLiteral("schule")));
    }
};

TEST_F(RettungTest, KopieImZustandsordnerLaedtDenTagUndVerschwindetBeimSpeichern)
{
    TSprechtag tag;
    FuelleBeispieltag(tag, {200, 20, 5, 10, 2, 10, 10, 1});
    ASSERT_TRUE(Datei::Speichern(tag, tagesdatei(), Inhalt::Alles).ok());
    const QByteArray benutzer = Lies(tagesdatei());

    TRettung rettung(tag, ordner());
    rettung.SetTagesdatei(tagesdatei());
    EXPECT_EQ(QFileInfo(rettung.Pfad()).fileName(),
              QStringLiteral("herbst-wiederherstellung-%1.qvt").arg(QCoreApplication::applicationPid()));

    // An ordinary step waits for the next regular copy ...
    tag.LehrerUebernehmen(QStringLiteral("Neu (1)"));
    rettung.Warten();
    EXPECT_TRUE(Kopien(ordner()).isEmpty());
    // ... a computation is written at once.
    TStillerFortschritt still;
    BerechneZeitplaene(tag, still);
    rettung.Warten();
    ASSERT_EQ(Kopien(ordner()), QStringList{QFileInfo(rettung.Pfad()).fileName()});
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("schule"))).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("herbst.qvt")})
        << "nothing beside the user's file";
    EXPECT_EQ(Lies(tagesdatei()), benutzer) << "the user's file is never touched";

    const auto kopie = Wiederherstellung::LiesKopie(rettung.Pfad());
    ASSERT_TRUE(kopie);
    EXPECT_EQ(kopie->Tagesdatei, tagesdatei());
    EXPECT_LE(qAbs(kopie->Zeit.secsTo(QDateTime::currentDateTimeUtc())), 60);
    TSprechtag geladen;
    ASSERT_TRUE(Wiederherstellung::Laden(geladen, *kopie).ok());
    EXPECT_EQ(Inhalt(geladen), Inhalt(tag));
    EXPECT_TRUE(geladen.UngespeicherteAenderungen()) << "a recovered day is in no file yet";
    EXPECT_FALSE(geladen.Verlauf()->KannRueckgaengig());

    // Unchanged since the last copy: nothing is written again.
    const int geschrieben = rettung.Geschrieben();
    rettung.Sichern();
    rettung.Warten();
    EXPECT_EQ(rettung.Geschrieben(), geschrieben);

    ASSERT_TRUE(Datei::Speichern(tag, tagesdatei(), Inhalt::Alles).ok());
    EXPECT_TRUE(Kopien(ordner()).isEmpty()) << "a clean save removes the copy";
}

TEST_F(RettungTest, UngueltigePlaeneUndIhreEinstellungenKommenMit)
{
    TSprechtag tag;
    FuelleBeispieltag(tag, {50, 10, 3, 10, 2, 10, 10, 2});
    TStillerFortschritt still;
    BerechneZeitplaene(tag, still);
    tag.PlaeneGueltig = false;
    tag.Plan.Headline2 = QStringLiteral("Sprechtag am 1.12.");
    tag.Geaendert();
    TRettung rettung(tag, ordner());
    rettung.Sichern();
    rettung.Warten();
    const auto kopie = Wiederherstellung::LiesKopie(rettung.Pfad());
    ASSERT_TRUE(kopie);
    TSprechtag geladen;
    ASSERT_TRUE(Wiederherstellung::Laden(geladen, *kopie).ok());
    EXPECT_FALSE(geladen.PlaeneGueltig);
    EXPECT_EQ(geladen.Plan.Headline2, QStringLiteral("Sprechtag am 1.12."));
    EXPECT_EQ(Inhalt(geladen), Inhalt(tag));
    EXPECT_EQ(Wiederherstellung::Frage(*kopie),
              QStringLiteral("Kalumo wurde nicht ordnungsgemäß beendet. Es gibt ungesicherte Änderungen an einem noch nicht "
                             "gespeicherten Tag von %1 Uhr.")
                  .arg(kopie->Zeit.toLocalTime().toString(QStringLiteral("HH:mm"))));
}

TEST_F(RettungTest, NurKopienBeendeterProzesseWerdenAngeboten)
{
    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("A (1)"));
    {
        TRettung rettung(tag, ordner());
        rettung.SetTagesdatei(tagesdatei());
        rettung.Sichern();
        rettung.Warten();
        EXPECT_TRUE(Wiederherstellung::Verwaiste(ordner()).isEmpty()) << "this run still holds its copy";
    }
    // The keeper went without a clean end: the copy stays and is offered.
    const auto verwaist = Wiederherstellung::Verwaiste(ordner());
    ASSERT_EQ(verwaist.size(), 1);
    EXPECT_EQ(verwaist.front().TagesdateiName(), QStringLiteral("herbst.qvt"));

    // A clean end removes it; so does a save under another name move it.
    TRettung rettung(tag, ordner());
    rettung.Sichern();
    rettung.Warten();
    EXPECT_TRUE(QFile::exists(rettung.Pfad()));
    const QString unbenannt = rettung.Pfad();
    rettung.SetTagesdatei(tagesdatei());
    rettung.Warten();
    EXPECT_FALSE(QFile::exists(unbenannt));
    EXPECT_TRUE(QFile::exists(rettung.Pfad()));
    rettung.Beenden();
    EXPECT_FALSE(QFile::exists(rettung.Pfad()));

    // A file that ends early is no copy.
    QFile kaputt(QDir(ordner()).filePath(QStringLiteral("x-wiederherstellung-1.qvt")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write(Lies(verwaist.front().Pfad).left(500));
    kaputt.close();
    EXPECT_FALSE(Wiederherstellung::LiesKopie(kaputt.fileName()));
}

TEST_F(RettungTest, AbgeschossenerProzessHinterlaesstKeineOderEineVollstaendigeKopie)
{
    std::mt19937 z(20261211);
    int mitKopie = 0;
    for (int runde = 0; runde < 50; ++runde) {
        QTemporaryDir d;
        const QString zustand = d.filePath(QStringLiteral("zustand"));
        const QString datei = d.filePath(QStringLiteral("herbst.qvt"));
        QProcess kind;
        kind.start(QStringLiteral(KALUMO_RETTUNG_KIND), {zustand, datei});
        ASSERT_TRUE(kind.waitForStarted());
        // Waits for lines on stdout, never for a time of its own.
        auto zeile = [&]() -> QByteArray {
            while (!kind.canReadLine())
                if (!kind.waitForReadyRead(30000))
                    return {};
            return kind.readLine().trimmed();
        };
        ASSERT_EQ(zeile(), "bereit");
        const QByteArray benutzer = Lies(datei);
        const int warten = int(z() % 4);
        int zuletzt = 0;
        for (int i = 0; i < warten; ++i) {
            const QByteArray l = zeile();
            ASSERT_TRUE(l.startsWith("kopie ")) << l.constData();
            zuletzt = l.mid(6).toInt();
        }
        ::kill(pid_t(kind.processId()), SIGKILL);
        kind.waitForFinished();

        EXPECT_EQ(Lies(datei), benutzer) << "runde " << runde;
        const QStringList kopien = Kopien(zustand);
        ASSERT_LE(kopien.size(), 1) << "runde " << runde;
        if (zuletzt > 0) {
            ASSERT_EQ(kopien.size(), 1) << "a copy reported written is there";
        }
        if (kopien.isEmpty())
            continue;
        ++mitKopie;
        const auto verwaist = Wiederherstellung::Verwaiste(zustand);
        ASSERT_EQ(verwaist.size(), 1) << "runde " << runde << ": offered at the next start";
        TSprechtag tag;
        ASSERT_TRUE(Wiederherstellung::Laden(tag, verwaist.front()).ok()) << "runde " << runde;
        EXPECT_EQ(verwaist.front().Tagesdatei, datei);
        // The day as of its time: the generated day and the first N edits, none missing.
        int n = 0;
        while (tag.Lehrer.Enthaelt(QStringLiteral("Kind %1").arg(n + 1)))
            ++n;
        EXPECT_GE(n, zuletzt) << "runde " << runde;
        EXPECT_EQ(tag.Lehrer.Anzahl(), 60 + n) << "runde " << runde;
        EXPECT_EQ(tag.Eltern.Anzahl(), 1000);
        // Discarded, as "Verwerfen" does.
        QFile::remove(verwaist.front().Pfad);
        EXPECT_TRUE(Wiederherstellung::Verwaiste(zustand).isEmpty());
    }
    EXPECT_GT(mitKopie, 10) << "the kills should mostly come after a copy";
}

} // namespace
