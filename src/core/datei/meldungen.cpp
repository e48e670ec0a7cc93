#include "datei/meldungen.h"

#include <QDir>

namespace DateiMeldung {

static QString DieDatei(const QString& pfad)
{
    return pfad.isEmpty() ? QStringLiteral("Die Datei")
                          : QStringLiteral("Die Datei „%1“").arg(QDir::toNativeSeparators(pfad));
}

QString KeineQvtDatei(const QString& pfad)
{
    return DieDatei(pfad) + QStringLiteral(" ist keine QVT-Datei!\rEs können keine Daten geladen werden.");
}

QString NeuereRevision(const QString& pfad)
{
    return DieDatei(pfad)
        + QStringLiteral(" wurde mit einer neueren\rVersion des Kalumos erstellt.\r"
                         "Sie enthält Daten, die von diesem Programm nicht\rverarbeitet werden können. "
                         "Bitte installieren Sie\rdie aktuelle Version des Kalumos.");
}

QString Beschaedigt(const QString& pfad, const QString& detail)
{
    return DieDatei(pfad) + QStringLiteral(" ist unvollständig oder beschädigt und wurde nicht geladen.\r") + detail;
}

QString Abgebrochen()
{
    return QStringLiteral("Die Daten brechen vorzeitig ab.");
}

QString UngueltigerWert()
{
    return QStringLiteral("Ein Wert hat nicht die erwartete Art.");
}

QString KeineGanzzahl(const QString& text)
{
    return QStringLiteral("Die Revision „%1“ ist keine ganze Zahl.").arg(text);
}

QString FehlenderName()
{
    return QStringLiteral("Ein Zeitplan gehört zu einem Namen, den es in der Datei nicht gibt.");
}

QString ErweiterungBeschaedigt()
{
    return QStringLiteral("Der Zusatzblock am Ende der Datei (Kürzel, Schülernummern, Unterricht) ist beschädigt.");
}

} // namespace DateiMeldung
