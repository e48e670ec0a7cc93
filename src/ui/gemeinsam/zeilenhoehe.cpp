#include "gemeinsam/zeilenhoehe.h"

#include <QFontMetrics>
#include <QListView>

int Zeilenhoehe(const QFontMetrics& fm)
{
    // Ink of the tallest capitals with marks and of the deepest descenders, against the
    // line the font claims; the row is centred on the line, so the larger overshoot counts
    // on both sides.
    const QRect tinte = fm.tightBoundingRect(QStringLiteral("ÄÖÜÅÉÂÇgjpqy|"));
    const int oben = qMax(0, -tinte.top() - fm.ascent());
    const int unten = qMax(0, tinte.bottom() + 1 - fm.descent());
    const int luft = 2;
    return fm.height() + 2 * (qMax(oben, unten) + luft);
}

QSize TZeilenDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(qMax(s.height(), Zeilenhoehe(option.fontMetrics)));
    return s;
}

void ZeilenhoeheSichern(QListView* liste)
{
    liste->setItemDelegate(new TZeilenDelegate(liste));
}
