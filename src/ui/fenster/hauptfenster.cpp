#include "fenster/hauptfenster.h"

#include "bearbeiten/plaene_ungueltig.h"
#include "gemeinsam/anzeigeoptionen.h"
#include "gemeinsam/meldungen.h"
#include "kunst/kunst.h"
#include "model/sprechtag.h"
#include "plattform/shell.h"
#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"
#include "seiten/nameneingabe.h"
#include "seiten/plaeneseite.h"
#include "seiten/vorgabenseite.h"
#include "seiten/vorschauseite.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TForm2::TForm2(TSprechtag& tag, TPausenForm* pausenDialog, TWaitForm* warten, QWidget* eltern)
    : QDialog(eltern, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
    , m_tag(tag)
    , m_warten(warten)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(Kunst::ProgrammSymbol());
    SetDateiName({});

    m_optionen = new TAnzeigeOptionen(this);
    m_pageC = new QTabWidget(this);
    m_pageC->setObjectName(QStringLiteral("PageC"));
    m_pageC->setAccessibleName(QStringLiteral("Seiten"));
    m_vorgaben = new TVorgabenSeite(tag, pausenDialog, m_pageC);
    m_lehrer = new TLehrerSeite(tag, *m_optionen, m_pageC);
    m_eltern = new TElternSeite(tag, *m_optionen, m_pageC);
    m_lehrer->SetPlaeneFrage([this] { return TryInvalidatePlansAction(); });
    m_eltern->SetPlaeneFrage([this] { return TryInvalidatePlansAction(); });
    m_vorschau = new TVorschauSeite(tag, m_pageC);
    m_plaene = new TPlaeneSeite(tag, m_pageC);
    m_pageC->addTab(m_vorgaben, QStringLiteral("Vorgaben"));
    m_pageC->addTab(m_lehrer, QStringLiteral("Lehrer"));
    m_pageC->addTab(m_eltern, QStringLiteral("Eltern"));
    m_pageC->addTab(m_vorschau, QStringLiteral("Vorschau"));
    m_pageC->addTab(m_plaene, QStringLiteral("Zeitpläne"));

    m_help = new QPushButton(QStringLiteral("&Hilfe"), this);
    m_help->setObjectName(QStringLiteral("HelpBtn"));
    m_help->setToolTip(QStringLiteral("Öffnet das Handbuch"));
    m_back = new QPushButton(QStringLiteral("<<  &Zurück"), this);
    m_back->setObjectName(QStringLiteral("BackBtn"));
    m_back->setAccessibleName(QStringLiteral("Zurück"));
    m_fwd = new QPushButton(QStringLiteral("&Weiter >>"), this);
    m_fwd->setObjectName(QStringLiteral("FwdBtn"));
    m_fwd->setAccessibleName(QStringLiteral("Weiter"));
    for (QPushButton* k : {m_help, m_back, m_fwd})
        k->setAutoDefault(false);

    auto* unten = new QHBoxLayout;
    unten->addWidget(m_help);
    unten->addStretch();
    unten->addWidget(m_back);
    unten->addWidget(m_fwd);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pageC, 1);
    layout->addLayout(unten);

    // The pages were laid out for 684 x 521 at a small screen font; with today's larger
    // fonts the window opens bigger so that the detail tabs fit, and may still shrink to
    // the old minimum.
    setMinimumSize(629, 460);
    resize(860, 600);

    connect(m_pageC, &QTabWidget::currentChanged, this, [this] { PageCChange(); });
    connect(m_back, &QPushButton::clicked, this, &TForm2::BackBtnClick);
    connect(m_fwd, &QPushButton::clicked, this, &TForm2::FwdBtnClick);
    connect(m_help, &QPushButton::clicked, this, &TForm2::HelpBtnClick);
}

QList<TSeite*> TForm2::Seiten() const
{
    return {m_vorgaben, m_lehrer, m_eltern, m_vorschau, m_plaene};
}

TForm2::Seite TForm2::AktiveSeite() const
{
    return Seite(m_pageC->currentIndex());
}

void TForm2::ZeigeSeite(Seite seite)
{
    if (m_pageC->currentIndex() == int(seite))
        PageCChange();
    else
        m_pageC->setCurrentIndex(int(seite)); // runs the page preparation
}

void TForm2::AnzAuffrischen()
{
    m_lehrer->ShowAnz();
    m_eltern->ShowAnz();
}

void TForm2::DatenNeu()
{
    m_lehrer->ListeNeu();
    m_eltern->ListeNeu();
    AnzAuffrischen();
    m_vorgaben->Aufbereiten(isVisible());
    PageCChange();
}

bool TForm2::AuswahlenSichern()
{
    const bool lehrer = m_lehrer->Sichern();
    const bool eltern = m_eltern->Sichern();
    return lehrer && eltern;
}

bool TForm2::TryInvalidatePlansAction()
{
    return ::TryInvalidatePlansAction(m_tag, [this](const QString& frage) { return Meldung::LoeschFrage(this, frage); });
}

void TForm2::PageCChange()
{
    AuswahlenSichern();
    AnzAuffrischen();
    auto* seite = static_cast<TSeite*>(m_pageC->currentWidget());
    seite->Aufbereiten(isVisible());
    if (QPushButton* standard = seite->StandardKnopf())
        standard->setDefault(true);
    const int i = m_pageC->currentIndex();
    m_back->setEnabled(i > 0);
    m_fwd->setEnabled(i < m_pageC->count() - 1);
}

void TForm2::BackBtnClick()
{
    if (m_pageC->currentIndex() > 0)
        m_pageC->setCurrentIndex(m_pageC->currentIndex() - 1);
}

void TForm2::FwdBtnClick()
{
    if (m_pageC->currentIndex() < m_pageC->count() - 1)
        m_pageC->setCurrentIndex(m_pageC->currentIndex() + 1);
}

void TForm2::HelpBtnClick()
{
    const QString handbuch = Shell::ProgrammOrdner() + QStringLiteral("Handbuch.pdf");
    if (!Shell::Oeffne(QUrl::fromLocalFile(handbuch)))
        Meldung::Info(this, QStringLiteral("Das Handbuch „Handbuch.pdf“ konnte nicht geöffnet werden.\r\r"
                                           "Zum Anzeigen wird ein PDF-Betrachter benötigt, zum Beispiel der Acrobat Reader, den Sie "
                                           "kostenlos von der Internetseite seines Herstellers (https://get.adobe.com/de/reader/) "
                                           "herunterladen und installieren können. Unter Linux genügt jeder PDF-Betrachter, etwa "
                                           "Evince oder Okular."));
}

void TForm2::FuerBerechnungAusblenden()
{
    // QDialog::hide() would end the modal run and return to the start window; the plain
    // widget hide keeps it going.
    QWidget::setVisible(false);
}

void TForm2::SetDateiName(const QString& pfad)
{
    setWindowTitle(pfad.isEmpty() ? QStringLiteral("Kalumo") : QStringLiteral("Kalumo - ") + QFileInfo(pfad).fileName());
}

void TForm2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (AktiveSeite() == Seite::Lehrer)
        m_lehrer->Eingabe()->Feld()->setFocus();
    PageCChange();
}

void TForm2::hideEvent(QHideEvent* e)
{
    AuswahlenSichern();
    QDialog::hideEvent(e);
}

void TForm2::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        AnzAuffrischen();
    QDialog::changeEvent(e);
}

void TForm2::keyPressEvent(QKeyEvent* e)
{
    // Escape would close the whole window as in any dialog; the main window closes only
    // through its close button.
    if (e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}
