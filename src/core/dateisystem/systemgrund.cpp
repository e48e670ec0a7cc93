#include "dateisystem/systemgrund.h"

#include <cerrno>

namespace Dateisystem {

QString SystemGrund(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOENT:
        return QStringLiteral("Die Datei oder ihren Ordner gibt es nicht.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Sie haben dafür keine Berechtigung.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("Ihr Speicherplatz auf dem Datenträger ist aufgebraucht.");
#endif
    case EFBIG:
        return QStringLiteral("Die Datei wird größer, als das System erlaubt.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler (vielleicht wurde er entfernt "
                              "oder die Netzverbindung ist unterbrochen).");
    case EISDIR:
        return QStringLiteral("Das ist ein Ordner.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfads ist kein Ordner.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang.");
    case ELOOP:
        return QStringLiteral("Der Pfad enthält zu viele symbolische Verknüpfungen.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien geöffnet.");
    case ENOMEM:
        return QStringLiteral("Der Arbeitsspeicher reicht nicht aus.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei wird gerade benutzt.");
    case EXDEV:
        return QStringLiteral("Die Datei liegt auf einem anderen Datenträger.");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("Das Gerät ist nicht erreichbar.");
    default:
        return QStringLiteral("Das System meldet den Fehler Nr. %1.").arg(fehlernummer);
    }
}

} // namespace Dateisystem
