#include "gemeinsam/anzeigeoptionen.h"

void TAnzeigeOptionen::SetSpalten(int eltern, int relation)
{
    m_elternSpalten = eltern;
    m_relationsSpalten = relation;
    emit geaendert();
}

static int Schritt(int wert, int schritt)
{
    const int neu = wert + schritt;
    return (neu < 1 || neu > 10) ? wert : neu;
}

void TAnzeigeOptionen::ElternSpaltenSchritt(int schritt)
{
    m_elternSpalten = Schritt(m_elternSpalten, schritt);
    emit geaendert();
}

void TAnzeigeOptionen::RelationsSpaltenSchritt(int schritt)
{
    m_relationsSpalten = Schritt(m_relationsSpalten, schritt);
    emit geaendert();
}

void TAnzeigeOptionen::SetGrosseSchrift(bool gross)
{
    m_gross = gross;
    emit geaendert();
}
