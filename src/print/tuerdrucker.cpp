#include "tuerdrucker.h"

#include "pdfausgabe.h"
#include "seitenmasse.h"
#include "tuerschrift.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <algorithm>

QString TuerlistenTitel()
{
    return QStringLiteral("QVT Türlisten");
}

namespace {

using S = TTuerText::Schrift;
using A = TTuerText::Ausrichtung;

class TTuerMaler {
public:
    explicit TTuerMaler(QPainter& maler)
        : m_maler(maler)
        , m_grund(TuerGrundschrift())
    {
    }

    void Seite(const TTuerSeite& s)
    {
        if (m_maler.device())
            m_masse = TSeitenMasse::Messe(*m_maler.device());
        for (const TTuerLinie& l : s.linien) {
            const int breite = std::max(1, int(l.staerke * 0.1 * m_masse.PxProCmX));
            m_maler.setPen(QPen(Qt::black, breite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            m_maler.drawLine(punkt(l.x1, l.y1), punkt(l.x2, l.y2));
        }
        m_maler.setPen(QPen(Qt::black, 1));
        for (const TTuerText& t : s.texte)
            text(t);
    }

private:
    QPoint punkt(double xMm, double yMm) const { return {m_masse.XPos(xMm * 0.1), m_masse.YPos(yMm * 0.1)}; }

    QFont schrift(S s)
    {
        // The same device for every page of a job: each size is fitted once.
        const auto it = m_schriften.constFind(int(s));
        if (it != m_schriften.cend())
            return *it;
        const TTuerSchriftArt art = TuerSchriftArt(s);
        QFont f = m_grund;
        f.setBold(art.fett);
        f.setPointSize(30);
        const int b = QFontMetrics(f, m_maler.device()).horizontalAdvance(*art.muster);
        if (b > 0)
            f.setPointSize(std::max(1, int(30.0 * art.breiteCm * m_masse.PxProCmX / b)));
        m_schriften.insert(int(s), f);
        return f;
    }

    void text(const TTuerText& t)
    {
        QFont f = schrift(t.schrift);
        int breite = QFontMetrics(f, m_maler.device()).horizontalAdvance(t.text);
        const int erlaubt = int(t.breite * 0.1 * m_masse.PxProCmX);
        if (erlaubt > 0 && breite > erlaubt) {
            // Too wide: narrowed rather than cut, so every character stays readable.
            f.setStretch(std::max(1, int(100.0 * erlaubt / breite)));
            breite = QFontMetrics(f, m_maler.device()).horizontalAdvance(t.text);
        }
        m_maler.setFont(f);
        const QPoint p = punkt(t.x, t.y);
        int x = p.x();
        if (t.ausrichtung == A::Mitte)
            x -= breite / 2;
        else if (t.ausrichtung == A::Rechts)
            x -= breite;
        m_maler.drawText(QPoint(x, p.y() + QFontMetrics(f, m_maler.device()).ascent()), t.text);
    }

    QPainter& m_maler;
    TSeitenMasse m_masse;
    QFont m_grund;
    QHash<int, QFont> m_schriften;
};

} // namespace

bool DruckeTuerlisten(QPainter& maler, const std::function<bool()>& neueSeite, const std::vector<TTuerSeite>& seiten,
                      const TDruckFortschritt& fortschritt)
{
    const int gesamt = int(seiten.size());
    if (fortschritt && !fortschritt(0, gesamt))
        return false;
    TTuerMaler tm(maler);
    for (size_t i = 0; i < seiten.size(); ++i) {
        if (i > 0 && neueSeite)
            neueSeite();
        tm.Seite(seiten[i]);
        if (fortschritt && !fortschritt(int(i) + 1, gesamt))
            return false;
    }
    return true;
}

std::optional<QString> TuerlistenDrucken(QPrinter& drucker, const TSprechtag& tag, const QStringList& lehrer,
                                         const TTuerTexte& texte, const TDruckFortschritt& fortschritt)
{
    const auto seiten = PlaneTuerlisten(tag, lehrer, texte);
    drucker.setDocName(TuerlistenTitel());
    drucker.setPageOrientation(QPageLayout::Portrait);
    QPainter maler;
    if (!maler.begin(&drucker))
        return QStringLiteral("Der Drucker konnte nicht geöffnet werden.");
    if (!DruckeTuerlisten(maler, [&drucker] { return drucker.newPage(); }, seiten, fortschritt)) {
        // As for the plans: withdrawn where the platform can, else the drawn pages go out
        // and the printer's state tells the caller.
        drucker.abort();
        maler.end();
        return std::nullopt;
    }
    if (!maler.end())
        return QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden.");
    return std::nullopt;
}

std::optional<QString> TuerlistenAlsPdf(const QString& pfad, const TSprechtag& tag, const QStringList& lehrer,
                                        const TTuerTexte& texte, const TDruckFortschritt& fortschritt)
{
    const auto seiten = PlaneTuerlisten(tag, lehrer, texte);
    return PdfAusgabe::Schreibe(pfad, TuerlistenTitel(),
                                [&](QPainter& maler, const std::function<bool()>& neueSeite) {
                                    return DruckeTuerlisten(maler, neueSeite, seiten, fortschritt);
                                });
}
