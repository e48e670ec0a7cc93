#include "model/sortierte_liste.h"

#include "model/namen.h"

qsizetype TSortierteListe::untereGrenze(const QString& text) const
{
    // Timetable lines and sibling names usually arrive in order.
    if (!m_liste.isEmpty() && Namen::Vergleiche(m_liste.constLast(), text) < 0)
        return m_liste.size();
    qsizetype lo = 0, hi = m_liste.size();
    while (lo < hi) {
        const qsizetype mitte = (lo + hi) / 2;
        if (Namen::Vergleiche(m_liste.at(mitte), text) < 0)
            lo = mitte + 1;
        else
            hi = mitte;
    }
    return lo;
}

bool TSortierteListe::Hinzufuegen(const QString& text)
{
    const qsizetype pos = untereGrenze(text);
    if (pos < m_liste.size() && Namen::Gleich(m_liste.at(pos), text))
        return false;
    m_liste.insert(pos, text);
    return true;
}

qsizetype TSortierteListe::IndexVon(const QString& text) const
{
    const qsizetype pos = untereGrenze(text);
    return (pos < m_liste.size() && Namen::Gleich(m_liste.at(pos), text)) ? pos : -1;
}

bool TSortierteListe::EntferneGenau(const QString& text)
{
    return m_liste.removeAll(text) > 0;
}

bool TSortierteListe::ErsetzeGenau(const QString& alt, const QString& neu)
{
    if (!m_liste.contains(alt))
        return false;
    QStringList vorher = m_liste;
    for (QString& s : vorher)
        if (s == alt)
            s = neu;
    Setze(vorher);
    return true;
}

void TSortierteListe::Setze(const QStringList& texte)
{
    m_liste.clear();
    for (const QString& t : texte)
        Hinzufuegen(t);
}
