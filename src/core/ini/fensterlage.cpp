#include "ini/fensterlage.h"

#include <algorithm>

QRect FensterEinpassen(const QRect& gespeichert, const QRect& verfuegbar, const QMargins& rahmen, const QSize& mindest)
{
    if (verfuegbar.isEmpty())
        return gespeichert;
    // Everything below is in frame coordinates: the stored position is the frame's corner.
    const int platzB = verfuegbar.width() - rahmen.left() - rahmen.right();
    const int platzH = verfuegbar.height() - rahmen.top() - rahmen.bottom();
    const QSize groesse(std::max(mindest.width(), std::min(gespeichert.width(), platzB)),
                        std::max(mindest.height(), std::min(gespeichert.height(), platzH)));
    const int rahmenB = groesse.width() + rahmen.left() + rahmen.right();
    const int rahmenH = groesse.height() + rahmen.top() + rahmen.bottom();

    int x = gespeichert.x();
    int y = gespeichert.y();
    if (rahmenB <= verfuegbar.width())
        x = std::clamp(x, verfuegbar.left(), verfuegbar.left() + verfuegbar.width() - rahmenB);
    else
        x = verfuegbar.left() + (verfuegbar.width() - rahmenB) / 2;
    if (rahmenH <= verfuegbar.height())
        y = std::clamp(y, verfuegbar.top(), verfuegbar.top() + verfuegbar.height() - rahmenH);
    else
        y = std::max(verfuegbar.top(), verfuegbar.top() + (verfuegbar.height() - rahmenH) / 2);
    return {QPoint(x, y), groesse};
}
