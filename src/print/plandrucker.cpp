#include "plandrucker.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>

using PlanLayout::TBox;
using PlanLayout::TEintrag;
using PlanLayout::TKasten;

const QString TPlanDrucker::SchmalesMuster = QStringLiteral("Text von 40 Zeichen füllt die ACBBreite.");
const QString TPlanDrucker::BreitesMuster = QStringLiteral("Ein Text von etwa 60 Zeichen füllt die gesamte Wasdenn-Breite");
const QString TPlanDrucker::FussnotenMuster = QStringLiteral("Dieser kurze Satz hat genau achtundfünfzig Zeichen, prima.");

TPlanDrucker::TPlanDrucker(QPainter& maler, std::function<bool()> neueSeite, TPlanTexte texte)
    : m_maler(maler), m_neueSeite(std::move(neueSeite)), m_texte(std::move(texte))
{
    // "Arial" by name; where it is not installed, a face with the same metrics.
    m_schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    m_schrift.setStyleHint(QFont::SansSerif);
    m_schrift.setKerning(false);
    m_schrift.setPointSize(30);
    MesseSeite();
}

void TPlanDrucker::MesseSeite()
{
    if (m_maler.device())
        m_masse = TSeitenMasse::Messe(*m_maler.device());
}

void TPlanDrucker::NeueSeite()
{
    if (m_neueSeite)
        m_neueSeite();
}

void TPlanDrucker::setzeSchrift(int punkte, bool fett)
{
    m_schrift.setPointSize(std::max(1, punkte));
    m_schrift.setBold(fett);
    m_maler.setFont(m_schrift);
}

void TPlanDrucker::TextBei(const QString& text, double x, double y)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm(m_maler.font(), m_maler.device());
    m_maler.drawText(QPoint(m_masse.XPos(x), m_masse.YPos(y) + fm.ascent()), text);
}

void TPlanDrucker::TextMittig(const QString& text, double x, double y)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm(m_maler.font(), m_maler.device());
    const int breite = fm.horizontalAdvance(text);
    m_maler.drawText(QPoint(m_masse.XPos(x) - breite / 2, m_masse.YPos(y) + fm.ascent()), text);
}

void TPlanDrucker::SchriftAnpassen(const QString& muster, double w)
{
    setzeSchrift(30, m_schrift.bold());
    const QFontMetrics fm(m_maler.font(), m_maler.device());
    const int b = fm.horizontalAdvance(muster);
    if (b <= 0)
        return;
    setzeSchrift(int(30.0 * w * m_masse.PxProCmX / b), m_schrift.bold());
}

void TPlanDrucker::Titel(const QString& text, double x, double y, double w)
{
    SchriftAnpassen(text, w);
    TextMittig(text, x, y);
}

void TPlanDrucker::Rahmen(double x1, double y1, double x2, double y2)
{
    const QPoint a(m_masse.XPos(x1), m_masse.YPos(y1));
    const QPoint b(m_masse.XPos(x2), m_masse.YPos(y1));
    const QPoint c(m_masse.XPos(x2), m_masse.YPos(y2));
    const QPoint d(m_masse.XPos(x1), m_masse.YPos(y2));
    m_maler.drawLine(a, b);
    m_maler.drawLine(b, c);
    m_maler.drawLine(c, d);
    m_maler.drawLine(d, a);
}

void TPlanDrucker::Schnittlinien()
{
    // A width in device units would be a hair at 1200 dpi and a smear on screen; in
    // millimetres the dots look alike everywhere. Flat caps keep each dot as long as the
    // line is wide, so the gaps stay open.
    QPen stift = m_maler.pen();
    QPen gepunktet(stift.brush(), SchnittlinienBreiteMm * 0.1 * m_masse.PxProCmX, Qt::DotLine, Qt::FlatCap);
    m_maler.setPen(gepunktet);
    m_maler.drawLine(QPoint(m_masse.XPos(10.5), m_masse.YPos(1.8)), QPoint(m_masse.XPos(10.5), m_masse.YPos(27.9)));
    m_maler.drawLine(QPoint(m_masse.XPos(1.0), m_masse.YPos(14.85)), QPoint(m_masse.XPos(20.0), m_masse.YPos(14.85)));
    stift.setStyle(Qt::SolidLine);
    m_maler.setPen(stift);
}

template <class Fn>
void TPlanDrucker::hoechstens(const QString& text, int verfuegbar, Fn&& zeichne)
{
    const int breite = QFontMetrics(m_maler.font(), m_maler.device()).horizontalAdvance(text);
    if (breite <= verfuegbar || verfuegbar <= 0) {
        zeichne();
        return;
    }
    // Too wide: squeeze this one text horizontally rather than let it overprint the next
    // column or leave the frame; every character stays printed and readable.
    const QFont vorher = m_maler.font();
    QFont schmal = vorher;
    schmal.setStretch(std::max(1, int(100.0 * verfuegbar / breite)));
    m_maler.setFont(schmal);
    zeichne();
    m_maler.setFont(vorher);
}

void TPlanDrucker::textBeiBis(const QString& text, double x, double y, double rechts)
{
    hoechstens(text, m_masse.XPos(rechts) - m_masse.XPos(x), [&] { TextBei(text, x, y); });
}

void TPlanDrucker::textMittigIn(const QString& text, double x, double y, double breiteCm)
{
    hoechstens(text, int(breiteCm * m_masse.PxProCmX), [&] { TextMittig(text, x, y); });
}

void TPlanDrucker::PrintPlan(const QString& Name, const QStringList& Zeilen, bool MitEinleitung, bool A6, bool Erster)
{
    const auto boxen = PlanLayout::Verteile(int(Zeilen.size()), MitEinleitung, int(m_texte.Einleitung.size()), A6,
                                            m_texte.Fussnote);
    for (size_t b = 0; b < boxen.size(); ++b) {
        MesseSeite();
        const TPlatz platz = Blaetter.Naechster(A6, Erster && b == 0);
        if (platz.neueSeite)
            NeueSeite();
        if (platz.schnittlinien) {
            m_maler.setPen(QPen(Qt::black, 1));
            Schnittlinien();
        }
        const TKasten k = A6 ? PlanLayout::A6Kasten(platz.viertel) : PlanLayout::A4Kasten();
        zeichneKasten(k, boxen[b].fortsetzung ? PlanLayout::FortsetzungsName(Name) : Name, Zeilen, boxen[b]);
    }
}

void TPlanDrucker::zeichneKasten(const TKasten& k, const QString& name, const QStringList& zeilen, const TBox& box)
{
    const int rahmenBreite = std::max(1, int(m_masse.PageWidthPx * 0.003125));

    m_schrift.setBold(true);
    m_maler.setPen(QPen(Qt::black, rahmenBreite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    Rahmen(k.X0, k.Y0, k.X1(), k.Y1());
    m_maler.setPen(QPen(Qt::black, 1));

    // Inside the frame with a little air on both sides.
    const double innenBreite = k.W - 0.4;
    int zeile = k.ersteZeile;
    if (k.a6) {
        Titel(QStringLiteral("Zeitplan"), k.XC(), k.Y0 + k.H * 0.025, k.W * 0.5);
        SchriftAnpassen(SchmalesMuster, 9.0);
        textMittigIn(name, k.XC(), k.ZeileY(zeile - 0.5), innenBreite);
        zeile += 1;
        SchriftAnpassen(SchmalesMuster, 6.5);
    } else {
        Titel(QStringLiteral("Zeitplan"), k.XC(), k.Y0 + k.H * 0.025, k.W * 0.4);
        SchriftAnpassen(BreitesMuster, 17.0);
        textMittigIn(name, k.XC(), k.ZeileY(zeile), innenBreite);
        zeile += 2;
        SchriftAnpassen(BreitesMuster, 11.2);
    }
    textMittigIn(m_texte.SchulName, k.XC(), k.ZeileY(zeile), innenBreite);
    zeile += 1;
    textMittigIn(m_texte.Headline2, k.XC(), k.ZeileY(zeile), innenBreite);

    m_schrift.setBold(false);
    m_maler.setFont(m_schrift);

    const double links = k.X0 + k.W * 0.05;
    const double zweiteSpalte = k.XC() + k.W * 0.1;
    const double rechterRand = k.X1() - k.W * 0.025;
    const bool zweiSpaltig = std::any_of(box.eintraege.cbegin(), box.eintraege.cend(),
                                         [](const TEintrag& e) { return e.spalte == 1; });
    for (const TEintrag& e : box.eintraege) {
        const double y = k.ZeileY(e.zeile);
        switch (e.art) {
        case TEintrag::Art::Einleitung:
            textBeiBis(m_texte.Einleitung.at(e.index), links, y, rechterRand);
            break;
        case TEintrag::Art::Ueberschrift:
            textBeiBis(QStringLiteral("Ihr persönlicher Terminplan:"), links, y, rechterRand);
            break;
        case TEintrag::Art::Planzeile:
            if (e.spalte == 0)
                textBeiBis(zeilen.at(e.index), links, y, zweiSpaltig ? zweiteSpalte - 0.2 : rechterRand);
            else
                textBeiBis(zeilen.at(e.index), zweiteSpalte, y, rechterRand);
            break;
        }
    }

    if (m_texte.Fussnote) {
        SchriftAnpassen(FussnotenMuster, 5.0);
        TextBei(m_texte.FussnotenText(), k.X0 + 0.1, k.Y1() - 0.3);
    }
}
