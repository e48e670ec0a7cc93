#include "plattform/shell.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace Shell {
namespace {

Oeffner& oeffner()
{
    static Oeffner o = [](const QUrl& url) {
        // Qt reports only whether the launcher started; a local file that is missing is
        // a failure we can see ourselves.
        if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
            return false;
        return QDesktopServices::openUrl(url);
    };
    return o;
}

} // namespace

bool Oeffne(const QUrl& url) { return oeffner()(url); }

void InZwischenablage(const QString& text)
{
    if (QClipboard* c = QGuiApplication::clipboard())
        c->setText(text);
}

QString ProgrammOrdner()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void SetOeffner(Oeffner o) { oeffner() = std::move(o); }

QString BrowserMeldung()
{
    return QStringLiteral("Ihr Internet-Browser konnte nicht gestartet werden. Die gewünschte Adresse wurde jedoch in die "
                          "Zwischenablage kopiert. Starten Sie Ihren Browser manuell und fügen Sie die Adresse mit Strg+V ein.");
}

} // namespace Shell
