#pragma once
// Each command of kalumo-cli lives in a file of its own and registers itself here, so that
// adding one touches no other file.

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <map>

struct TCliAusgabe {
    QTextStream& aus;
    QTextStream& fehler;
};

/// Exit status of a call that names no known command or passes arguments a command cannot
/// take; the work itself failing is 1. On this status the dispatcher prints the command's
/// usage on standard error, so a command just returns it.
inline constexpr int ExitVerwendung = 2;

using TBefehlFn = std::function<int(const QStringList& argumente, TCliAusgabe& io)>;

struct TBefehl {
    QString verwendung; ///< one line, e.g. "info DATEI.qvt"
    QString beschreibung;
    TBefehlFn ausfuehren;
    /// The command measures or draws text (printing) and needs a GUI application.
    bool grafik = false;
};

std::map<QString, TBefehl>& Befehle();

struct TBefehlRegistrierung {
    TBefehlRegistrierung(const QString& name, TBefehl befehl) { Befehle()[name] = std::move(befehl); }
};
