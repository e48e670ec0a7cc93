#include "wiederherstellung/rettung.h"

#include "dateisystem/schreiben.h"
#include "model/sprechtag.h"
#include "verlauf/verlauf.h"
#include "wiederherstellung/kopie.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

TRettung::TRettung(TSprechtag& tag, const QString& ordner, QObject* eltern)
    : QObject(eltern)
    , m_tag(tag)
    , m_ordner(ordner.isEmpty() ? Wiederherstellung::Ordner() : ordner)
{
    m_arbeiter.setMaxThreadCount(1);
    // The copies hold the names of the school's families: for the user's eyes only.
    if (QDir().mkpath(m_ordner))
        QFile::setPermissions(m_ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_sperre = std::make_unique<QLockFile>(QDir(m_ordner).filePath(
        Wiederherstellung::SperrName(QCoreApplication::applicationPid())));
    // Held for the whole run, however long: never stale by age, only when the process is gone.
    m_sperre->setStaleLockTime(0);
    m_sperre->tryLock(0);
    m_takt.setInterval(m_sekunden * 1000);
    connect(&m_takt, &QTimer::timeout, this, &TRettung::Sichern);
    if (TVerlauf* v = m_tag.Verlauf())
        m_beobachterId = v->Beobachten([this](bool sofort) { beobachtet(sofort); });
    m_gesichertStand = m_tag.Stand();
}

TRettung::~TRettung()
{
    if (TVerlauf* v = m_tag.Verlauf())
        v->NichtMehrBeobachten(m_beobachterId);
    m_arbeiter.waitForDone();
}

QString TRettung::Pfad() const
{
    return QDir(m_ordner).filePath(Wiederherstellung::KopieName(m_tagesdatei, QCoreApplication::applicationPid()));
}

QString TRettung::LetzterFehler() const
{
    QMutexLocker l(&m_fehlerSperre);
    return m_fehler;
}

void TRettung::SetIntervall(int sekunden)
{
    m_sekunden = qBound(10, sekunden, 24 * 3600);
    m_takt.setInterval(m_sekunden * 1000);
}

void TRettung::SetTagesdatei(const QString& pfad)
{
    if (pfad == m_tagesdatei)
        return;
    // The copy follows the day's name; the one under the old name goes.
    entfernen();
    m_tagesdatei = pfad;
    if (m_tag.UngespeicherteAenderungen())
        Sichern();
}

void TRettung::beobachtet(bool sofort)
{
    if (!m_tag.UngespeicherteAenderungen()) {
        m_takt.stop();
        entfernen();
        return;
    }
    if (sofort)
        Sichern();
    // Without an application (tests, benchmarks) there is no event loop to run a timer.
    if (!m_takt.isActive() && QCoreApplication::instance())
        m_takt.start();
}

void TRettung::Sichern()
{
    if (!m_tag.UngespeicherteAenderungen()) {
        m_takt.stop();
        entfernen();
        return;
    }
    if (m_hatKopie && m_gesichertStand == m_tag.Stand())
        return;
    m_gesichertStand = m_tag.Stand();
    m_hatKopie = true;
    // The picture is all the main thread pays for; statistics still being counted are
    // awaited on the worker.
    std::shared_ptr<TSprechtag> abbild(m_tag.Abbild());
    const auto ausstehend = m_tag.AusstehendeStatistik();
    const QString pfad = Pfad();
    const QString tagesdatei = m_tagesdatei;
    const QDateTime zeit = QDateTime::currentDateTimeUtc();
    m_arbeiter.start([this, abbild, ausstehend, pfad, tagesdatei, zeit] {
        if (ausstehend) {
            QFuture<TStatistikTexte> f = *ausstehend;
            f.waitForFinished();
            if (f.resultCount() > 0)
                abbild->StatistikSetzen(f.result());
        }
        const QString grund = Dateisystem::SchreibeAtomar(pfad, Wiederherstellung::KopieBytes(*abbild, tagesdatei, zeit));
        {
            QMutexLocker l(&m_fehlerSperre);
            m_fehler = grund;
        }
        if (grund.isEmpty()) {
            ++m_geschrieben;
            emit geschrieben();
        }
    });
}

void TRettung::entfernen()
{
    m_arbeiter.clear();
    m_arbeiter.waitForDone();
    if (m_hatKopie)
        QFile::remove(Pfad());
    m_hatKopie = false;
}

void TRettung::Beenden()
{
    m_takt.stop();
    entfernen();
}

void TRettung::Warten()
{
    m_arbeiter.waitForDone();
}
