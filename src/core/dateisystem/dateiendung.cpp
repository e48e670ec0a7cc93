#include "dateisystem/dateiendung.h"

namespace Dateisystem {
namespace {

bool HatEigeneEndung(const QString& dateiname)
{
    const qsizetype punkt = dateiname.lastIndexOf(QLatin1Char('.'));
    // A leading dot starts a hidden name, not an extension.
    if (punkt <= 0)
        return false;
    const QString endung = dateiname.mid(punkt + 1);
    if (endung.isEmpty() || endung.size() > 4)
        return false;
    bool buchstabe = false;
    for (QChar c : endung) {
        if (!c.isLetterOrNumber())
            return false;
        buchstabe = buchstabe || c.isLetter();
    }
    // A date or a class number ("10.12.2026", "Kl. 5") is part of the name.
    return buchstabe;
}

} // namespace

QString MitEndung(const QString& pfad, const QString& endung)
{
    if (pfad.isEmpty() || endung.isEmpty())
        return pfad;
    const qsizetype schraeg = pfad.lastIndexOf(QLatin1Char('/'));
    const QString dateiname = pfad.mid(schraeg + 1);
    if (dateiname.isEmpty() || HatEigeneEndung(dateiname))
        return pfad;
    return pfad.endsWith(QLatin1Char('.')) ? pfad + endung : pfad + QLatin1Char('.') + endung;
}

} // namespace Dateisystem
