#pragma once
// What a window shows at once: of a page control (tab widget, stacked panels) only one page
// is shown, so every combination of pages is one view. Widgets the program hides for a
// while (a panel shown instead of another, collapsed options) count as shown, since they
// appear without leaving the view.

#include <QApplication>
#include <QList>
#include <QStackedWidget>
#include <QWidget>
#include <vector>

using Ansicht = QList<QWidget*>;

/// Every combination of stacked pages below `w`, each as the list of widgets it shows.
/// Other windows (dialogs with `w` as parent) are not part of it.
inline std::vector<Ansicht> Ansichten(QWidget* w)
{
    if (auto* stapel = qobject_cast<QStackedWidget*>(w)) {
        std::vector<Ansicht> alle;
        for (int i = 0; i < stapel->count(); ++i)
            for (Ansicht a : Ansichten(stapel->widget(i))) {
                a.prepend(w);
                alle.push_back(a);
            }
        if (!alle.empty())
            return alle;
    }
    std::vector<Ansicht> erg{{w}};
    for (QWidget* kind : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (kind->isWindow())
            continue;
        const std::vector<Ansicht> unter = Ansichten(kind);
        std::vector<Ansicht> neu;
        for (const Ansicht& a : erg)
            for (const Ansicht& u : unter)
                neu.push_back(a + u);
        erg = std::move(neu);
    }
    return erg;
}

/// The windows the program made, with or without a parent; tooltips, menus and the like
/// are Qt's own.
inline QList<QWidget*> ProgrammFenster()
{
    QList<QWidget*> fenster;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->inherits("QMenu") && !w->inherits("QTipLabel") && !w->objectName().startsWith(QStringLiteral("qt_")))
            fenster << w;
    return fenster;
}
