#include "plattform/passwort.h"

#include <QEventLoop>
#include <QHash>
#include <QInputDialog>
#include <QLineEdit>
#include <qt6keychain/keychain.h>

namespace Passwort {

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

TSchluesselbund Desktop()
{
    TSchluesselbund b;
    b.lesen = [](const QString& konto) {
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
    };
    b.schreiben = [](const QString& konto, const QString& passwort) {
        QKeychain::WritePasswordJob job(Dienst);
        job.setKey(konto);
        job.setTextData(passwort);
        Warte(job);
        return job.error() == QKeychain::NoError;
    };
    b.loeschen = [](const QString& konto) {
        QKeychain::DeletePasswordJob job(Dienst);
        job.setKey(konto);
        Warte(job);
    };
    return b;
}

std::optional<QString> Fragen(QWidget* eltern, const QString& text)
{
    QInputDialog d(eltern);
    d.setWindowTitle(QStringLiteral("Passwort des Mailservers"));
    d.setLabelText(text);
    d.setTextEchoMode(QLineEdit::Password);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Abbrechen"));
    d.setObjectName(QStringLiteral("PasswortFrage"));
    if (auto* feld = d.findChild<QLineEdit*>())
        feld->setAccessibleName(QStringLiteral("Passwort"));
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.textValue();
}

TSchluesselbund& Bund()
{
    static TSchluesselbund b = Desktop();
    return b;
}

TFrage& Frage()
{
    static TFrage f = Fragen;
    return f;
}

QHash<QString, QString>& Gemerkt()
{
    static QHash<QString, QString> g;
    return g;
}

} // namespace

void SetSchluesselbund(TSchluesselbund bund)
{
    Bund() = bund.lesen ? std::move(bund) : Desktop();
    Gemerkt().clear();
}

void SetFrage(TFrage frage)
{
    Frage() = frage ? std::move(frage) : TFrage(Fragen);
}

QString Konto(const QString& host, int port, const QString& benutzer)
{
    return QStringLiteral("%1@%2:%3").arg(benutzer, host).arg(port);
}

std::optional<QString> Holen(QWidget* eltern, const QString& konto, const QString& frage)
{
    if (const auto it = Gemerkt().constFind(konto); it != Gemerkt().constEnd())
        return *it;
    const TLesung l = Bund().lesen(konto);
    if (l.passwort) {
        Gemerkt().insert(konto, *l.passwort);
        return l.passwort;
    }
    std::optional<QString> p = Frage()(eltern, frage);
    if (!p)
        return std::nullopt;
    if (l.erreichbar)
        Bund().schreiben(konto, *p);
    Gemerkt().insert(konto, *p);
    return p;
}

void Vergessen(const QString& konto)
{
    Gemerkt().remove(konto);
    if (Bund().loeschen)
        Bund().loeschen(konto);
}

} // namespace Passwort
