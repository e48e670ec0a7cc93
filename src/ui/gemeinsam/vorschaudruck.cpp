#include "gemeinsam/vorschaudruck.h"

#include "gemeinsam/meldungen.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

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

bool Zeige(QPrinter& drucker, QWidget* eltern, const QString& objektName, const QString& titel, const TZeichne& zeichne)
{
    QPrintPreviewDialog dlg(&drucker, eltern);
    dlg.setObjectName(objektName);
    dlg.setWindowTitle(titel);
    std::optional<QString> fehler;
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, [&](QPrinter* p) { fehler = zeichne(*p); });
    QSize groesse(760, 820);
    if (const QScreen* s = eltern->screen())
        groesse = groesse.boundedTo(s->availableGeometry().size() * 9 / 10);
    dlg.resize(groesse);
    bool drucken = false;
    Umleiten(dlg, drucken);
    dlg.exec();
    if (fehler) {
        Meldung::Fehler(eltern, *fehler);
        return false;
    }
    return drucken;
}

} // namespace Vorschaudruck
