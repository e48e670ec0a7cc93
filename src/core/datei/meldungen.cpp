#include "datei/meldungen.h"

#include <QDir>

namespace DateiMeldung {

static QString Unveraendert()
{
    return QStringLiteral("\rDie Datei wurde nicht gespeichert; eine vorhandene Datei dieses Namens ist unverändert.");
}

QString KeineQvtDatei()
{
    return QStringLiteral("Dies ist keine QVT-Datei!\rEs können keine Daten geladen werden.");
}

QString NeuereRevision()
{
    return QStringLiteral("Diese QVT-Datei wurde mit einer neueren\rVersion des Kalumos erstellt.\r"
                          "Sie enthält Daten, die von diesem Programm nicht\rverarbeitet werden können. "
                          "Bitte installieren Sie\rdie aktuelle Version des Kalumos.");
}

QString KannNichtOeffnen(const QString& pfad)
{
    return QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(pfad));
}

QString KannNichtErzeugen(const QString& pfad)
{
    return QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(pfad)) + Unveraendert();
}

QString SchreibFehler(const QString& pfad)
{
    return QStringLiteral("Stream write error (%1)").arg(QDir::toNativeSeparators(pfad)) + Unveraendert();
}

QString LeseFehler() { return QStringLiteral("Stream read error"); }

QString UngueltigerWert() { return QStringLiteral("Invalid property value"); }

QString KeineGanzzahl(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString ListenIndex(qsizetype index)
{
    return QStringLiteral("List index out of bounds (%1)").arg(index);
}

} // namespace DateiMeldung
