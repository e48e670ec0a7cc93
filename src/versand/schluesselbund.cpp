#include "schluesselbund.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace Schluesselbund {

namespace {

const QString Dienst = QStringLiteral("Kalumo Mailversand");

// Runs a keyring job to its end; the jobs only report through signals.
void Warte(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    QEventLoop schleife;
    QObject::connect(&job, &QKeychain::Job::finished, &schleife, &QEventLoop::quit);
    job.start();
    schleife.exec();
}

} // namespace

QString Konto(const QString& host, int port, const QString& benutzer)
{
    return QStringLiteral("%1@%2:%3").arg(benutzer, host).arg(port);
}

TLesung Lesen(const QString& konto)
{
    QKeychain::ReadPasswordJob job(Dienst);
    job.setKey(konto);
    Warte(job);
    TLesung l;
    if (job.error() == QKeychain::NoError) {
        l.erreichbar = true;
        l.passwort = job.textData();
    } else {
        l.erreichbar = job.error() == QKeychain::EntryNotFound;
    }
    return l;
}

bool Schreiben(const QString& konto, const QString& passwort)
{
    QKeychain::WritePasswordJob job(Dienst);
    job.setKey(konto);
    job.setTextData(passwort);
    Warte(job);
    return job.error() == QKeychain::NoError;
}

void Loeschen(const QString& konto)
{
    QKeychain::DeletePasswordJob job(Dienst);
    job.setKey(konto);
    Warte(job);
}

} // namespace Schluesselbund
