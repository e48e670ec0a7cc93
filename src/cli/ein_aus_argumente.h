#pragma once
// Argument handling of the commands that read one day file and write one output file
// (pdf, vorschau, ausfall): EIN.qvt AUS.x and options, in any order. A command lists the switches
// and valued options it takes; adding one is a line in that list.

#include "befehle.h"

#include <QHash>
#include <QSet>
#include <optional>

class TSprechtag;

struct TEinAusErlaubt {
    QStringList schalter;                  ///< options without a value, e.g. "--alle"
    QStringList mitWert;                   ///< options followed by one value, e.g. "--schule"
    QList<QStringList> hoechstensEiner;    ///< groups of options (with or without value) of which one call gives at most one
};

struct TEinAusAufruf {
    QString ein;
    QString aus;
    QSet<QString> schalter;
    QHash<QString, QString> werte;

    bool Hat(const QString& name) const { return schalter.contains(name); }
    QString Wert(const QString& name) const { return werte.value(name); }
};

namespace CliEinAus {

/// The call's files and options, or nothing for a call the command cannot take: then any
/// reason beyond the usage line is already on stderr and the command returns ExitVerwendung.
std::optional<TEinAusAufruf> Lies(const QStringList& argumente, const TEinAusErlaubt& erlaubt, TCliAusgabe& io);

/// Loads the input file into an empty day; on failure the file's message is on stderr and
/// the exit status is returned.
std::optional<int> LadeEin(TSprechtag& tag, const QString& datei, TCliAusgabe& io);

} // namespace CliEinAus
