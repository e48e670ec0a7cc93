#pragma once
// Rows of the name lists tall enough for every letter of the font: the line height of a
// font does not always hold the dots of a capital umlaut ("Ö") or an accent on a capital,
// and a row of exactly that height clips them, most visibly in the small font.

#include <QStyledItemDelegate>

class QFontMetrics;
class QListView;

/// A row that holds capitals with marks above and descenders below, with a little air.
int Zeilenhoehe(const QFontMetrics& fm);

/// Gives the list rows of at least Zeilenhoehe for the list's current font (also after
/// a later setFont).
void ZeilenhoeheSichern(QListView* liste);

class TZeilenDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
