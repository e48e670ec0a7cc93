#include "seiten/lehreranwesenheit.h"

#include "bearbeiten/lehrerzeiten.h"
#include "gemeinsam/meldungen.h"
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
                                                 "anderes einstellen. Dies ermöglicht es sehr gefragten Lehrern z.B., länger zu bleiben "
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
    m_start = new QLineEdit(pnJa);
    m_start->setObjectName(QStringLiteral("AbweichStartZeitEdit"));
    m_ende = new QLineEdit(pnJa);
    m_ende->setObjectName(QStringLiteral("AbweichEndZeitEdit"));
    QToolButton *startFrueher, *startSpaeter, *endeFrueher, *endeSpaeter;
    QWidget* spin2 = Drehknopf(QStringLiteral("SpinButton2"), QStringLiteral("Sprechzeitbeginn"), pnJa, &startFrueher, &startSpaeter);
    QWidget* spin1 = Drehknopf(QStringLiteral("SpinButton1"), QStringLiteral("Sprechzeitende"), pnJa, &endeFrueher, &endeSpaeter);
    auto* startLb = new QLabel(QStringLiteral("Sprechzeit&beginn:"), pnJa);
    startLb->setBuddy(m_start);
    auto* endeLb = new QLabel(QStringLiteral("Sprechzeit&ende:"), pnJa);
    endeLb->setBuddy(m_ende);
    for (QLineEdit* e : {m_start, m_ende}) {
        e->setToolTip(hinweis);
        e->setAccessibleDescription(hinweis);
        e->setMaximumWidth(80);
        e->installEventFilter(this);
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
    if (!l)
        return;
    m_ja->setChecked(l->AbweichZeit);
    m_nein->setChecked(!l->AbweichZeit);
    m_panels->setCurrentIndex(l->AbweichZeit ? 1 : 0);
    felderZeigen();
    TageszeitenZeigen();
}

void TLehrerAnwesenheit::felderZeigen()
{
    if (const TLehrer* l = m_tag.Lehrer.Suche(m_lehrer)) {
        m_start->setText(Zeit::Anzeige(l->StartZeit));
        m_ende->setText(Zeit::Anzeige(l->EndZeit));
    }
}

void TLehrerAnwesenheit::RbAbweichZeitClick()
{
    if (!m_tag.Lehrer.Suche(m_lehrer))
        return;
    AbweichZeitSetzen(m_tag, m_lehrer, m_ja->isChecked());
    m_panels->setCurrentIndex(m_ja->isChecked() ? 1 : 0);
}

void TLehrerAnwesenheit::pruefe(QLineEdit* feld)
{
    if (!m_tag.Lehrer.Suche(m_lehrer))
        return;
    const bool start = feld == m_start;
    const TLehrerzeitEingabe r = start ? LehrerStartEingabe(m_tag, m_lehrer, feld->text()) : LehrerEndeEingabe(m_tag, m_lehrer, feld->text());
    if (!r.Ok) {
        m_meldet = true;
        Meldung::Fehler(this, r.Meldung);
        m_meldet = false;
        feld->setFocus();
        feld->selectAll();
        return;
    }
    felderZeigen();
}

void TLehrerAnwesenheit::AbweichStartZeitEditExit() { pruefe(m_start); }
void TLehrerAnwesenheit::AbweichEndZeitEditExit() { pruefe(m_ende); }

void TLehrerAnwesenheit::Drehen(bool start, bool spaeter)
{
    if (!m_tag.Lehrer.Suche(m_lehrer))
        return;
    QLineEdit* feld = start ? m_start : m_ende;
    feld->setText(LehrerzeitSchritt(m_tag, m_lehrer, start, spaeter ? 10 : -10));
    pruefe(feld);
}

bool TLehrerAnwesenheit::eventFilter(QObject* objekt, QEvent* e)
{
    // Enter takes the typed time; it must not reach the page's default button, which
    // would add a teacher.
    if (e->type() == QEvent::KeyPress && (objekt == m_start || objekt == m_ende)) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            pruefe(static_cast<QLineEdit*>(objekt));
            return true;
        }
    }
    if (e->type() == QEvent::FocusOut && !m_meldet && (objekt == m_start || objekt == m_ende) && isVisible())
        pruefe(static_cast<QLineEdit*>(objekt));
    return QWidget::eventFilter(objekt, e);
}
