#include "seiten/lehrerseite.h"

#include "bearbeiten/emailfelder.h"
#include "gemeinsam/adressfeld.h"
#include "gemeinsam/anzeigeoptionen.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/relationsliste.h"
#include "model/sprechtag.h"
#include "seiten/lehrerablehnungen.h"
#include "seiten/lehreranwesenheit.h"
#include "seiten/lehrereinladungen.h"
#include "seiten/nameneingabe.h"
#include "seiten/spaltenknoepfe.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

TLehrerSeite::TLehrerSeite(TSprechtag& tag, TAnzeigeOptionen& optionen, QWidget* eltern)
    : TNamenSeite(tag, optionen, true,
                  {QStringLiteral("Lehrer eingeben..."),
                   QStringLiteral("Hier verwalten Sie die Lehrer. Geben Sie einen Namen mit Raumnummer ein und drücken Sie die "
                                  "Eingabetaste, um diesen Namen in die Liste zu übernehmen."),
                   QStringLiteral("InpLehrer"), QStringLiteral("Neuer Lehrername"), QStringLiteral("Lehrername (RaumNr)"),
                   QStringLiteral("LehrerSubmitBtn"), QStringLiteral("Lehrer in die Liste übernehmen"), QStringLiteral("AnzLehrerPanel"),
                   QStringLiteral("ButLehrerLoesch")},
                  QStringLiteral("LehrerBox"), QStringLiteral("Lehrerliste"), QStringLiteral("SpeedButton5"),
                  QStringLiteral("SpeedButton6"), eltern)
{
    setObjectName(QStringLiteral("TsLehrer"));
    auto* inhalt = new QWidget(this);

    // Header of the details.
    m_kopf = new QLabel(QStringLiteral("Lehrername"), inhalt);
    m_kopf->setObjectName(QStringLiteral("LPanel"));
    m_kopf->setTextFormat(Qt::PlainText);
    m_kopf->setFrameShape(QFrame::StyledPanel);
    QFont fett = m_kopf->font();
    fett.setBold(true);
    m_kopf->setFont(fett);
    m_spalten = new TSpaltenKnoepfe(QStringLiteral("PnLehrerSpalten"), QStringLiteral("SpaltenDecBtn2"), QStringLiteral("SpaltenLehLb"),
                                    QStringLiteral("SpaltenIncBtn2"), inhalt);
    auto* kopfZeile = new QHBoxLayout;
    kopfZeile->addWidget(m_kopf, 1);
    kopfZeile->addWidget(m_spalten);

    // Tab "Allgemein".
    auto* allg = new QWidget;
    allg->setObjectName(QStringLiteral("TsLehrerAllg"));
    m_renameEdit = new QLineEdit(allg);
    m_renameEdit->setObjectName(QStringLiteral("LehrerRenameEdit"));
    m_renameEdit->installEventFilter(this);
    m_renameBtn = new QPushButton(QStringLiteral("Ok"), allg);
    m_renameBtn->setObjectName(QStringLiteral("LehrerRenameBtn"));
    m_renameBtn->setAccessibleName(QStringLiteral("Namen übernehmen"));
    m_delBtn = new QPushButton(QStringLiteral("Löschen"), allg);
    m_delBtn->setObjectName(QStringLiteral("LehrerDelBtn"));
    m_delBtn->setAccessibleName(QStringLiteral("Diesen Lehrer löschen"));
    m_delBtn->setAutoDefault(false);
    auto* nameLb = Ueberschrift(QStringLiteral("&Name"), allg);
    nameLb->setTextFormat(Qt::AutoText);
    nameLb->setBuddy(m_renameEdit);
    auto* allgLayout = new QVBoxLayout(allg);
    allgLayout->addWidget(Erklaerung(QStringLiteral("Hier können Sie den Namen des Lehrers korrigieren oder ändern."), allg));
    allgLayout->addWidget(nameLb);
    auto* renameZeile = new QHBoxLayout;
    renameZeile->addWidget(m_renameEdit, 1);
    renameZeile->addWidget(m_renameBtn);
    allgLayout->addLayout(renameZeile);
    m_email = new TAdressFeld(QStringLiteral("LehrerEMailEdit"), QStringLiteral("E-Mail-Adresse des Lehrers"), allg);
    m_email->SetUebernehmen([this](const QString& fuer, const QString&, const QString& text) {
        return LehrerEMailSetzen(m_tag, fuer, text).Meldung;
    });
    connect(m_email, &TAdressFeld::genommen, this, [this] {
        if (const TLehrer* l = m_tag.Lehrer.Suche(m_email->Fuer()))
            m_email->Zeige(m_email->Fuer(), EMailAnzeige(l->EMail, 0));
    });
    auto* emailLb = Ueberschrift(QStringLiteral("&E-Mail"), allg);
    emailLb->setTextFormat(Qt::AutoText);
    emailLb->setBuddy(m_email);
    allgLayout->addWidget(emailLb);
    allgLayout->addWidget(m_email);
    allgLayout->addSpacing(16);
    allgLayout->addWidget(Ueberschrift(QStringLiteral("Diesen Lehrer löschen"), allg));
    allgLayout->addWidget(m_delBtn, 0, Qt::AlignLeft);
    allgLayout->addStretch();

    m_anwesenheit = new TLehrerAnwesenheit(tag, nullptr);
    m_ablehnungen = new TLehrerAblehnungen(tag, nullptr);
    m_einladungen = new TLehrerEinladungen(tag, nullptr);

    m_tabs = new QTabWidget(inhalt);
    m_tabs->setObjectName(QStringLiteral("LehrerPageC"));
    m_tabs->addTab(allg, QStringLiteral("Allgemein"));
    m_tabs->addTab(m_anwesenheit, QStringLiteral("Anwesenheit"));
    m_tabs->addTab(m_ablehnungen, QStringLiteral("Ablehnungen"));
    m_tabs->addTab(m_einladungen, QStringLiteral("Einladungen"));
    // Every tab title readable without scroll arrows, as in the other windows.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);

    auto* keine = Erklaerung(QStringLiteral("Kein Lehrer ausgewählt. Klicken Sie auf einen Lehrernamen in der nebenstehenden Liste, um "
                                            "detaillierte Einstellungen für diesen Lehrer vorzunehmen (z.B. Anwesenheitszeiten)."),
                             inhalt);
    keine->setObjectName(QStringLiteral("LehrerKeineAuswahlLb"));
    m_stapel = new QStackedWidget(inhalt);
    m_stapel->addWidget(keine);
    m_stapel->addWidget(m_tabs);

    auto* details = new QVBoxLayout;
    details->addLayout(kopfZeile);
    details->addWidget(m_stapel, 1);

    auto* links = new QVBoxLayout;
    links->addWidget(Eingabe(), 1);
    links->addWidget(SchriftZeile());

    auto* layout = new QHBoxLayout(inhalt);
    layout->setContentsMargins(0, 0, 0, 0);
    Liste()->setMinimumWidth(160);
    layout->addLayout(links, 4);
    layout->addWidget(Liste(), 5);
    layout->addLayout(details, 8);
    SetInhalt(inhalt);

    connect(this, &TNamenSeite::auswahlGeaendert, this, &TLehrerSeite::LehrerBoxClick);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        Sichern();
        // Invitations add requests: the refusal counters must show them.
        if (m_tabs->currentWidget() == m_ablehnungen)
            m_ablehnungen->Zeige(m_gezeigt);
        LehrerPageCChange();
    });
    connect(m_renameBtn, &QPushButton::clicked, this, &TLehrerSeite::LehrerRenameBtnClick);
    connect(m_delBtn, &QPushButton::clicked, this, &TLehrerSeite::LehrerDelBtnClick);
    connect(m_spalten, &TSpaltenKnoepfe::weniger, this, [this] { m_optionen.RelationsSpaltenSchritt(-1); });
    connect(m_spalten, &TSpaltenKnoepfe::mehr, this, [this] { m_optionen.RelationsSpaltenSchritt(1); });
    connect(&m_optionen, &TAnzeigeOptionen::geaendert, this, &TLehrerSeite::spaltenAnwenden);
    spaltenAnwenden();
    LehrerBoxClick();
}

void TLehrerSeite::spaltenAnwenden()
{
    m_spalten->SetZahl(m_optionen.RelationsSpalten());
    m_ablehnungen->Liste()->SetSpalten(m_optionen.RelationsSpalten());
    m_einladungen->Liste()->SetSpalten(m_optionen.RelationsSpalten());
}

bool TLehrerSeite::Sichern()
{
    m_ablehnungen->Sichern();
    m_einladungen->Sichern();
    const bool email = m_email->Sichern();
    return m_anwesenheit->Sichern() && email;
}

void TLehrerSeite::Aufbereiten(bool fensterSichtbar)
{
    TNamenSeite::Aufbereiten(fensterSichtbar);
    spaltenAnwenden();
    // Requests may have changed on the parents page meanwhile: counters and list anew.
    m_ablehnungen->Zeige(GewaehlterName());
    m_einladungen->Zeige(GewaehlterName());
    m_anwesenheit->TageszeitenZeigen();
}

void TLehrerSeite::LehrerBoxClick()
{
    Sichern();
    const QString name = GewaehlterName();
    m_gezeigt = name;
    if (name.isEmpty()) {
        m_stapel->setCurrentIndex(0);
        m_kopf->setText(QStringLiteral("Kein Lehrer ausgewählt"));
        m_ablehnungen->Zeige({});
        m_email->Zeige({}, QString());
        m_einladungen->Zeige({});
        LehrerPageCChange();
        return;
    }
    m_renameEdit->setText(name);
    m_renameEdit->selectAll();
    m_kopf->setText(name);
    m_email->Zeige(name, EMailAnzeige(m_tag.Lehrer.Suche(name)->EMail, 0));
    m_anwesenheit->Zeige(name);
    m_stapel->setCurrentIndex(1);
    LehrerPageCChange();
    m_ablehnungen->Zeige(name);
    m_einladungen->Zeige(name);
}

void TLehrerSeite::LehrerPageCChange()
{
    m_spalten->setVisible(m_stapel->currentIndex() == 1 && (m_tabs->currentWidget() == m_ablehnungen || m_tabs->currentWidget() == m_einladungen));
    m_anwesenheit->TageszeitenZeigen();
}

void TLehrerSeite::LehrerDelBtnClick()
{
    GewaehltenLoeschen();
}

void TLehrerSeite::LehrerRenameBtnClick()
{
    GewaehltenUmbenennen(m_renameEdit->text());
}

bool TLehrerSeite::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == m_renameEdit && e->type() == QEvent::FocusIn)
        m_renameBtn->setDefault(true);
    return TNamenSeite::eventFilter(objekt, e);
}

void TLehrerSeite::AuswahlZeigen()
{
    LehrerBoxClick();
}
