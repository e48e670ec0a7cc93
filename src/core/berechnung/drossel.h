#pragma once
// Throttles the calls from the computation into its progress sink. The computation passes
// a point at every probe; handing each of them to the event loop would cost more than the
// computation itself. Events run at most about every 15 ms and the window repaints at most
// about 30 times a second, which keeps it animated and responsive.

#include "berechnung/fortschritt.h"

#include <QElapsedTimer>
#include <functional>

struct TDrosselTakt {
    /// Least time between two calls of EreignisseVerarbeiten; 0 = at every point.
    int ereignisseMs = 15;
    /// Least time between two repaints by ZeigAn; 0 = at every progress state.
    int anzeigeMs = 33;
    /// The clock is read only at every n-th point: a point costs far less than a clock read.
    int uhrAbstand = 64;
    /// Milliseconds of a steady clock; empty means the real one. Tests pass a clock of
    /// their own, so that the number of repaints follows from the time it reports.
    std::function<qint64()> uhr;

    /// No throttling at all: every point reaches the sink.
    static TDrosselTakt Ungedrosselt() { return {0, 0, 1, {}}; }
};

class TDrossel {
public:
    TDrossel(TFortschritt& ziel, const TDrosselTakt& takt);

    /// A point at which pending events may run.
    void Ereignisse()
    {
        if (++m_punkte >= m_takt.uhrAbstand)
            pruefeUhr();
    }

    /// A progress state. `text` is built only when the state is really shown.
    template <class TextFn>
    void ZeigAn(int durchgang, int durchgaenge, bool fertig, TextFn&& text, int platziert,
                int bewilligt, int vergeben, bool erzwingen = false)
    {
        if (++m_punkte >= m_takt.uhrAbstand)
            pruefeUhr();
        if (!m_anzeigeFaellig && !erzwingen)
            return;
        m_anzeigeFaellig = false;
        m_letzteAnzeige = jetzt();
        m_ziel.ZeigAn(durchgang, durchgaenge, fertig, text(), platziert, bewilligt, vergeben);
    }

private:
    void pruefeUhr();
    qint64 jetzt() const { return m_takt.uhr ? m_takt.uhr() : m_uhr.elapsed(); }

    TFortschritt& m_ziel;
    TDrosselTakt m_takt;
    QElapsedTimer m_uhr;
    int m_punkte = 0;
    qint64 m_letzteEreignisse = 0;
    qint64 m_letzteAnzeige = 0;
    bool m_anzeigeFaellig = false;
};
