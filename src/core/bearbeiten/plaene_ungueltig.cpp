#include "bearbeiten/plaene_ungueltig.h"

QString PlaeneUngueltigFrage()
{
    return QStringLiteral("Es liegen bereits erzeugte Zeitpläne vor.\r\n\r\n"
                          "Bei dieser Aktion werden diese Pläne ungültig.\n\r"
                          "Sie können die Pläne aber später neu berechnen lassen.\n\r\n\r"
                          "Wollen Sie fortfahren?");
}

bool PlaeneUngueltigAntwort(TSprechtag& tag, bool ja)
{
    if (!ja)
        return false;
    if (tag.PlaeneGueltig) {
        // Saving leaves invalid plans out, so the file to be written changes.
        tag.PlaeneGueltig = false;
        tag.Geaendert(QStringLiteral("Zeitpläne verwerfen"));
    }
    return true;
}

bool TryInvalidatePlansAction(TSprechtag& tag, const std::function<bool(const QString& frage)>& bestaetigen)
{
    if (!tag.PlaeneGueltig)
        return true;
    return PlaeneUngueltigAntwort(tag, bestaetigen && bestaetigen(PlaeneUngueltigFrage()));
}
