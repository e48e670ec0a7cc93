#include "raster/keine_termine.h"

#include "raster/tagesraster.h"

namespace Raster {

QString KeineTermineHinweis(const TSprechtag& tag)
{
    if (AnzSlots(tag) > 0)
        return {};
    if (tag.Vorgaben.SprechEnde < tag.Vorgaben.SprechStart)
        return QStringLiteral("Das Ende liegt vor dem Beginn – der Tag hat keine Termine.");
    return QStringLiteral("Zwischen Beginn und Ende passt kein ganzer Termin – der Tag hat keine Termine.");
}

} // namespace Raster
