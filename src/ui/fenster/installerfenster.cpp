#include "fenster/installerfenster.h"

#include "kunst/kunst.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TInstallerInfoForm::TInstallerInfoForm(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("InstallerInfoForm"));
    setWindowTitle(QStringLiteral("Kalumo Setup"));

    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setPixmap(Kunst::InstallerBild());

    auto* name = new QLabel(QStringLiteral("Kalumo"), this);
    name->setObjectName(QStringLiteral("Label1"));
    QFont f = name->font();
    f.setPointSizeF(f.pointSizeF() * 2);
    f.setBold(true);
    name->setFont(f);

    auto* version = new QLabel(QStringLiteral(KALUMO_VERSION_TEXT), this);
    version->setObjectName(QStringLiteral("Versionslabel"));

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* rechts = new QVBoxLayout;
    rechts->addStretch();
    rechts->addWidget(name);
    rechts->addWidget(version);
    rechts->addStretch();
    rechts->addWidget(ok, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(bild);
    layout->addLayout(rechts);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
