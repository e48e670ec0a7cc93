#include "seiten/plaeneseite_druck.h"

#include "seiten/seite.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const QString Zeigen = QStringLiteral("Druck&optionen zeigen");
const QString Ausblenden = QStringLiteral("Druck&optionen ausblenden");

} // namespace

TDruckPanel::TDruckPanel(QWidget* eltern)
    : QWidget(eltern)
{
    setObjectName(QStringLiteral("DruckPanel"));
    m_optBtn = new QPushButton(Ausblenden, this);
    m_optBtn->setObjectName(QStringLiteral("DruckOptBtn"));
    m_optBtn->setAutoDefault(false);

    m_optionen = new QWidget;
    m_optionen->setObjectName(QStringLiteral("DruckOptionen"));
    auto radio = [this](const QString& text, const char* name) {
        auto* rb = new QRadioButton(text, m_optionen);
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
        auto* cb = new QCheckBox(text, m_optionen);
        cb->setObjectName(QString::fromUtf8(name));
        cb->setAccessibleName(zugang);
        cb->setChecked(an);
        // Two lines each: they must not be squeezed when the page is short.
        cb->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return cb;
    };
    m_ohneWunsch = check(QStringLiteral("Eltern die keine Sprech-\nwünsche hatten"), QStringLiteral("Eltern, die keine Sprechwünsche hatten"),
                         "SkipElternOhneWunsch", true);
    m_ohneTermin = check(QStringLiteral("Eltern die keine Termine\nbekommen haben"),
                         QStringLiteral("Eltern, die keine Termine bekommen haben"), "SkipElternOhneTerm", false);
    m_lehrerOhneTermin = check(QStringLiteral("Lehrer die niemand\nsprechen möchte"), QStringLiteral("Lehrer, die niemand sprechen möchte"),
                               "SkipLehrerOhneTerm", true);

    auto* ol = new QVBoxLayout(m_optionen);
    ol->setContentsMargins(4, 2, 0, 2);
    ol->setSpacing(3);
    auto* drucken = Fett(QStringLiteral("Zeitpläne drucken:"), m_optionen);
    ol->addWidget(drucken);
    for (QRadioButton* rb : {m_ausgewaehlte, m_alleLehrer, m_alleEltern, m_alle})
        ol->addWidget(rb);
    ol->addSpacing(4);
    ol->addWidget(Fett(QStringLiteral("Dabei weglassen:"), m_optionen));
    for (QCheckBox* cb : {m_ohneWunsch, m_ohneTermin, m_lehrerOhneTermin}) {
        ol->addWidget(cb);
        ol->addSpacing(3);
    }

    auto* druckBtn = new QPushButton(QStringLiteral("Dr&ucken"), this);
    druckBtn->setObjectName(QStringLiteral("BitBtn6"));
    druckBtn->setAutoDefault(false);
    druckBtn->setToolTip(QStringLiteral("Druckt die gewählten Zeitpläne"));
    druckBtn->setAccessibleDescription(druckBtn->toolTip());
    auto* vorschauBtn = new QPushButton(QStringLiteral("Druck&vorschau"), this);
    vorschauBtn->setObjectName(QStringLiteral("DruckVorschauBtn"));
    vorschauBtn->setAutoDefault(false);
    vorschauBtn->setToolTip(QStringLiteral("Zeigt die gewählten Zeitpläne so, wie sie gedruckt würden"));
    vorschauBtn->setAccessibleDescription(vorschauBtn->toolTip());
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(druckBtn);
    knoepfe->addWidget(vorschauBtn);

    // On a short window the options scroll instead of being squeezed over each other.
    m_rolle = new QScrollArea(this);
    m_rolle->setObjectName(QStringLiteral("DruckOptionenRolle"));
    m_rolle->setWidget(m_optionen);
    m_rolle->setWidgetResizable(true);
    m_rolle->setFrameShape(QFrame::NoFrame);
    m_rolle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rolle->setFocusPolicy(Qt::NoFocus);
    m_rolle->viewport()->setAutoFillBackground(false);
    m_optionen->setAutoFillBackground(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_optBtn);
    layout->addWidget(m_rolle, 1);
    layout->addLayout(knoepfe);

    connect(m_optBtn, &QPushButton::clicked, this, &TDruckPanel::DruckOptBtnClick);
    connect(druckBtn, &QPushButton::clicked, this, &TDruckPanel::drucken);
    connect(vorschauBtn, &QPushButton::clicked, this, &TDruckPanel::vorschau);
    // The options start collapsed.
    DruckOptBtnClick();
}

void TDruckPanel::DruckOptBtnClick()
{
    m_optionenSichtbar = !m_optionenSichtbar;
    m_rolle->setVisible(m_optionenSichtbar);
    m_optBtn->setText(m_optionenSichtbar ? Ausblenden : Zeigen);
}

bool TDruckPanel::OptionenSichtbar() const
{
    return m_optionenSichtbar;
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
