#include "bearbeiten/lehrerzeiten.h"

#include "model/sprechtag.h"

bool AbweichZeitSetzen(TSprechtag& tag, const QString& lehrer, bool an)
{
    TLehrer* l = tag.Lehrer.Suche(lehrer);
    if (!l || l->AbweichZeit == an)
        return false;
    l->AbweichZeit = an;
    tag.Geaendert((an ? QStringLiteral("Abweichende Sprechzeit für „%1“") : QStringLiteral("Keine abweichende Sprechzeit für „%1“"))
                      .arg(lehrer));
    return true;
}

static TLehrerzeitEingabe Eingabe(TSprechtag& tag, const QString& lehrer, const QString& text, bool start)
{
    TLehrer* l = tag.Lehrer.Suche(lehrer);
    if (!l)
        return {};
    const auto t = Zeit::ZeitText(text);
    if (!t)
        return {false, Zeit::UngueltigeZeitMeldung(text, start ? QStringLiteral("Sprechzeitbeginn") : QStringLiteral("Sprechzeitende"))};
    const double startVorher = l->StartZeit;
    const double endeVorher = l->EndZeit;
    if (start) {
        l->StartZeit = qMax(*t, tag.Vorgaben.SprechStart);
        if (l->EndZeit < l->StartZeit)
            l->EndZeit = l->StartZeit;
    } else {
        l->EndZeit = qMax(*t, l->StartZeit);
    }
    if (l->StartZeit != startVorher || l->EndZeit != endeVorher)
        tag.Geaendert(QStringLiteral("Sprechzeit von „%1“ ändern").arg(lehrer));
    return {};
}

TLehrerzeitEingabe LehrerStartEingabe(TSprechtag& tag, const QString& lehrer, const QString& text)
{
    return Eingabe(tag, lehrer, text, true);
}

TLehrerzeitEingabe LehrerEndeEingabe(TSprechtag& tag, const QString& lehrer, const QString& text)
{
    return Eingabe(tag, lehrer, text, false);
}

QString LehrerzeitSchritt(const TSprechtag& tag, const QString& lehrer, bool start, int minuten)
{
    const TLehrer* l = tag.Lehrer.Suche(lehrer);
    if (!l)
        return {};
    const double t = (start ? l->StartZeit : l->EndZeit) + Zeit::Minuten(minuten);
    // Never past the ends of the clock: the field could not take the text back.
    return Zeit::Anzeige(qBound(0.0, t, Zeit::Kodiere(23, 59)));
}
