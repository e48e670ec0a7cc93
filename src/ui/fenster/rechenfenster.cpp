#include "fenster/rechenfenster.h"

#include "berechnung/wunschsummen.h"
#include "fenster/hauptfenster.h"
#include "fenster/rechenfiguren.h"
#include "model/sprechtag.h"
#include "seiten/seite.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int ObenHoehe = 86;
constexpr int StartSchritt = 98;
const QString DurchgangLeer = QStringLiteral("Bewilligungsdurchgang ** von **");
const QString WerBeiWemLeer = QStringLiteral("Eltern ****** bei Lehrer ******");

} // namespace

TCalcForm::TCalcForm(const TSprechtag& tag, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("CalcForm"));
    setWindowTitle(QStringLiteral("Zeitplanberechnung"));

    // Top panel: the scene, positioned by the animation in panel pixels.
    m_oben = new QWidget(this);
    m_oben->setObjectName(QStringLiteral("ObenPanel"));
    m_oben->setAutoFillBackground(true);
    QPalette weiss = m_oben->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    m_oben->setPalette(weiss);
    m_oben->setFixedHeight(ObenHoehe);
    m_bild = new QLabel(m_oben);
    m_bild->setObjectName(QStringLiteral("Image1"));
    m_bild->setPixmap(Rechenfiguren::Tuer());
    m_bild->setGeometry(QRect(QPoint(160, 20), Rechenfiguren::TuerGroesse));
    m_person1 = new QLabel(m_oben);
    m_person1->setObjectName(QStringLiteral("Person1"));
    m_person1->setPixmap(Rechenfiguren::Figur(1));
    m_person2 = new QLabel(m_oben);
    m_person2->setObjectName(QStringLiteral("Person2"));
    m_person2->setPixmap(Rechenfiguren::Figur(2));
    for (QLabel* p : {m_person1, m_person2}) {
        p->setGeometry(QRect(QPoint(80, 15), Rechenfiguren::FigurGroesse));
        p->hide();
    }
    auto* minimieren = new QPushButton(QStringLiteral("_"), m_oben);
    minimieren->setObjectName(QStringLiteral("SpeedButton1"));
    minimieren->setAccessibleName(QStringLiteral("Minimieren"));
    minimieren->setToolTip(QStringLiteral("Fenster minimieren; die Berechnung läuft weiter"));
    minimieren->setAccessibleDescription(minimieren->toolTip());
    minimieren->setFlat(true);
    minimieren->setAutoDefault(false);
    minimieren->setFixedSize(24, 22);

    // Totals
    auto* summen = new QGridLayout;
    auto summe = [&](int zeile, const QString& text, const QString& name) {
        auto* lb = new QLabel(text, this);
        lb->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* wert = new QLabel(QStringLiteral("0"), this);
        wert->setObjectName(name);
        wert->setAccessibleName(text);
        wert->setMinimumWidth(60);
        summen->addWidget(lb, zeile, 0);
        summen->addWidget(wert, zeile, 1);
        return wert;
    };
    m_insgesamt = summe(0, QStringLiteral("Sprechwünsche insgesamt:"), QStringLiteral("InsgesamtT"));
    m_unverweigert = summe(1, QStringLiteral("davon nicht vom Lehrer abgelehnt:"), QStringLiteral("UnverweigerteT"));
    m_bewilligt = summe(2, QStringLiteral("Maximal erteilbare Termine:"), QStringLiteral("BewilligteT"));
    m_erteilt = summe(3, QStringLiteral("Erteilte Termine:"), QStringLiteral("ErteilteT"));
    summen->setColumnStretch(0, 3);
    summen->setColumnStretch(1, 2);
    summen->setHorizontalSpacing(10);
    summen->setVerticalSpacing(2);

    // Lower part: progress, or the finished panel in its place.
    m_unten = new QStackedWidget(this);
    auto* fortschritt = new QWidget(m_unten);
    m_durchgang = Fett(DurchgangLeer, fortschritt);
    m_durchgang->setObjectName(QStringLiteral("Label1"));
    m_balken1 = new QProgressBar(fortschritt);
    m_balken1->setObjectName(QStringLiteral("ProgressBar1"));
    m_balken1->setAccessibleName(QStringLiteral("Bewilligungsdurchgänge"));
    auto* erteilung = Fett(QStringLiteral("Erteilung der Termine"), fortschritt);
    m_balken2 = new QProgressBar(fortschritt);
    m_balken2->setObjectName(QStringLiteral("ProgressBar2"));
    m_balken2->setAccessibleName(QStringLiteral("Erteilung der Termine"));
    for (QProgressBar* b : {m_balken1, m_balken2}) {
        b->setRange(0, 1);
        b->setValue(0);
    }
    m_werBeiWemCb = new QCheckBox(fortschritt);
    m_werBeiWemCb->setObjectName(QStringLiteral("ShowWerBeiWemCb"));
    m_werBeiWemCb->setAccessibleName(QStringLiteral("Zeigen, wer bei wem eingeplant wird"));
    m_werBeiWemCb->setChecked(true);
    m_werBeiWem = new QLabel(WerBeiWemLeer, fortschritt);
    m_werBeiWem->setObjectName(QStringLiteral("WerBeiWem"));
    m_werBeiWem->setTextFormat(Qt::PlainText);
    m_werBeiWem->setMinimumWidth(300);
    m_werBeiWem->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* werZeile = new QHBoxLayout;
    werZeile->addWidget(m_werBeiWemCb);
    werZeile->addWidget(m_werBeiWem, 1);
    auto* fl = new QVBoxLayout(fortschritt);
    fl->setContentsMargins(0, 0, 0, 0);
    fl->addWidget(m_durchgang);
    fl->addWidget(m_balken1);
    fl->addSpacing(6);
    fl->addWidget(erteilung);
    fl->addWidget(m_balken2);
    fl->addLayout(werZeile);
    fl->addStretch();

    m_fertigPanel = new QWidget(m_unten);
    m_fertigPanel->setObjectName(QStringLiteral("FertigPanel"));
    m_fertigLabel = new QLabel(QStringLiteral("Fertig!"), m_fertigPanel);
    m_fertigLabel->setObjectName(QStringLiteral("FertigLabel"));
    m_fertigLabel->setAlignment(Qt::AlignCenter);
    QFont gross = m_fertigLabel->font();
    gross.setPointSizeF(gross.pointSizeF() * 2.6);
    gross.setBold(true);
    m_fertigLabel->setFont(gross);
    // Blinking hides the label; its place must stay so that the button does not jump.
    QSizePolicy platz = m_fertigLabel->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    m_fertigLabel->setSizePolicy(platz);
    m_weiter = new QPushButton(QStringLiteral("&Weiter"), m_fertigPanel);
    m_weiter->setObjectName(QStringLiteral("BitBtn1"));
    m_weiter->setDefault(true);
    m_weiter->setMinimumWidth(110);
    auto* pl = new QVBoxLayout(m_fertigPanel);
    pl->addStretch();
    pl->addWidget(m_fertigLabel);
    pl->addWidget(m_weiter, 0, Qt::AlignHCenter);
    pl->addStretch();
    m_unten->addWidget(fortschritt);
    m_unten->addWidget(m_fertigPanel);

    auto* innen = new QVBoxLayout;
    innen->setContentsMargins(12, 8, 12, 10);
    innen->addLayout(summen);
    innen->addSpacing(6);
    innen->addWidget(m_unten, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_oben);
    layout->addLayout(innen, 1);
    setFixedSize(layout->sizeHint().expandedTo(QSize(394, 321)));
    minimieren->move(width() - minimieren->width() - 4, 4);

    m_blink = new QTimer(this);
    m_blink->setObjectName(QStringLiteral("BlinkTimer"));
    m_blink->setInterval(400);
    m_anim = new QTimer(this);
    m_anim->setObjectName(QStringLiteral("AnimTimer"));
    m_anim->setInterval(40);

    connect(minimieren, &QPushButton::clicked, this, &TCalcForm::SpeedButton1Click);
    connect(m_werBeiWemCb, &QCheckBox::clicked, this, &TCalcForm::ShowWerBeiWemCbClick);
    connect(m_weiter, &QPushButton::clicked, this, &TCalcForm::CloseCalcFormClick);
    connect(m_blink, &QTimer::timeout, this, &TCalcForm::BlinkTimerTimer);
    connect(m_anim, &QTimer::timeout, this, &TCalcForm::AnimTimerTimer);
}

void TCalcForm::Starten(TForm2* haupt)
{
    m_haupt = haupt;
    m_darfSchliessen = false;
    m_schritt = StartSchritt;
    // The previous run's figures and its "Weiter" must not flash up, and the totals are
    // there with the first picture.
    zuruecksetzen();
    FormActivate();
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_blink->start();
    m_anim->start();
    if (haupt) {
        m_hauptPlatz = haupt->pos();
        haupt->FuerBerechnungAusblenden();
    }
}

void TCalcForm::zuruecksetzen()
{
    m_unten->setCurrentIndex(0);
    m_fertigLabel->setVisible(true);
    m_durchgang->setText(DurchgangLeer);
    for (QProgressBar* b : {m_balken1, m_balken2}) {
        b->setRange(0, 1);
        b->setValue(0);
    }
    for (QLabel* l : {m_insgesamt, m_unverweigert, m_bewilligt, m_erteilt})
        l->setText(QStringLiteral("0"));
    m_werBeiWem->setText(WerBeiWemLeer);
    m_werBeiWem->setAccessibleDescription(QString());
    m_person1->hide();
    m_person2->hide();
    m_summenGueltig = false;
}

void TCalcForm::FormActivate()
{
    // Only the two totals: the full statistics are built once, at the end of the run.
    const TWunschSummen s = ZaehleWuensche(m_tag);
    m_balken2->setRange(0, std::max<int>(1, int(m_tag.Eltern.Anzahl())));
    m_insgesamt->setText(QString::number(s.Insgesamt));
    m_unverweigert->setText(QString::number(s.NichtAbgelehnt));
    m_summenStand = m_tag.Stand();
    m_summenGueltig = true;
}

void TCalcForm::ZeigAn(int durchgang, int durchgaenge, bool fertig, const QString& text, int platziert, int bewilligt,
                       int vergeben)
{
    m_durchgang->setText(QStringLiteral("Bewilligungsdurchgang %1 von %2").arg(durchgang).arg(durchgaenge));
    // A bar with maximum 0 would run as a busy indicator; "0 von 0" shows an empty bar.
    m_balken1->setRange(0, std::max(1, durchgaenge));
    m_balken1->setValue(std::min(durchgang, m_balken1->maximum()));
    m_balken2->setValue(std::min(platziert, m_balken2->maximum()));
    m_bewilligt->setText(QString::number(bewilligt));
    m_erteilt->setText(QString::number(vergeben));
    if (m_werBeiWemCb->isChecked()) {
        // Long family and teacher names are cut with "…" rather than at the window edge.
        m_werBeiWem->setText(m_werBeiWem->fontMetrics().elidedText(text, Qt::ElideRight, m_werBeiWem->width()));
        m_werBeiWem->setAccessibleDescription(text);
    }
    m_unten->setCurrentWidget(fertig ? m_fertigPanel : m_unten->widget(0));
    if (fertig) {
        m_fertigLabel->setVisible(true);
        m_weiter->setFocus();
    }
    repaint();
}

void TCalcForm::EreignisseVerarbeiten()
{
    QCoreApplication::processEvents();
}

bool TCalcForm::Fertig() const
{
    return m_unten->currentWidget() == m_fertigPanel;
}

void TCalcForm::CloseCalcFormClick()
{
    m_blink->stop();
    m_anim->stop();
    m_darfSchliessen = true;
    hide();
    if (m_haupt) {
        m_haupt->move(m_hauptPlatz);
        m_haupt->show();
        m_haupt->raise();
        m_haupt->activateWindow();
    }
}

void TCalcForm::SpeedButton1Click()
{
    showMinimized();
}

void TCalcForm::ShowWerBeiWemCbClick()
{
    m_werBeiWem->setVisible(m_werBeiWemCb->isChecked());
}

void TCalcForm::BlinkTimerTimer()
{
    if (Fertig())
        m_fertigLabel->setVisible(!m_fertigLabel->isVisible());
}

void TCalcForm::AnimTimerTimer()
{
    if (Fertig()) {
        m_person1->hide();
        m_person2->hide();
        m_schritt = StartSchritt;
        return;
    }
    if (++m_schritt >= 101)
        m_schritt = 0;
    const int a = m_schritt / 3;
    m_person1->setVisible(a <= 16);
    m_person2->setVisible(a > 16);
    const int b = (a * 3) % 50;
    const QPoint platz(b * 4 + 80, b / 3 + 15);
    m_person1->move(platz);
    m_person2->move(platz);
    if (b > 46 || b < 20)
        m_bild->lower();
    else
        m_bild->raise();
    if (a == 16) {
        m_person2->move(80, 15);
        m_person2->show();
        m_person1->hide();
    }
    if (a > 32) {
        m_person1->move(80, 15);
        m_person1->show();
        m_person2->hide();
    }
}

void TCalcForm::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow()
        && !(m_summenGueltig && m_summenStand == m_tag.Stand()))
        FormActivate();
    QDialog::changeEvent(e);
}

void TCalcForm::closeEvent(QCloseEvent* e)
{
    // Only "&Weiter" leaves the window: the main window must come back with it.
    if (!m_darfSchliessen)
        e->ignore();
    else
        QDialog::closeEvent(e);
}

void TCalcForm::reject()
{
    // Escape does not close the window either.
}
