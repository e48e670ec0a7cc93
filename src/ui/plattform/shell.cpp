#include "plattform/shell.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

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

bool SystemHatPdfBetrachter()
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    // Without the tool nobody can tell; the opener tries and reports what it finds.
    if (xdgMime.isEmpty())
        return true;
    QProcess frage;
    frage.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf")});
    if (!frage.waitForFinished(5000)) {
        frage.kill();
        frage.waitForFinished();
        return true;
    }
    return frage.exitStatus() == QProcess::NormalExit && !frage.readAllStandardOutput().trimmed().isEmpty();
}

PdfPruefung& pdfPruefung()
{
    static PdfPruefung p;
    return p;
}

} // namespace

bool PdfBetrachterDa()
{
    return pdfPruefung() ? pdfPruefung()() : SystemHatPdfBetrachter();
}

void SetPdfPruefung(PdfPruefung pruefung) { pdfPruefung() = std::move(pruefung); }

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
