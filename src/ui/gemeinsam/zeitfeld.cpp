#include "gemeinsam/zeitfeld.h"

#include "zeit/zeit.h"

#include <QKeyEvent>

TZeitFeld::TZeitFeld(const QString& objektName, const QString& zugang, QWidget* eltern)
    : TDetailFeld(objektName, zugang, eltern)
{
}

QString TZeitFeld::bleibt(const QString& fuer) const
{
    if (const auto bisher = Zeit::ZeitText(text()))
        return QStringLiteral("\rFür „%1“ gilt weiter %2 Uhr.").arg(fuer, Zeit::Anzeige(*bisher));
    return {};
}

bool TZeitFeld::annehmbar() const
{
    return Zeit::ZeitText(text()).has_value();
}

void TZeitFeld::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        setGeaendert();
    TDetailFeld::keyPressEvent(e);
}
