#include "versand/auswahl.h"

namespace Versand {

namespace {

QString WasMitWert(const QString& was, const QString& pruefwert)
{
    return was + QChar(0x1F) + pruefwert;
}

} // namespace

QString StandText(TVersandStand stand)
{
    switch (stand) {
    case TVersandStand::Versendet:
        return QStringLiteral("versendet");
    case TVersandStand::Geaendert:
        return QStringLiteral("geändert");
    case TVersandStand::Neu:
        break;
    }
    return QStringLiteral("neu");
}

TProtokollStand::TProtokollStand(const std::vector<TProtokollZeile>& zeilen)
    : m_versendet(Versendet(zeilen))
{
    for (const TProtokollZeile& z : zeilen)
        if (z.Ergebnis == ErgebnisVersendet) {
            m_was.insert(z.Was);
            m_wasMitWert.insert(WasMitWert(z.Was, z.Pruefwert));
        }
}

TVersandStand TProtokollStand::Stand(const TNachricht& n) const
{
    bool alle = !n.Mail.An.isEmpty();
    for (const QString& a : n.Mail.An)
        alle = alle && m_versendet.contains(Schluessel(a, n.Was, n.Pruefwert));
    if (alle)
        return TVersandStand::Versendet;
    // Went out before with another content: the plan changed since (drop-out, editor).
    if (m_was.contains(n.Was) && !m_wasMitWert.contains(WasMitWert(n.Was, n.Pruefwert)))
        return TVersandStand::Geaendert;
    return TVersandStand::Neu;
}

std::vector<TAngebot> Anbieten(const std::vector<TNachricht>& alle, const TAuswahl& auswahl, const TProtokollStand& stand)
{
    const QSet<QString> namen(auswahl.Namen.begin(), auswahl.Namen.end());
    std::vector<TAngebot> aus;
    for (const TNachricht& n : alle) {
        if (!namen.isEmpty()) {
            bool gewaehlt = false;
            for (const QString& e : n.Eintraege)
                gewaehlt = gewaehlt || namen.contains(e);
            if (!gewaehlt)
                continue;
        }
        const TVersandStand s = stand.Stand(n);
        if (auswahl.NurNeue && s == TVersandStand::Versendet)
            continue;
        aus.push_back({n, s});
    }
    return aus;
}

TNachricht Probe(const TNachricht& n, const QString& eigeneAdresse)
{
    TNachricht p = n;
    p.Was = QStringLiteral("Probe ") + n.Was;
    p.Mail.An = {eigeneAdresse};
    p.Mail.EmpfaengerName.clear();
    p.Mail.Betreff = QStringLiteral("[Probe] ") + n.Mail.Betreff;
    return p;
}

} // namespace Versand
