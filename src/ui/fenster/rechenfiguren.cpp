#include "fenster/rechenfiguren.h"

#include <QPainter>
#include <QPainterPath>

namespace Rechenfiguren {

QPixmap Tuer()
{
    QPixmap bild(TuerGroesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = TuerGroesse.width();
    const int h = TuerGroesse.height();
    // Wall in two pieces with a gap: the figure disappears behind the brickwork and shows
    // again in the doorway.
    const QColor ziegel(0xb8, 0x5c, 0x3c);
    const QColor fuge(0xe9, 0xd8, 0xc8);
    auto mauer = [&](QRect r) {
        p.fillRect(r, ziegel);
        p.setPen(QPen(fuge, 1));
        for (int y = r.top() + 7; y < r.bottom(); y += 8)
            p.drawLine(r.left(), y, r.right(), y);
        for (int y = r.top(), reihe = 0; y < r.bottom(); y += 8, ++reihe)
            for (int x = r.left() + (reihe % 2 ? 6 : 12); x < r.right(); x += 14)
                p.drawLine(x, y, x, std::min(y + 7, r.bottom()));
    };
    mauer(QRect(0, 14, 38, h - 14));
    mauer(QRect(70, 14, w - 70, h - 14));
    // Door frame and the open door leaf.
    p.setPen(QPen(QColor(0x3a, 0x2a, 0x1e), 2));
    p.drawRect(QRect(38, 18, 32, h - 19));
    QPainterPath fluegel;
    fluegel.moveTo(70, 18);
    fluegel.lineTo(80, 22);
    fluegel.lineTo(80, h - 4);
    fluegel.lineTo(70, h - 1);
    fluegel.closeSubpath();
    p.fillPath(fluegel, QColor(0x2f, 0x6f, 0x73));
    // Roof edge with the sign.
    p.fillRect(QRect(0, 8, w, 7), QColor(0x1f, 0x3b, 0x57));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 8, w, 7), Qt::AlignCenter, QStringLiteral("SPRECHZIMMER"));
    return bild;
}

QPixmap Figur(int nr)
{
    QPixmap bild(FigurGroesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor haut(0xf1, 0xc2, 0x9c);
    const QColor jacke = nr == 1 ? QColor(0x2f, 0x6f, 0x73) : QColor(0xd9, 0x8c, 0x1f);
    // Legs, body, head.
    p.setPen(QPen(QColor(0x33, 0x33, 0x44), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(9, 28, 7, 38);
    p.drawLine(13, 28, 15, 38);
    p.setPen(Qt::NoPen);
    p.setBrush(jacke);
    p.drawRoundedRect(QRectF(5, 12, 12, 17), 4, 4);
    p.setBrush(haut);
    p.drawEllipse(QRectF(6, 1, 10, 10));
    if (nr == 1) {
        // A question bubble: the wish for an appointment.
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(0x1f, 0x3b, 0x57), 1));
        p.drawEllipse(QRectF(14, 0, 8, 8));
        QFont f = p.font();
        f.setPixelSize(7);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(14, 0, 8, 8), Qt::AlignCenter, QStringLiteral("?"));
    } else {
        // The plan sheet in the hand.
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
        p.drawRect(QRectF(14, 15, 7, 9));
        p.drawLine(QPointF(15.5, 18), QPointF(19.5, 18));
        p.drawLine(QPointF(15.5, 20.5), QPointF(19.5, 20.5));
    }
    return bild;
}

} // namespace Rechenfiguren
