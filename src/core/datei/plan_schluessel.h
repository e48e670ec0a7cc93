#pragma once
// The running key that shifts the names and lines of the timetable section. It keeps
// plans from being read in a plain text editor; it is no protection.

#include <QByteArray>
#include <QtGlobal>

class TPlanSchluessel {
public:
    static constexpr qint64 Wende = 31994;
    static constexpr qint64 NachWende = 29676;

    explicit TPlanSchluessel(qint64 start) : m_k(start) {}

    /// Advances the key for the next text and shifts its bytes for the file.
    QByteArray Verschiebe(QByteArray bytes) { return Schiebe(std::move(bytes), -1); }
    /// Advances the key and turns bytes read from the file back.
    QByteArray Zurueck(QByteArray bytes) { return Schiebe(std::move(bytes), +1); }

    qint64 Aktuell() const { return m_k; }

private:
    QByteArray Schiebe(QByteArray bytes, int richtung)
    {
        // 64 bits: a start value from a damaged file must not overflow on the way.
        m_k = m_k == Wende ? NachWende : m_k + 1;
        const int d = int(m_k % 27) * richtung;
        for (char& c : bytes)
            c = char(uchar(int(uchar(c)) + d));
        return bytes;
    }

    qint64 m_k;
};
