#include "seiten/plaeneseite.h"

#include <QLabel>
#include <QVBoxLayout>

TPlaeneSeite::TPlaeneSeite(TSprechtag& tag, QWidget* eltern)
    : TSeite(tag, false, eltern)
{
    setObjectName(QStringLiteral("TsPlaene"));
    auto* inhalt = new QWidget(this);
    auto* layout = new QVBoxLayout(inhalt);
    m_keinePlaene = new QLabel(QStringLiteral("Es wurden noch keine Zeitpläne berechnet."), inhalt);
    m_keinePlaene->setObjectName(QStringLiteral("LabelNoPlans"));
    layout->addWidget(m_keinePlaene);
    layout->addStretch();
    SetInhalt(inhalt);
}

void TPlaeneSeite::Aufbereiten(bool) {}
