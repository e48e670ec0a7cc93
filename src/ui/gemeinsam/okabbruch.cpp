#include "gemeinsam/okabbruch.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

TOkAbbruch OkAbbruchKnoepfe(QDialog* dialog, const QString& okText)
{
    auto* ok = new QPushButton(okText, dialog);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto* abbruch = new QPushButton(QStringLiteral("&Abbruch"), dialog);
    abbruch->setObjectName(QStringLiteral("AbbruchBtn"));
    abbruch->setAutoDefault(false);
    // accept() is virtual: a dialog that checks its fields first gets its own.
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(abbruch, &QPushButton::clicked, dialog, &QDialog::reject);
    return {ok, abbruch};
}

QHBoxLayout* OkAbbruchZeile(QDialog* dialog, const QString& okText)
{
    const TOkAbbruch k = OkAbbruchKnoepfe(dialog, okText);
    auto* zeile = new QHBoxLayout;
    zeile->addStretch();
    zeile->addWidget(k.ok);
    zeile->addWidget(k.abbruch);
    return zeile;
}
