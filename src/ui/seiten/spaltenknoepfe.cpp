#include "seiten/spaltenknoepfe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TSpaltenKnoepfe::TSpaltenKnoepfe(const QString& panelName, const QString& decName, const QString& labelName,
                                 const QString& incName, QWidget* eltern)
    : QWidget(eltern)
{
    setObjectName(panelName);
    auto* titel = new QLabel(QStringLiteral("Spalten:"), this);
    m_dec = new QPushButton(QStringLiteral("-"), this);
    m_dec->setObjectName(decName);
    m_dec->setAccessibleName(QStringLiteral("Weniger Spalten"));
    m_zahl = new QLabel(QStringLiteral("10"), this);
    m_zahl->setObjectName(labelName);
    m_zahl->setAlignment(Qt::AlignCenter);
    m_zahl->setMinimumWidth(20);
    m_inc = new QPushButton(QStringLiteral("+"), this);
    m_inc->setObjectName(incName);
    m_inc->setAccessibleName(QStringLiteral("Mehr Spalten"));
    for (QPushButton* k : {m_dec, m_inc}) {
        k->setAutoDefault(false);
        k->setFixedWidth(28);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titel);
    layout->addWidget(m_dec);
    layout->addWidget(m_zahl);
    layout->addWidget(m_inc);
    connect(m_dec, &QPushButton::clicked, this, &TSpaltenKnoepfe::weniger);
    connect(m_inc, &QPushButton::clicked, this, &TSpaltenKnoepfe::mehr);
}

void TSpaltenKnoepfe::SetZahl(int zahl)
{
    m_zahl->setText(QString::number(zahl));
    m_zahl->setAccessibleName(QStringLiteral("%1 Spalten").arg(zahl));
}
