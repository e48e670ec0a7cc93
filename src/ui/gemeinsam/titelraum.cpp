#include "gemeinsam/titelraum.h"

#include <QFontMetrics>
#include <QWidget>

int TitelBreite(const QWidget* fenster)
{
    QFont f = fenster->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.25);
    return QFontMetrics(f).horizontalAdvance(fenster->windowTitle()) + TitelleisteKnoepfe;
}

void RaumFuerTitel(QWidget* fenster)
{
    fenster->setMinimumWidth(std::max(fenster->minimumWidth(), TitelBreite(fenster)));
}
