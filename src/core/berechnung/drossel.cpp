#include "berechnung/drossel.h"

TDrossel::TDrossel(TFortschritt& ziel, const TDrosselTakt& takt)
    : m_ziel(ziel)
    , m_takt(takt)
{
    if (m_takt.uhrAbstand < 1)
        m_takt.uhrAbstand = 1;
    m_uhr.start();
}

void TDrossel::pruefeUhr()
{
    m_punkte = 0;
    const qint64 t = jetzt();
    if (t - m_letzteAnzeige >= m_takt.anzeigeMs)
        m_anzeigeFaellig = true;
    if (t - m_letzteEreignisse >= m_takt.ereignisseMs) {
        m_ziel.EreignisseVerarbeiten();
        // Measured after the events ran: a slow repaint must not make the next call due at once.
        m_letzteEreignisse = jetzt();
    }
}
