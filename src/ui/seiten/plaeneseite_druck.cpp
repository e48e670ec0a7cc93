#include "seiten/plaeneseite_druck.h"

#include "seiten/seite.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString Zeigen = QStringLiteral("Druck&optionen zeigen");
const QString Ausblenden = QStringLiteral("Druck&optionen ausblenden");

} // namespace

TDruckPanel::TDruckPanel(QWidget* eltern)
    : QFrame(eltern)
{
    setObjectName(QStringLiteral("DruckOptionen"));
    setFrameShape(QFrame::StyledPanel);
    m_optBtn = new QPushButton(Ausblenden, this);
    m_optBtn->setObjectName(QStringLiteral("DruckOptBtn"));
    m_optBtn->setAutoDefault(false);

    auto radio = [this](const QString& text, const char* name) {
        auto* rb = new QRadioButton(text, this);
        rb->setObjectName(QString::fromUtf8(name));
        return rb;
    };
    m_ausgewaehlte = radio(QStringLiteral("ausgewählte Zeitpläne"), "RadioButton1");
    m_ausgewaehlte->setToolTip(QStringLiteral("Druckt die links auf der sichtbaren Seite ausgewählten Namen"));
    m_ausgewaehlte->setAccessibleDescription(m_ausgewaehlte->toolTip());
    m_alleLehrer = radio(QStringLiteral("alle Lehrerzeitpläne"), "RadioButton3");
    m_alleEltern = radio(QStringLiteral("alle Elternzeitpläne"), "RadioButton4");
    m_alle = radio(QStringLiteral("alle Zeitpläne"), "RadioButton5");
    m_alle->setChecked(true);

    auto check = [this](const QString& text, const QString& zugang, const char* name, bool an) {
        auto* cb = new QCheckBox(text, this);
        cb->setObjectName(QString::fromUtf8(name));
        cb->setAccessibleName(zugang);
        cb->setChecked(an);
        return cb;
    };
    m_ohneWunsch = check(QStringLiteral("Eltern, die keine Sprech-\nwünsche hatten"), QStringLiteral("Eltern, die keine Sprechwünsche hatten"),
                         "SkipElternOhneWunsch", true);
    m_ohneTermin = check(QStringLiteral("Eltern, die keine Termine\nbekommen haben"),
                         QStringLiteral("Eltern, die keine Termine bekommen haben"), "SkipElternOhneTerm", false);
    m_lehrerOhneTermin = check(QStringLiteral("Lehrer, die niemand\nsprechen möchte"), QStringLiteral("Lehrer, die niemand sprechen möchte"),
                               "SkipLehrerOhneTerm", true);

    // Scope and skip rules side by side: stacked they would need more height than the
    // smallest window has beside the selection lists.
    auto* umfang = new QVBoxLayout;
    umfang->setSpacing(2);
    umfang->addWidget(Fett(QStringLiteral("Zeitpläne drucken:"), this));
    for (QRadioButton* rb : {m_ausgewaehlte, m_alleLehrer, m_alleEltern, m_alle})
        umfang->addWidget(rb);
    umfang->addStretch();
    auto* weglassen = new QVBoxLayout;
    weglassen->setSpacing(2);
    weglassen->addWidget(Fett(QStringLiteral("Dabei weglassen:"), this));
    for (QCheckBox* cb : {m_ohneWunsch, m_ohneTermin, m_lehrerOhneTermin})
        weglassen->addWidget(cb);
    weglassen->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(umfang);
    layout->addSpacing(12);
    layout->addLayout(weglassen);
    layout->addStretch();

    m_druckBtn = new QPushButton(QStringLiteral("Dr&ucken"), this);
    m_druckBtn->setObjectName(QStringLiteral("BitBtn6"));
    m_druckBtn->setAutoDefault(false);
    m_druckBtn->setToolTip(QStringLiteral("Druckt die gewählten Zeitpläne"));
    m_druckBtn->setAccessibleDescription(m_druckBtn->toolTip());
    m_vorschauBtn = new QPushButton(QStringLiteral("Druck&vorschau"), this);
    m_vorschauBtn->setObjectName(QStringLiteral("DruckVorschauBtn"));
    m_vorschauBtn->setAutoDefault(false);
    m_vorschauBtn->setToolTip(QStringLiteral("Zeigt die gewählten Zeitpläne so, wie sie gedruckt würden"));
    m_vorschauBtn->setAccessibleDescription(m_vorschauBtn->toolTip());

    connect(m_optBtn, &QPushButton::clicked, this, &TDruckPanel::DruckOptBtnClick);
    connect(m_druckBtn, &QPushButton::clicked, this, &TDruckPanel::drucken);
    connect(m_vorschauBtn, &QPushButton::clicked, this, &TDruckPanel::vorschau);
    // The options start collapsed.
    DruckOptBtnClick();
}

void TDruckPanel::DruckOptBtnClick()
{
    m_optionenSichtbar = !m_optionenSichtbar;
    setVisible(m_optionenSichtbar);
    m_optBtn->setText(m_optionenSichtbar ? Ausblenden : Zeigen);
}

TDruckOptionen TDruckPanel::Optionen() const
{
    TDruckOptionen o;
    if (m_ausgewaehlte->isChecked())
        o.umfang = TDruckOptionen::Umfang::Ausgewaehlte;
    else if (m_alleLehrer->isChecked())
        o.umfang = TDruckOptionen::Umfang::AlleLehrer;
    else if (m_alleEltern->isChecked())
        o.umfang = TDruckOptionen::Umfang::AlleEltern;
    else
        o.umfang = TDruckOptionen::Umfang::Alle;
    o.SkipElternOhneWunsch = m_ohneWunsch->isChecked();
    o.SkipElternOhneTerm = m_ohneTermin->isChecked();
    o.SkipLehrerOhneTerm = m_lehrerOhneTermin->isChecked();
    return o;
}
