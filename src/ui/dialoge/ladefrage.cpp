#include "dialoge/ladefrage.h"

#include "gemeinsam/okabbruch.h"
#include "seiten/seite.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TListLoadSpecForm::TListLoadSpecForm(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("ListLoadSpecForm"));
    setWindowTitle(QStringLiteral("Listen laden"));

    auto* kopf = Fett(QStringLiteral("Bestehende Listen"), this);
    auto* text = new QLabel(QStringLiteral("Die aktuelle Lehrer- bzw. Elternliste\nist nicht leer. Sie können entweder\n\n"
                                           "- die neuen Liste(n) den bestehenden hinzufügen oder\n"
                                           "- die vorhandenen Liste(n) durch die neuen ersetzen."),
                            this);
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* gruppe = new QGroupBox(this);
    gruppe->setObjectName(QStringLiteral("RadioGroup1"));
    m_ersetzen = new QRadioButton(QStringLiteral("&Ersetzen"), gruppe);
    m_ersetzen->setObjectName(QStringLiteral("Ersetzen"));
    m_hinzufuegen = new QRadioButton(QStringLiteral("&Hinzufügen (Daten kombinieren)"), gruppe);
    m_hinzufuegen->setObjectName(QStringLiteral("Hinzufuegen"));
    m_hinzufuegen->setChecked(true);
    auto* gruppenLayout = new QVBoxLayout(gruppe);
    gruppenLayout->addWidget(m_ersetzen);
    gruppenLayout->addWidget(m_hinzufuegen);

    auto* knoepfe = OkAbbruchZeile(this, QStringLiteral("&OK"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kopf);
    layout->addWidget(text);
    layout->addWidget(gruppe);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<TLadeModus> TListLoadSpecForm::Frage()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_ersetzen->isChecked() ? TLadeModus::Ersetzen : TLadeModus::Hinzufuegen;
}
