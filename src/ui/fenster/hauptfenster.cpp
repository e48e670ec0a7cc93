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
#include "verlauf/verlauf.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
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

    // Undo and redo: small buttons beside "Hilfe", their tool tips name the step; the keys
    // work on every page.
    m_rueckgaengig = new QAction(Kunst::VerlaufSymbol(false), QStringLiteral("Rückgängig"), this);
    m_rueckgaengig->setObjectName(QStringLiteral("RueckgaengigAktion"));
    m_rueckgaengig->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_wiederholen = new QAction(Kunst::VerlaufSymbol(true), QStringLiteral("Wiederholen"), this);
    m_wiederholen->setObjectName(QStringLiteral("WiederholenAktion"));
    m_wiederholen->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* a : {m_rueckgaengig, m_wiederholen})
        a->setShortcutContext(Qt::WindowShortcut);
    addAction(m_rueckgaengig);
    addAction(m_wiederholen);
    m_rueckKnopf = new QToolButton(this);
    m_rueckKnopf->setObjectName(QStringLiteral("RueckgaengigBtn"));
    m_rueckKnopf->setAccessibleName(QStringLiteral("Rückgängig"));
    m_rueckKnopf->setDefaultAction(m_rueckgaengig);
    m_vorKnopf = new QToolButton(this);
    m_vorKnopf->setObjectName(QStringLiteral("WiederholenBtn"));
    m_vorKnopf->setAccessibleName(QStringLiteral("Wiederholen"));
    m_vorKnopf->setDefaultAction(m_wiederholen);
    for (QToolButton* k : {m_rueckKnopf, m_vorKnopf}) {
        k->setToolButtonStyle(Qt::ToolButtonIconOnly);
        k->setAutoRaise(true);
        k->setFocusPolicy(Qt::StrongFocus);
    }
    connect(m_rueckgaengig, &QAction::triggered, this, &TForm2::RueckgaengigClick);
    connect(m_wiederholen, &QAction::triggered, this, &TForm2::WiederholenClick);
    if (TVerlauf* v = m_tag.Verlauf())
        m_beobachter = v->Beobachten([this](bool) { verlaufZeigen(); });
    verlaufZeigen();
    // A text field keeps Ctrl+Z for its own typing while it has any; otherwise the key
    // belongs to the day.
    qApp->installEventFilter(this);

    auto* unten = new QHBoxLayout;
    unten->addWidget(m_help);
    unten->addWidget(m_rueckKnopf);
    unten->addWidget(m_vorKnopf);
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

TForm2::~TForm2()
{
    if (TVerlauf* v = m_tag.Verlauf())
        v->NichtMehrBeobachten(m_beobachter);
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

void TForm2::verlaufZeigen()
{
    const TVerlauf* v = m_tag.Verlauf();
    const QString zurueck = v ? v->RueckgaengigName() : QString();
    const QString vor = v ? v->WiederholenName() : QString();
    // The action's text is plain text in the tool tip: no ampersand may vanish there.
    m_rueckgaengig->setEnabled(!zurueck.isEmpty());
    m_rueckgaengig->setText(zurueck.isEmpty() ? QStringLiteral("Rückgängig") : QStringLiteral("Rückgängig: ") + zurueck);
    m_rueckgaengig->setToolTip(m_rueckgaengig->text() + QStringLiteral(" (Strg+Z)"));
    m_wiederholen->setEnabled(!vor.isEmpty());
    m_wiederholen->setText(vor.isEmpty() ? QStringLiteral("Wiederholen") : QStringLiteral("Wiederholen: ") + vor);
    m_wiederholen->setToolTip(m_wiederholen->text() + QStringLiteral(" (Strg+Y)"));
    m_rueckKnopf->setAccessibleDescription(m_rueckgaengig->text());
    m_vorKnopf->setAccessibleDescription(m_wiederholen->text());
}

void TForm2::RueckgaengigClick()
{
    // A typed edit is a step of its own: it is committed first and is then what goes back.
    if (!AuswahlenSichern())
        return;
    if (m_tag.Rueckgaengig())
        nachVerlauf();
}

void TForm2::WiederholenClick()
{
    if (!AuswahlenSichern())
        return;
    if (m_tag.Wiederholen())
        nachVerlauf();
}

void TForm2::nachVerlauf()
{
    DatenNeu();
    emit verlaufAngewendet();
}

bool TForm2::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::ShortcutOverride || !o->isWidgetType() || static_cast<QWidget*>(o)->window() != this)
        return QDialog::eventFilter(o, e);
    auto* taste = static_cast<QKeyEvent*>(e);
    const bool zurueck = taste->matches(QKeySequence::Undo);
    const bool vor = taste->matches(QKeySequence::Redo) || (taste->modifiers() == Qt::ControlModifier && taste->key() == Qt::Key_Y);
    if (!zurueck && !vor)
        return QDialog::eventFilter(o, e);
    bool eigenes = false;
    if (auto* feld = qobject_cast<QLineEdit*>(o))
        eigenes = !feld->isReadOnly() && (zurueck ? feld->isUndoAvailable() : feld->isRedoAvailable());
    else if (auto* text = qobject_cast<QPlainTextEdit*>(o))
        eigenes = !text->isReadOnly() && (zurueck ? text->document()->isUndoAvailable() : text->document()->isRedoAvailable());
    else
        return QDialog::eventFilter(o, e);
    // Swallowed without being accepted, the event lets the window's shortcut run.
    return !eigenes;
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
    const QString seite = Shell::ProgrammOrdner() + QStringLiteral("QVTDOC1.HTM");
    // Without a PDF program the system's launcher still reports success and nothing
    // appears: ask first, and show the same manual as a web page instead.
    const bool betrachter = Shell::PdfBetrachterDa();
    if (betrachter && Shell::Oeffne(QUrl::fromLocalFile(handbuch)))
        return;
    const QString grund =
        betrachter ? QStringLiteral("Das Handbuch „%1“ konnte nicht geöffnet werden.").arg(handbuch)
                   : QStringLiteral("Auf diesem Rechner ist kein Programm zum Anzeigen von PDF-Dateien eingerichtet. Das "
                                    "Handbuch „%1“ kann deshalb nicht angezeigt werden.")
                         .arg(handbuch);
    if (Shell::Oeffne(QUrl::fromLocalFile(seite))) {
        Meldung::Info(this, grund + QStringLiteral("\r\rDasselbe Handbuch wird stattdessen als Internetseite „%1“ in "
                                                   "Ihrem Browser geöffnet. Für die PDF-Fassung installieren Sie bitte "
                                                   "einen PDF-Betrachter, etwa Evince oder Okular.")
                                      .arg(seite));
        return;
    }
    Meldung::Info(this, grund + QStringLiteral("\r\rAuch die Internetseite „%1“ mit demselben Handbuch ließ sich nicht "
                                               "im Browser öffnen.\r\r"
                                               "Zum Anzeigen wird ein PDF-Betrachter benötigt, zum Beispiel der Acrobat "
                                               "Reader, den Sie kostenlos von der Internetseite seines Herstellers "
                                               "(https://get.adobe.com/de/reader/) herunterladen und installieren können. "
                                               "Unter Linux genügt jeder PDF-Betrachter, etwa Evince oder Okular.")
                                .arg(seite));
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
    emit dateiGewaehlt(pfad);
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
