// kalumo-cli: headless commands on data files. Exit status 0 on success, 1 on any error,
// with the program's German message on stderr.
#include "befehle.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

std::map<QString, TBefehl>& Befehle()
{
    static std::map<QString, TBefehl> befehle;
    return befehle;
}

static int Verwendung(QTextStream& aus)
{
    aus << "Verwendung: kalumo-cli BEFEHL ARGUMENTE...\n\n"
           "Kalumo ohne Fenster: Befehle auf Elternsprechtags-Dateien (*.qvt).\n";
    if (Befehle().empty()) {
        aus << "\nDiese Version kennt noch keine Befehle.\n";
        return 1;
    }
    aus << "\nBefehle:\n";
    for (const auto& [name, b] : Befehle())
        aus << "  kalumo-cli " << b.verwendung << "\n      " << b.beschreibung << "\n";
    return 1;
}

int main(int argc, char** argv)
{
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
    if (argumente.isEmpty())
        return Verwendung(fehler);
    const QString name = argumente.takeFirst();
    const auto it = Befehle().find(name);
    if (it == Befehle().end()) {
        fehler << "Unbekannter Befehl: " << name << "\n\n";
        return Verwendung(fehler);
    }
    TCliAusgabe io{aus, fehler};
    return it->second.ausfuehren(argumente, io);
}
