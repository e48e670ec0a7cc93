#include "kunst/kunst.h"

#include "plattform/shell.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Kunst {
namespace {

const QColor Nachtblau(0x1f, 0x3b, 0x57);
const QColor Petrol(0x2f, 0x6f, 0x73);
const QColor Sand(0xf4, 0xe9, 0xd8);
const QColor Koralle(0xe8, 0x8d, 0x67);

QFont Schrift(int punkte, bool fett = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(punkte);
    f.setBold(fett);
    return f;
}

// A small desk calendar with a clock: the day, cut into conversations.
void Kalender(QPainter& p, const QRectF& r)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(r.translated(5, 6), 14, 14);
    p.setBrush(Sand);
    p.drawRoundedRect(r, 14, 14);
    QRectF kopf(r.left(), r.top(), r.width(), r.height() * 0.24);
    QPainterPath karte;
    karte.addRoundedRect(r, 14, 14);
    p.save();
    p.setClipPath(karte);
    p.fillRect(kopf, Koralle);
    p.restore();
    p.setBrush(Nachtblau);
    for (int i = 0; i < 2; ++i) {
        const qreal x = r.left() + r.width() * (0.3 + 0.4 * i);
        p.drawRoundedRect(QRectF(x - 4, r.top() - 8, 8, 18), 4, 4);
    }
    // Rows of appointments.
    const qreal zeilenTop = kopf.bottom() + 12;
    const qreal zeile = (r.bottom() - 14 - zeilenTop) / 5;
    for (int i = 0; i < 5; ++i) {
        const qreal y = zeilenTop + i * zeile;
        p.setBrush(QColor(Petrol.red(), Petrol.green(), Petrol.blue(), i == 2 ? 255 : 150));
        p.drawRoundedRect(QRectF(r.left() + 14, y, 18, zeile * 0.6), 3, 3);
        p.setBrush(QColor(0x9a, 0xa8, 0xb4, i == 2 ? 255 : 170));
        p.drawRoundedRect(QRectF(r.left() + 40, y + zeile * 0.12, r.width() * (i % 2 ? 0.42 : 0.55), zeile * 0.36), 3, 3);
    }
    // Clock in the corner.
    const QPointF m(r.right() - 6, r.bottom() - 6);
    const qreal rad = r.width() * 0.2;
    p.setBrush(Qt::white);
    p.setPen(QPen(Nachtblau, 3));
    p.drawEllipse(m, rad, rad);
    p.setPen(QPen(Nachtblau, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m, m + QPointF(0, -rad * 0.62));
    p.drawLine(m, m + QPointF(rad * 0.48, rad * 0.1));
    p.restore();
}

void Hintergrund(QPainter& p, const QRect& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Nachtblau);
    g.setColorAt(1, Petrol);
    p.fillRect(r, g);
    p.setPen(Qt::NoPen);
    QRadialGradient licht(QPointF(r.width() * 0.85, r.height() * 0.1), r.width() * 0.6);
    licht.setColorAt(0, QColor(255, 255, 255, 45));
    licht.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(licht);
    p.drawRect(r);
}

} // namespace

QRect WebBereich() { return {24, 322, 230, 18}; }
QRect MailBereich() { return {24, 342, 230, 18}; }

QPixmap StartHintergrund()
{
    QPixmap bild(StartGroesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Hintergrund(p, bild.rect());

    p.setPen(Qt::white);
    p.setFont(Schrift(46, true));
    p.drawText(QRect(24, 30, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kalumo"));
    p.setPen(Sand);
    p.setFont(Schrift(17));
    p.drawText(QRect(26, 88, 300, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Elternsprechtage planen"));
    p.setPen(QColor(255, 255, 255, 200));
    p.setFont(Schrift(12));
    p.drawText(QRect(26, 118, 250, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Lehrer, Eltern und Wünsche eingeben –\nKalumo findet für jede Familie die Termine."));

    Kalender(p, QRectF(318, 60, 150, 170));

    p.setPen(QColor(255, 255, 255, 90));
    p.drawLine(24, 312, 478, 312);
    p.setPen(Sand);
    p.setFont(Schrift(12));
    p.drawText(WebBereich(), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(Shell::WebAdresse).remove(QStringLiteral("https://")));
    p.drawText(MailBereich(), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(Shell::SupportAdresse));
    return bild;
}

QPixmap StartKnopf(const QString& text, bool primaer)
{
    const int h = KnopfGroesse.height();
    QPixmap bild(KnopfGroesse.width(), 2 * h);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    for (int zustand = 0; zustand < 2; ++zustand) {
        const QRectF r(2, zustand * h + 4, KnopfGroesse.width() - 4, h - 8);
        const bool hell = zustand == 1;
        QColor grund = primaer ? Koralle : QColor(255, 255, 255, 40);
        if (hell)
            grund = primaer ? Koralle.lighter(115) : QColor(255, 255, 255, 90);
        p.setPen(QPen(hell ? Sand : QColor(255, 255, 255, 120), hell ? 2 : 1));
        p.setBrush(grund);
        p.drawRoundedRect(r, 16, 16);
        p.setPen(Qt::white);
        p.setFont(Schrift(15, true));
        p.drawText(r, Qt::AlignCenter, text);
    }
    return bild;
}

QPixmap InstallerBild()
{
    QPixmap bild(160, 200);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    Hintergrund(p, bild.rect());
    Kalender(p, QRectF(22, 40, 110, 125));
    return bild;
}

QIcon ProgrammSymbol()
{
    QIcon icon;
    for (int groesse : {16, 32, 48, 64, 128}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal rand = groesse * 0.12;
        Kalender(p, QRectF(rand, rand * 1.4, groesse - 2.4 * rand, groesse - 2.6 * rand));
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

QIcon UebernehmenSymbol()
{
    QPixmap bild(24, 24);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Petrol, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(4, 12), QPointF(19, 12));
    p.drawLine(QPointF(13, 6), QPointF(19, 12));
    p.drawLine(QPointF(13, 18), QPointF(19, 12));
    return QIcon(bild);
}

QIcon VerlaufSymbol(bool wiederholen)
{
    QIcon icon;
    for (const int g : {16, 24, 32}) {
        QPixmap bild(g, g);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        if (wiederholen) {
            p.translate(g, 0);
            p.scale(-1, 1);
        }
        const qreal e = g / 24.0;
        p.setPen(QPen(Petrol, 2.6 * e, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        // A bow from the right back to the left, the head at its left end.
        QPainterPath bogen;
        bogen.moveTo(6 * e, 10 * e);
        bogen.cubicTo(10 * e, 4 * e, 20 * e, 5 * e, 20 * e, 12 * e);
        bogen.cubicTo(20 * e, 17 * e, 16 * e, 19 * e, 12 * e, 19 * e);
        p.drawPath(bogen);
        p.setBrush(Petrol);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(2 * e, 5 * e), QPointF(10 * e, 7 * e), QPointF(4 * e, 13 * e)}));
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

} // namespace Kunst
