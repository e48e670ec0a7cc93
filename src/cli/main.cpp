// kalumo-cli: headless commands on data files. Exit status 0 on success, 1 when the work
// fails (the program's German message on stderr), 2 for a call it cannot make sense of
// (usage on stderr). --help and -h print the usage on stdout.
#include "befehle.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <csignal>
#include <memory>

std::map<QString, TBefehl>& Befehle()
{
    static std::map<QString, TBefehl> befehle;
    return befehle;
}

static void Verwendung(QTextStream& aus)
{
    aus << "Verwendung: kalumo-cli BEFEHL ARGUMENTE...\n\n"
           "Kalumo ohne Fenster: Befehle auf Elternsprechtags-Dateien (*.qvt).\n";
    if (Befehle().empty()) {
        aus << "\nDiese Version kennt noch keine Befehle.\n";
        return;
    }
    aus << "\nBefehle:\n";
    for (const auto& [name, b] : Befehle())
        aus << "  kalumo-cli " << b.verwendung << "\n      " << b.beschreibung << "\n";
}

int main(int argc, char** argv)
{
    // Beyond a file size limit a write then fails with a message instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    // Printing measures text with real fonts and needs a GUI application; without a
    // display it draws offscreen. Every other command stays headless.
    const auto gewaehlt = argc > 1 ? Befehle().find(QString::fromLocal8Bit(argv[1])) : Befehle().end();
    std::unique_ptr<QCoreApplication> anwendung;
    if (gewaehlt != Befehle().end() && gewaehlt->second.grafik) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        anwendung = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        anwendung = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *anwendung;
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    QStringList argumente = app.arguments().mid(1);
    if (argumente.isEmpty()) {
        Verwendung(fehler);
        return ExitVerwendung;
    }
    const QString name = argumente.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        Verwendung(aus);
        return 0;
    }
    const auto it = Befehle().find(name);
    if (it == Befehle().end()) {
        fehler << "Unbekannter Befehl: " << name << "\n\n";
        Verwendung(fehler);
        return ExitVerwendung;
    }
    TCliAusgabe io{aus, fehler};
    const int status = it->second.ausfuehren(argumente, io);
    if (status == ExitVerwendung) {
        aus.flush();
        fehler << "Verwendung: kalumo-cli " << it->second.verwendung << "\n";
    }
    return status;
}
