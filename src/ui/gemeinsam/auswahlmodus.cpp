#include "gemeinsam/auswahlmodus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

TAuswahlModus::TAuswahlModus(int nummer, QWidget* eltern)
    : QWidget(eltern)
{
    m_normal = new QRadioButton(QStringLiteral("normal"), this);
    m_normal->setObjectName(QStringLiteral("SelModNormRb%1").arg(nummer));
    m_normal->setChecked(true);
    m_erweitert = new QRadioButton(QStringLiteral("mit Strg + Umschalt"), this);
    m_erweitert->setObjectName(QStringLiteral("SelModExtRb%1").arg(nummer));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Mehrfachauswahl:"), this));
    layout->addWidget(m_normal);
    layout->addWidget(m_erweitert);
    layout->addStretch();
    connect(m_normal, &QRadioButton::clicked, this, [this] { emit geaendert(false); });
    connect(m_erweitert, &QRadioButton::clicked, this, [this] { emit geaendert(true); });
}

