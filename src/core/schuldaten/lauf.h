#pragma once
// Reading and planning a school's files on a worker thread: how far the work got and
// whether the user wants it stopped. The work looks at the flag between records and
// steps; a stopped run yields a partial result that the caller throws away.

#include <atomic>
#include <functional>

namespace Schuldaten {

class TLauf {
public:
    /// Receives the share done (0 … 1) of the whole run, on the worker's thread.
    using Melder = std::function<void(double anteil)>;

    TLauf() = default;
    explicit TLauf(Melder melder)
        : m_melder(std::move(melder))
    {
    }

    void Abbrechen() { m_abbruch.store(true, std::memory_order_relaxed); }
    bool Abgebrochen() const { return m_abbruch.load(std::memory_order_relaxed); }

    /// The piece of the run that follows covers the shares `von` to `bis`.
    void Abschnitt(double von, double bis)
    {
        m_von = von;
        m_bis = bis;
        Stand(0);
    }
    /// Share `anteil` (0 … 1) of the current piece is done.
    void Stand(double anteil) const
    {
        if (m_melder)
            m_melder(m_von + anteil * (m_bis - m_von));
    }

private:
    Melder m_melder;
    std::atomic<bool> m_abbruch{false};
    double m_von = 0;
    double m_bis = 1;
};

} // namespace Schuldaten
