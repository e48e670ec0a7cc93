#include "gemeinsam/vorschaudruck.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewDialog>

namespace Vorschaudruck {

void Umleiten(QPrintPreviewDialog& dlg, bool& gewuenscht)
{
    gewuenscht = false;
    // The dialog names its action with its own translation context, in whatever language
    // is loaded; the same lookup finds it.
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* aktion : dlg.findChildren<QAction*>()) {
        if (aktion->text() != text)
            continue;
        aktion->disconnect(&dlg);
        QObject::connect(aktion, &QAction::triggered, &dlg, [&dlg, &gewuenscht] {
            gewuenscht = true;
            dlg.accept();
        });
    }
}

} // namespace Vorschaudruck
