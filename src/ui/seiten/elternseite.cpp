#include "seiten/elternseite.h"

#include "bearbeiten/elternsuche.h"
#include "gemeinsam/anzeigeoptionen.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/relationsliste.h"
#include "gemeinsam/zeilenhoehe.h"
#include "model/sprechtag.h"
#include "seiten/elterntabs.h"
#include "seiten/nameneingabe.h"
#include "seiten/spaltenknoepfe.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

TElternSeite::TElternSeite(TSprechtag& tag, TAnzeigeOptionen& optionen, QWidget* eltern)
    : TNamenSeite(tag, optionen, false,
                  {QStringLiteral("Eltern eingeben..."),
                   QStringLiteral("Hier geben Sie die Eltern ein. (Eingabetaste übernimmt einen Namen in die Liste). Klicken Sie "
                                  "<Details>, um Sprechwünsche und mehr zu bearbeiten."),
                   QStringLiteral("InpEltern"), QStringLiteral("Neuer Elternname"), QStringLiteral("Klasse: Elternname"),
                   QStringLiteral("ElternSubmitBtn"), QStringLiteral("Eltern in die Liste übernehmen"), QStringLiteral("AnzElternPanel"),
                   QStringLiteral("BitBtn10")},
                  QStringLiteral("ElternBox"), QStringLiteral("Elternliste"), QStringLiteral("SpeedButton9"),
                  QStringLiteral("SpeedButton10"), eltern)
{
    setObjectName(QStringLiteral("TsEltern"));
    auto* inhalt = new QWidget(this);

    // Header: the layout switch, the name shown, the column buttons.
    m_detailsBtn = new QPushButton(QStringLiteral("Details zeigen"), inhalt);
    m_detailsBtn->setObjectName(QStringLiteral("SbElternDetails"));
    m_detailsBtn->setCheckable(true);
    m_detailsBtn->setAutoDefault(false);
    m_kopf = new QLabel(QStringLiteral("Übersicht"), inhalt);
    m_kopf->setObjectName(QStringLiteral("EPanel"));
    m_kopf->setTextFormat(Qt::PlainText);
    m_kopf->setFrameShape(QFrame::StyledPanel);
    QFont fett = m_kopf->font();
    fett.setBold(true);
    m_kopf->setFont(fett);
    m_spalten = new TSpaltenKnoepfe(QStringLiteral("PnElternSpalten"), QStringLiteral("SpaltenDecBtn"), QStringLiteral("SpaltenLb"),
                                    QStringLiteral("SpaltenIncBtn"), inhalt);
    auto* kopfZeile = new QHBoxLayout;
    kopfZeile->addWidget(m_detailsBtn);
    kopfZeile->addWidget(m_kopf, 1);
    kopfZeile->addWidget(m_spalten);

    // The list with the search below it.
    m_listenPanel = new QWidget(inhalt);
    m_listenPanel->setObjectName(QStringLiteral("PnElternUebersicht"));
    m_suche = new QLineEdit(m_listenPanel);
    m_suche->setObjectName(QStringLiteral("ElternSuchEdit"));
    m_suche->installEventFilter(this);
    auto* sucheLb = new QLabel(QStringLiteral("Klasse oder Namen &suchen"), m_listenPanel);
    sucheLb->setBuddy(m_suche);
    sucheLb->setWordWrap(true);
    m_weiter = new QPushButton(QStringLiteral("weiter"), m_listenPanel);
    m_weiter->setObjectName(QStringLiteral("ElternSuchWeiterBtn"));
    m_weiter->setAccessibleName(QStringLiteral("Nächster Treffer"));
    auto* suchZeile = new QHBoxLayout;
    suchZeile->addWidget(m_suche, 1);
    suchZeile->addWidget(m_weiter);
    auto* listenLayout = new QVBoxLayout(m_listenPanel);
    listenLayout->setContentsMargins(0, 0, 0, 0);
    listenLayout->addWidget(Liste(), 1);
    listenLayout->addWidget(sucheLb);
    listenLayout->addLayout(suchZeile);

    // The details.
    m_wuensche = new TElternSprechwuensche(tag, nullptr);
    m_geschwister = new TElternGeschwister(tag, nullptr);
    m_sonstiges = new TElternSonstiges(tag, nullptr);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("ElternPageC"));
    m_tabs->addTab(m_wuensche, QStringLiteral("Sprechwünsche"));
    m_tabs->addTab(m_geschwister, QStringLiteral("Geschwister"));
    m_tabs->addTab(m_sonstiges, QStringLiteral("Sonstiges"));
    auto* keine = Erklaerung(QStringLiteral("Keine Eltern ausgewählt. Klicken Sie auf einen Elternnamen in der nebenstehenden Liste, um "
                                            "detaillierte Einstellungen für diese Eltern vorzunehmen (z.B. Sprechwünsche)."),
                             nullptr);
    m_stapel = new QStackedWidget;
    m_stapel->addWidget(keine);
    m_stapel->addWidget(m_tabs);
    m_detailsPanel = new QWidget(inhalt);
    m_detailsPanel->setObjectName(QStringLiteral("PnElternDetails"));
    auto* detailsLayout = new QVBoxLayout(m_detailsPanel);
    detailsLayout->setContentsMargins(0, 0, 0, 0);
    detailsLayout->addWidget(m_stapel);

    auto* rechts = new QVBoxLayout;
    rechts->addLayout(kopfZeile);
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(m_listenPanel, 1);
    mitte->addWidget(m_detailsPanel, 3);
    rechts->addLayout(mitte, 1);

    auto* links = new QVBoxLayout;
    links->addWidget(Eingabe(), 1);
    links->addWidget(SchriftZeile());
    auto* linksW = new QWidget(inhalt);
    linksW->setObjectName(QStringLiteral("PnElternEingabe"));
    linksW->setLayout(links);
    links->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QHBoxLayout(inhalt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(linksW, 2);
    layout->addLayout(rechts, 7);
    SetInhalt(inhalt);

    Liste()->setUniformItemSizes(true);
    connect(this, &TNamenSeite::auswahlGeaendert, this, &TElternSeite::ElternBoxClick);
    connect(Liste(), &QListView::doubleClicked, this, [this] {
        m_detailsBtn->toggle();
        SbElternDetailsClick();
    });
    connect(m_detailsBtn, &QPushButton::clicked, this, &TElternSeite::SbElternDetailsClick);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        Sichern();
        ElternPageCChange();
    });
    connect(m_suche, &QLineEdit::textEdited, this, [this] { ElternSuchen(false); });
    connect(m_weiter, &QPushButton::clicked, this, [this] { ElternSuchen(true); });
    connect(m_sonstiges->RenameBtn(), &QPushButton::clicked, this, &TElternSeite::ElternRenameBtnClick);
    connect(m_sonstiges->DelBtn(), &QPushButton::clicked, this, &TElternSeite::DelElternBtnClick);
    connect(m_geschwister, &TElternGeschwister::springe, this, [this](qsizetype position) {
        Waehle(position);
        ElternBoxClick();
    });
    connect(m_spalten, &TSpaltenKnoepfe::weniger, this, [this] { spaltenSchritt(-1); });
    connect(m_spalten, &TSpaltenKnoepfe::mehr, this, [this] { spaltenSchritt(1); });
    connect(&m_optionen, &TAnzeigeOptionen::geaendert, this, &TElternSeite::spaltenAnwenden);
    SbElternDetailsClick();
}

int TElternSeite::ElternSpalten() const { return m_optionen.ElternSpalten(); }
int TElternSeite::RelationsSpalten() const { return m_optionen.RelationsSpalten(); }
void TElternSeite::SetSpalten(int eltern, int relation) { m_optionen.SetSpalten(eltern, relation); }
bool TElternSeite::DetailsAn() const { return m_detailsBtn->isChecked(); }

void TElternSeite::spaltenSchritt(int schritt)
{
    // In the overview the buttons change the list's own columns, in the details layout
    // the columns of the relation lists.
    if (DetailsAn())
        m_optionen.RelationsSpaltenSchritt(schritt);
    else
        m_optionen.ElternSpaltenSchritt(schritt);
}

void TElternSeite::spaltenAnwenden()
{
    const int relation = m_optionen.RelationsSpalten();
    m_wuensche->Liste()->SetSpalten(relation);
    m_geschwister->Liste()->SetSpalten(relation);
    m_spalten->SetZahl(DetailsAn() ? relation : m_optionen.ElternSpalten());
    QListView* liste = Liste();
    if (DetailsAn()) {
        liste->setFlow(QListView::TopToBottom);
        liste->setWrapping(false);
        liste->setGridSize({});
    } else {
        // Top to bottom, then the next column; the columns share the width.
        liste->setFlow(QListView::TopToBottom);
        liste->setWrapping(true);
        liste->setResizeMode(QListView::Adjust);
        const int spalten = qMax(1, m_optionen.ElternSpalten());
        liste->setGridSize(QSize(qMax(40, liste->viewport()->width() / spalten), Zeilenhoehe(liste->fontMetrics())));
    }
}

void TElternSeite::resizeEvent(QResizeEvent* e)
{
    TNamenSeite::resizeEvent(e);
    spaltenAnwenden();
}

void TElternSeite::Aufbereiten(bool fensterSichtbar)
{
    TNamenSeite::Aufbereiten(fensterSichtbar);
    m_wuensche->LehrerNeu();
    ElternBoxClick();
}

bool TElternSeite::Sichern()
{
    m_wuensche->Liste()->Sichern();
    m_geschwister->Liste()->Sichern();
    return m_sonstiges->Sichern();
}

void TElternSeite::SbElternDetailsClick()
{
    Sichern();
    const bool details = DetailsAn();
    Eingabe()->parentWidget()->setVisible(!details);
    m_detailsPanel->setVisible(details);
    if (details) {
        // A narrow column; wide enough for the search row under it.
        m_listenPanel->setFixedWidth(170);
        m_detailsBtn->setText(QStringLiteral("Details für:"));
        const QString name = GewaehlterName();
        m_kopf->setText(name.isEmpty() ? QStringLiteral("Keine Eltern ausgewählt") : name);
    } else {
        m_listenPanel->setMinimumWidth(0);
        m_listenPanel->setMaximumWidth(QWIDGETSIZE_MAX);
        m_detailsBtn->setText(QStringLiteral("Details zeigen"));
        m_kopf->setText(QStringLiteral("Übersicht"));
    }
    spaltenAnwenden();
    ElternPageCChange();
}

void TElternSeite::ElternPageCChange()
{
    const bool details = DetailsAn();
    m_spalten->setVisible(!details || (m_stapel->currentIndex() == 1 && m_tabs->currentWidget() != m_sonstiges));
    spaltenAnwenden();
}

void TElternSeite::ElternBoxClick()
{
    Sichern();
    const QString name = GewaehlterName();
    if (name.isEmpty()) {
        m_stapel->setCurrentIndex(0);
        if (DetailsAn())
            m_kopf->setText(QStringLiteral("Keine Eltern ausgewählt"));
        m_wuensche->Zeige({});
        m_geschwister->Zeige({});
        ElternPageCChange();
        return;
    }
    if (DetailsAn())
        m_kopf->setText(name);
    m_wuensche->Zeige(name);
    m_geschwister->Zeige(name);
    m_sonstiges->Zeige(name);
    m_stapel->setCurrentIndex(1);
    ElternPageCChange();
}

void TElternSeite::ElternSuchen(bool weiter)
{
    m_treffer = weiter ? m_treffer + 1 : 1;
    const TSuchErgebnis r = ElternSuche(m_tag, m_suche->text(), m_treffer);
    m_treffer = r.Treffer;
    if (r.Position >= 0 && r.Position != GewaehlterIndex())
        Waehle(r.Position);
}

void TElternSeite::DelElternBtnClick()
{
    GewaehltenLoeschen();
}

void TElternSeite::ElternRenameBtnClick()
{
    GewaehltenUmbenennen(m_sonstiges->RenameEdit()->text());
}

bool TElternSeite::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == m_suche && e->type() == QEvent::FocusIn)
        m_weiter->setDefault(true);
    return TNamenSeite::eventFilter(objekt, e);
}

void TElternSeite::AuswahlZeigen()
{
    ElternBoxClick();
}
