#include "seiten/lehreranwesenheit.h"

#include "bearbeiten/lehrerzeiten.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/zeitfeld.h"
#include "model/sprechtag.h"
#include "seiten/seite.h"

#include <QKeyEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Two halves: the upper one earlier, the lower one later, as on a clock's dial.
// `was` names the time the buttons move, so that the four buttons can be told apart.
QWidget* Drehknopf(const QString& name, const QString& was, QWidget* eltern, QToolButton** frueher, QToolButton** spaeter)
{
    auto* w = new QWidget(eltern);
    w->setObjectName(name);
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    *frueher = new QToolButton(w);
    (*frueher)->setArrowType(Qt::UpArrow);
    (*frueher)->setAccessibleName(was + QStringLiteral(" 10 Minuten früher"));
    *spaeter = new QToolButton(w);
    (*spaeter)->setArrowType(Qt::DownArrow);
    (*spaeter)->setAccessibleName(was + QStringLiteral(" 10 Minuten später"));
    for (QToolButton* k : {*frueher, *spaeter}) {
        k->setFixedSize(22, 13);
        k->setToolTip(k->accessibleName());
        layout->addWidget(k);
    }
    return w;
}

} // namespace

TLehrerAnwesenheit::TLehrerAnwesenheit(TSprechtag& tag, QWidget* eltern)
    : QWidget(eltern)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("TsLehrerAnwes"));
    auto* einleitung = Erklaerung(QStringLiteral("Die Sprechzeiten der Seite „Vorgaben“ gelten für alle Lehrer, sofern Sie hier nichts "
                                                 "anderes einstellen. Dies ermöglicht es sehr gefragten Lehrern z.B., länger zu bleiben, "
                                                 "um wirklich alle Eltern zu empfangen."),
                                  this);
    auto* kurz = Erklaerung(QStringLiteral("Wenn Sie bei weniger gefragten Kollegen die Sprechzeit verkürzen, vergibt das Programm "
                                           "Termine nur in der vorgegebenen Zeit, so dass der Lehrer z.B. früher nach Hause gehen kann, "
                                           "ohne Gespräche zu verpassen."),
                            this);
    m_nein = new QRadioButton(QStringLiteral("&allgemeine Sprechzeiten"), this);
    m_nein->setObjectName(QStringLiteral("RbAbweichZeitNo"));
    m_ja = new QRadioButton(QStringLiteral("indi&viduell abweichende Sprechzeiten"), this);
    m_ja->setObjectName(QStringLiteral("RbAbweichZeitYes"));
    m_nein->setChecked(true);

    // The general hours and the teacher's own lie on top of each other; one is shown.
    m_panels = new QStackedWidget(this);
    auto* pnNo = new QWidget(m_panels);
    pnNo->setObjectName(QStringLiteral("PnAbwNoZeiten"));
    auto* noRaster = new QGridLayout(pnNo);
    m_label81 = new QLabel(pnNo);
    m_label81->setObjectName(QStringLiteral("Label81"));
    m_label83 = new QLabel(pnNo);
    m_label83->setObjectName(QStringLiteral("Label83"));
    noRaster->addWidget(new QLabel(QStringLiteral("Sprechzeitbeginn:"), pnNo), 0, 0);
    noRaster->addWidget(m_label81, 0, 1);
    noRaster->addWidget(new QLabel(QStringLiteral("Sprechzeitende:"), pnNo), 1, 0);
    noRaster->addWidget(m_label83, 1, 1);
    noRaster->setColumnStretch(2, 1);
    noRaster->setRowStretch(2, 1);

    auto* pnJa = new QWidget(m_panels);
    pnJa->setObjectName(QStringLiteral("PnAbwZeiten"));
    auto* jaRaster = new QGridLayout(pnJa);
    const QString hinweis = QStringLiteral("Hier können Sie abweichende Sprechzeiten für jeden Lehrer einstellen.");
    m_start = new TZeitFeld(QStringLiteral("AbweichStartZeitEdit"), QString(), pnJa);
    m_ende = new TZeitFeld(QStringLiteral("AbweichEndZeitEdit"), QString(), pnJa);
    QToolButton *startFrueher, *startSpaeter, *endeFrueher, *endeSpaeter;
    QWidget* spin2 = Drehknopf(QStringLiteral("SpinButton2"), QStringLiteral("Sprechzeitbeginn"), pnJa, &startFrueher, &startSpaeter);
    QWidget* spin1 = Drehknopf(QStringLiteral("SpinButton1"), QStringLiteral("Sprechzeitende"), pnJa, &endeFrueher, &endeSpaeter);
    auto* startLb = new QLabel(QStringLiteral("Sprechzeit&beginn:"), pnJa);
    startLb->setBuddy(m_start);
    auto* endeLb = new QLabel(QStringLiteral("Sprechzeit&ende:"), pnJa);
    endeLb->setBuddy(m_ende);
    for (TZeitFeld* e : {m_start, m_ende}) {
        const bool start = e == m_start;
        e->setToolTip(hinweis);
        e->setAccessibleDescription(hinweis);
        e->setMaximumWidth(80);
        e->SetUebernehmen([this, start](const QString& fuer, const QString& text) {
            return (start ? LehrerStartEingabe(m_tag, fuer, text) : LehrerEndeEingabe(m_tag, fuer, text)).Meldung;
        });
        // A start may move the end with it: both fields show the record anew.
        connect(e, &TZeitFeld::genommen, this, [this] { felderZeigen(false); });
    }
    jaRaster->addWidget(startLb, 0, 0);
    jaRaster->addWidget(m_start, 0, 1);
    jaRaster->addWidget(spin2, 0, 2);
    jaRaster->addWidget(endeLb, 1, 0);
    jaRaster->addWidget(m_ende, 1, 1);
    jaRaster->addWidget(spin1, 1, 2);
    jaRaster->setColumnStretch(3, 1);
    jaRaster->setRowStretch(2, 1);
    m_panels->addWidget(pnNo);
    m_panels->addWidget(pnJa);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(einleitung);
    layout->addWidget(kurz);
    layout->addWidget(m_nein);
    layout->addWidget(m_ja);
    layout->addWidget(m_panels, 1);

    connect(m_nein, &QRadioButton::clicked, this, &TLehrerAnwesenheit::RbAbweichZeitClick);
    connect(m_ja, &QRadioButton::clicked, this, &TLehrerAnwesenheit::RbAbweichZeitClick);
    connect(startFrueher, &QToolButton::clicked, this, [this] { Drehen(true, false); });
    connect(startSpaeter, &QToolButton::clicked, this, [this] { Drehen(true, true); });
    connect(endeFrueher, &QToolButton::clicked, this, [this] { Drehen(false, false); });
    connect(endeSpaeter, &QToolButton::clicked, this, [this] { Drehen(false, true); });
    TageszeitenZeigen();
}

void TLehrerAnwesenheit::TageszeitenZeigen()
{
    m_label81->setText(Zeit::Anzeige(m_tag.Vorgaben.SprechStart));
    m_label83->setText(Zeit::Anzeige(m_tag.Vorgaben.SprechEnde));
}

void TLehrerAnwesenheit::Zeige(const QString& lehrer)
{
    m_lehrer = lehrer;
    const TLehrer* l = m_tag.Lehrer.Suche(lehrer);
    if (!l) {
        felderZeigen(true);
        return;
    }
    m_ja->setChecked(l->AbweichZeit);
    m_nein->setChecked(!l->AbweichZeit);
    m_panels->setCurrentIndex(l->AbweichZeit ? 1 : 0);
    felderZeigen(true);
    TageszeitenZeigen();
}

void TLehrerAnwesenheit::felderZeigen(bool alle)
{
    const TLehrer* l = m_tag.Lehrer.Suche(m_lehrer);
    if (!l) {
        m_start->Zeige({}, m_start->text());
        m_ende->Zeige({}, m_ende->text());
        return;
    }
    // A text still being typed into the other field stays as it is.
    if (alle || !m_start->Offen())
        m_start->Zeige(m_lehrer, Zeit::Anzeige(l->StartZeit));
    if (alle || !m_ende->Offen())
        m_ende->Zeige(m_lehrer, Zeit::Anzeige(l->EndZeit));
}

bool TLehrerAnwesenheit::Sichern()
{
    const bool start = m_start->Sichern();
    const bool ende = m_ende->Sichern();
    return start && ende;
}

void TLehrerAnwesenheit::RbAbweichZeitClick()
{
    if (!m_tag.Lehrer.Suche(m_lehrer))
        return;
    // The fields are hidden next: a typed time is taken first.
    Sichern();
    AbweichZeitSetzen(m_tag, m_lehrer, m_ja->isChecked());
    m_panels->setCurrentIndex(m_ja->isChecked() ? 1 : 0);
}

void TLehrerAnwesenheit::Drehen(bool start, bool spaeter)
{
    if (!m_tag.Lehrer.Suche(m_lehrer))
        return;
    TZeitFeld* feld = start ? m_start : m_ende;
    // A typed time counts first: the step starts from it.
    if (!feld->Nehmen())
        return;
    const QString schritt = LehrerzeitSchritt(m_tag, m_lehrer, start, spaeter ? 10 : -10);
    if (start)
        LehrerStartEingabe(m_tag, m_lehrer, schritt);
    else
        LehrerEndeEingabe(m_tag, m_lehrer, schritt);
    felderZeigen(false);
}
