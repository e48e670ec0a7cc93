#include "bearbeiten/anwesenheit.h"

namespace {

bool Setze(double& ziel, double wert)
{
    if (ziel == wert)
        return false;
    ziel = wert;
    return true;
}

} // namespace

TAnwesenheitsAnzeige AnwesenheitZeigen(TSprechtag& tag, const QString& eltern,
                                       const TAnwesenheitsGedaechtnis& gedaechtnis)
{
    TAnwesenheitsAnzeige a;
    TEltern* p = tag.Eltern.Suche(eltern);
    if (!p)
        return a;
    bool geaendert = false;
    if (!p->NichtVor)
        geaendert |= Setze(p->NichtVorZeit, gedaechtnis.LetzteNichtVorZeit);
    if (!p->NichtNach)
        geaendert |= Setze(p->NichtNachZeit, gedaechtnis.LetzteNichtNachZeit);
    // Only the remembered time of a limit that is off: nothing the user would undo.
    if (geaendert)
        tag.NebenbeiGeaendert();
    a.Gefunden = true;
    a.NichtVor = p->NichtVor;
    a.NichtNach = p->NichtNach;
    a.NichtVorText = Zeit::Anzeige(p->NichtVorZeit);
    a.NichtNachText = Zeit::Anzeige(p->NichtNachZeit);
    return a;
}

bool AnwesenheitSchalten(TSprechtag& tag, const QString& eltern, TAnwesenheitsGrenze grenze, bool an)
{
    TEltern* p = tag.Eltern.Suche(eltern);
    if (!p)
        return false;
    bool& flag = grenze == TAnwesenheitsGrenze::NichtVor ? p->NichtVor : p->NichtNach;
    if (flag == an)
        return false;
    flag = an;
    tag.Geaendert(QStringLiteral("Anwesenheit von „%1“ ändern").arg(eltern));
    return true;
}

TZeitEingabe AnwesenheitZeitEingabe(TSprechtag& tag, const QString& eltern, TAnwesenheitsGrenze grenze,
                                    const QString& text, TAnwesenheitsGedaechtnis& gedaechtnis)
{
    TZeitEingabe r;
    TEltern* p = tag.Eltern.Suche(eltern);
    if (!p)
        return r;
    const std::optional<double> t = Zeit::ZeitText(text);
    if (!t) {
        r.Ok = false;
        r.Meldung = AnwesenheitsZeitMeldung(text, grenze);
        return r;
    }
    const bool vor = grenze == TAnwesenheitsGrenze::NichtVor;
    (vor ? gedaechtnis.LetzteNichtVorZeit : gedaechtnis.LetzteNichtNachZeit) = *t;
    if (Setze(vor ? p->NichtVorZeit : p->NichtNachZeit, *t))
        tag.Geaendert(QStringLiteral("Anwesenheit von „%1“ ändern").arg(eltern));
    return r;
}

QString AnwesenheitsZeitMeldung(const QString& text, TAnwesenheitsGrenze grenze)
{
    return Zeit::UngueltigeZeitMeldung(text, grenze == TAnwesenheitsGrenze::NichtVor ? QStringLiteral("Termine nicht vor")
                                                                                     : QStringLiteral("Termine nicht nach"));
}
