// Every control a keyboard user can reach must have a name a screen reader can speak:
// buttons by their caption, fields and lists by a buddy label or an accessible name.
#include "ui_hilfen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>

namespace {

QStringList NamenloseBedienelemente(QWidget* wurzel)
{
    QSet<QWidget*> mitBuddy;
    for (QLabel* lb : wurzel->findChildren<QLabel*>())
        if (lb->buddy())
            mitBuddy.insert(lb->buddy());
    QStringList fehlend;
    for (QWidget* w : wurzel->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isEnabled())
            continue;
        // Parts of composite widgets (the line edit inside a spin box, a tab bar's
        // scroll buttons) are spoken through their owner.
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget())
            || w->parentWidget()->inherits("QTabBar") || w->inherits("QTabBar") || w->parentWidget()->inherits("QAbstractScrollArea")
            || w->inherits("QScrollBar") || w->inherits("QMenu"))
            continue;
        const bool bedienelement = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w)
                                   || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)
                                   || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
        if (!bedienelement)
            continue;
        QString name = w->accessibleName();
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && name.isEmpty())
            name = b->text();
        name.remove(QLatin1Char('&'));
        if (name.trimmed().isEmpty() && !mitBuddy.contains(w))
            fehlend << (w->metaObject()->className() + QStringLiteral(" ") + w->objectName());
    }
    return fehlend;
}

TEST_F(UiTest, JedesBedienelementDesHauptfenstersHatEinenNamen)
{
    EXPECT_EQ(NamenloseBedienelemente(&haupt()), QStringList());
}

TEST_F(UiTest, JedesBedienelementDerDialogeHatEinenNamen)
{
    for (QDialog* d : haupt().findChildren<QDialog*>()) {
        SCOPED_TRACE(d->objectName().toStdString());
        EXPECT_EQ(NamenloseBedienelemente(d), QStringList());
    }
}

} // namespace
