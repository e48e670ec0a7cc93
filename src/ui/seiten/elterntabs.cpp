#include "seiten/elterntabs.h"

#include "bearbeiten/geschwister.h"
#include "bearbeiten/vorrang.h"
#include "bearbeiten/sprechwuensche.h"
#include "gemeinsam/auswahlmodus.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/relationsliste.h"
#include "gemeinsam/zeitfeld.h"
#include "gemeinsam/adressfeld.h"
#include "bearbeiten/emailfelder.h"
#include "model/sprechtag.h"
#include "seiten/seite.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

// --- Sprechwünsche -------------------------------------------------------------------------

namespace {

/// The marks in the order of the drop-down and the menu.
const TPrioritaet Stufen[] = {TPrioritaet::Normal, TPrioritaet::Vorrang, TPrioritaet::Einladung};

QString StufenText(TPrioritaet p)
{
    switch (p) {
    case TPrioritaet::Vorrang:
        return QStringLiteral("Vorrang");
    case TPrioritaet::Einladung:
        return QStringLiteral("Einladung");
    case TPrioritaet::Normal:
        break;
    }
    return QStringLiteral("normal");
}

} // namespace

TElternSprechwuensche::TElternSprechwuensche(TSprechtag& tag, QWidget* eltern)
    : QWidget(eltern)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("TabSheet1"));
    m_liste = new TRelationsListe(QStringLiteral("SprechwunschBox"), QStringLiteral("Gewünschte Lehrer"), this);
    m_liste->SetSpeichern([this](const QString& fuer, const QStringList& namen) {
        SprechwuenscheSpeichern(m_tag, fuer, namen);
        markenZeigen();
    });
    m_prioritaet = new QComboBox(this);
    m_prioritaet->setObjectName(QStringLiteral("WunschPrioritaetCb"));
    m_prioritaet->setAccessibleName(QStringLiteral("Priorität des markierten Sprechwunschs"));
    for (TPrioritaet p : Stufen)
        m_prioritaet->addItem(StufenText(p));
    m_prioritaet->setToolTip(QStringLiteral("„Vorrang“: den Eltern besonders wichtig; „Einladung“: die Lehrkraft lädt die Eltern ein. "
                                            "Beides wird vor den übrigen Wünschen eingeplant."));
    m_prioritaet->setAccessibleDescription(m_prioritaet->toolTip());
    auto* prioritaetLb = new QLabel(QStringLiteral("P&riorität der markierten Lehrkraft:"), this);
    prioritaetLb->setBuddy(m_prioritaet);
    auto* prioritaetZeile = new QHBoxLayout;
    prioritaetZeile->addWidget(prioritaetLb);
    prioritaetZeile->addWidget(m_prioritaet);
    prioritaetZeile->addStretch();

    m_menue = new QMenu(this);
    m_menue->setObjectName(QStringLiteral("PrioritaetPopup"));
    auto* gruppe = new QActionGroup(m_menue);
    const QString menueTexte[] = {QStringLiteral("&normal"), QStringLiteral("&Vorrang"), QStringLiteral("&Einladung")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = m_menue->addAction(menueTexte[i]);
        a->setCheckable(true);
        a->setData(i);
        gruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { prioritaetSetzen(m_menueZeile, i); });
    }

    auto* modus = new TAuswahlModus(1, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(prioritaetZeile);
    layout->addWidget(modus);
    connect(modus, &TAuswahlModus::geaendert, this, [this](bool erweitert) {
        m_liste->SetErweitert(erweitert);
        Zeige(m_liste->Fuer());
    });
    connect(m_prioritaet, &QComboBox::activated, this, [this](int stufe) { prioritaetSetzen(m_liste->currentRow(), stufe); });
    connect(m_liste, &QListWidget::itemSelectionChanged, this, &TElternSprechwuensche::markenZeigen);
    connect(m_liste, &QListWidget::currentRowChanged, this, &TElternSprechwuensche::markenZeigen);
    connect(m_liste, &TRelationsListe::kontextmenue, this, &TElternSprechwuensche::menueZeigen);
}

void TElternSprechwuensche::prioritaetSetzen(int zeile, int stufe)
{
    if (zeile < 0 || zeile >= m_liste->Eintraege().size() || stufe < 0 || stufe >= 3)
        return;
    // Ticks not yet stored go first: the mark belongs to a request that must exist.
    m_liste->Sichern();
    PrioritaetSetzen(m_tag, m_liste->Fuer(), m_liste->Eintraege().at(zeile), Stufen[stufe]);
    markenZeigen();
}

void TElternSprechwuensche::markenZeigen()
{
    const QString fuer = m_liste->Fuer();
    const QStringList eintraege = m_liste->Eintraege();
    const TEltern* eltern = m_tag.Eltern.Suche(fuer);
    const auto stufe = [eltern](const QString& lehrer) { return eltern ? ::Prioritaet(*eltern, lehrer) : TPrioritaet::Normal; };
    for (int i = 0; i < eintraege.size(); ++i) {
        // A row unticked but not yet stored shows no mark: storing drops it.
        const bool an = m_liste->item(i)->isSelected();
        const TPrioritaet p = an ? stufe(eintraege.at(i)) : TPrioritaet::Normal;
        m_liste->SetZusatz(i, p == TPrioritaet::Normal ? QString() : StufenText(p));
    }
    const int zeile = m_liste->currentRow();
    const bool waehlbar = eltern && zeile >= 0 && zeile < eintraege.size() && m_liste->item(zeile)->isSelected();
    m_prioritaet->setEnabled(waehlbar);
    const TPrioritaet p = waehlbar ? stufe(eintraege.at(zeile)) : TPrioritaet::Normal;
    m_prioritaet->setCurrentIndex(int(std::find(std::begin(Stufen), std::end(Stufen), p) - std::begin(Stufen)));
}

void TElternSprechwuensche::menueZeigen(const QPoint& globalPos)
{
    QListWidgetItem* item = m_liste->itemAt(m_liste->viewport()->mapFromGlobal(globalPos));
    m_menueZeile = item ? m_liste->row(item) : m_liste->currentRow();
    if (m_menueZeile >= 0)
        m_liste->setCurrentRow(m_menueZeile, QItemSelectionModel::NoUpdate);
    markenZeigen();
    const bool waehlbar = m_prioritaet->isEnabled();
    for (QAction* a : m_menue->actions()) {
        a->setEnabled(waehlbar);
        a->setChecked(waehlbar && a->data().toInt() == m_prioritaet->currentIndex());
    }
    m_menue->popup(globalPos);
}

void TElternSprechwuensche::LehrerNeu()
{
    m_liste->Sichern();
    m_liste->Zeige(m_liste->Fuer(), m_tag.Lehrer.Namen(), SprechwunschAuswahl(m_tag, m_liste->Fuer()));
    markenZeigen();
}

void TElternSprechwuensche::Zeige(const QString& eltern)
{
    const QString fuer = m_tag.Eltern.Suche(eltern) ? eltern : QString();
    m_liste->Zeige(fuer, m_liste->Eintraege(), SprechwunschAuswahl(m_tag, fuer));
    markenZeigen();
}

// --- Geschwister ---------------------------------------------------------------------------

TElternGeschwister::TElternGeschwister(TSprechtag& tag, QWidget* eltern)
    : QWidget(eltern)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("TabSheet2"));
    m_liste = new TRelationsListe(QStringLiteral("GeschwisterBox"), QStringLiteral("Geschwister"), this);
    m_liste->SetSpalten(2);
    m_liste->SetSpeichern([this](const QString& fuer, const QStringList& namen) { GeschwisterSpeichern(m_tag, fuer, namen); });
    m_ausblenden = new QCheckBox(QStringLiteral("Nicht-ähnliche Namen a&usblenden"), this);
    m_ausblenden->setObjectName(QStringLiteral("GeschwisterAusblendenCb"));
    m_ausblenden->setChecked(true);
    m_woerter = new QSpinBox(this);
    m_woerter->setObjectName(QStringLiteral("GeschwisterVergleichsCountSb"));
    m_woerter->setRange(1, 4);
    m_woerter->setValue(1);
    auto* woerterLb = new QLabel(QStringLiteral("Wö&rter pro Name vergleichen"), this);
    woerterLb->setBuddy(m_woerter);

    m_menue = new QMenu(this);
    m_menue->setObjectName(QStringLiteral("GeschwisterPopup"));
    m_untermenue = m_menue->addMenu(GeschwisterMenueText());
    m_untermenue->setObjectName(QStringLiteral("ZuGeschwisternwechseln1"));

    auto* unten = new QHBoxLayout;
    unten->addWidget(m_woerter);
    unten->addWidget(woerterLb);
    unten->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Erklaerung(QStringLiteral("Markieren Sie die Geschwister, um Terminüberschneidungen auszuschließen."), this));
    layout->addWidget(m_liste, 1);
    layout->addWidget(Erklaerung(QStringLiteral("Rechtsklick =  weitere Optionen"), this));
    layout->addWidget(m_ausblenden);
    layout->addLayout(unten);

    connect(m_ausblenden, &QCheckBox::clicked, this, [this] {
        m_liste->Sichern();
        Zeige(m_eltern);
    });
    connect(m_woerter, &QSpinBox::valueChanged, this, [this] {
        m_liste->Sichern();
        Zeige(m_eltern);
    });
    connect(m_liste, &TRelationsListe::kontextmenue, this, [this](const QPoint& pos) {
        GeschwisterPopupPopup();
        m_menue->popup(pos);
    });
}

void TElternGeschwister::Zeige(const QString& eltern)
{
    m_liste->Sichern();
    m_eltern = m_tag.Eltern.Suche(eltern) ? eltern : QString();
    const QStringList kandidaten = GeschwisterKandidaten(m_tag, m_eltern, m_ausblenden->isChecked(), m_woerter->value());
    const TListenAuswahl auswahl = GeschwisterAuswahl(m_tag, m_eltern, kandidaten);
    m_liste->Zeige(m_eltern, kandidaten, auswahl.Positionen);
    for (int i = 0; i < auswahl.Fehlend.size(); ++i)
        Meldung::Info(this, GeschwisterFehltMeldung());
}

void TElternGeschwister::GeschwisterPopupPopup()
{
    if (m_eltern.isEmpty())
        return;
    m_liste->Sichern();
    m_untermenue->clear();
    const QList<TGeschwisterSprung> spruenge = GeschwisterSprungliste(m_tag, m_eltern);
    for (const TGeschwisterSprung& s : spruenge) {
        QAction* a = m_untermenue->addAction(s.Name);
        const qsizetype position = s.Position;
        connect(a, &QAction::triggered, this, [this, position] { emit springe(position); });
    }
    if (spruenge.isEmpty())
        m_untermenue->addAction(GeschwisterKeineText())->setEnabled(false);
}

// --- Sonstiges -----------------------------------------------------------------------------

TElternSonstiges::TElternSonstiges(TSprechtag& tag, QWidget* eltern)
    : QWidget(eltern)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("TabSheet3"));
    m_renameEdit = new QLineEdit(this);
    m_renameEdit->setObjectName(QStringLiteral("ElternRenameEdit"));
    m_renameBtn = new QPushButton(QStringLiteral("Ok"), this);
    m_renameBtn->setObjectName(QStringLiteral("ElternRenameBtn"));
    m_renameBtn->setAccessibleName(QStringLiteral("Namen übernehmen"));
    m_delBtn = new QPushButton(QStringLiteral("Löschen"), this);
    m_delBtn->setObjectName(QStringLiteral("DelElternBtn"));
    m_delBtn->setAccessibleName(QStringLiteral("Diese Eltern löschen"));
    m_delBtn->setAutoDefault(false);
    auto* nameLb = Fett(QStringLiteral("&Name"), this);
    nameLb->setBuddy(m_renameEdit);

    m_abCb = new QCheckBox(QStringLiteral("nicht &vor"), this);
    m_abCb->setObjectName(QStringLiteral("ElternZeitAbCb"));
    m_abEdit = new TZeitFeld(QStringLiteral("ElternZeitAbEdit"), QStringLiteral("Nicht vor, Uhrzeit"), this);
    m_bisCb = new QCheckBox(QStringLiteral("nicht na&ch"), this);
    m_bisCb->setObjectName(QStringLiteral("ElternZeitBisCb"));
    m_bisEdit = new TZeitFeld(QStringLiteral("ElternZeitBisEdit"), QStringLiteral("Nicht nach, Uhrzeit"), this);
    for (TZeitFeld* e : {m_abEdit, m_bisEdit}) {
        const TAnwesenheitsGrenze grenze = e == m_abEdit ? TAnwesenheitsGrenze::NichtVor : TAnwesenheitsGrenze::NichtNach;
        e->setMaximumWidth(70);
        e->setEnabled(false);
        e->SetUebernehmen([this, grenze](const QString& fuer, const QString& text) {
            return AnwesenheitZeitEingabe(m_tag, fuer, grenze, text, m_gedaechtnis).Meldung;
        });
        connect(e, &TZeitFeld::genommen, this, [this, e, grenze] {
            if (m_tag.Eltern.Suche(e->Fuer()))
                e->Zeige(e->Fuer(), Zeit::Anzeige(grenze == TAnwesenheitsGrenze::NichtVor ? m_tag.Eltern.Suche(e->Fuer())->NichtVorZeit
                                                                                          : m_tag.Eltern.Suche(e->Fuer())->NichtNachZeit));
        });
    }
    m_renameEdit->installEventFilter(this);
    m_email1 = new TAdressFeld(QStringLiteral("ElternEMail1Edit"), QStringLiteral("E-Mail-Adresse der Eltern"), this);
    m_email2 = new TAdressFeld(QStringLiteral("ElternEMail2Edit"), QStringLiteral("Zweite E-Mail-Adresse der Eltern"), this);
    for (TAdressFeld* f : {m_email1, m_email2}) {
        const QString feld = f == m_email1 ? ElternEMailFeld1 : ElternEMailFeld2;
        f->SetUebernehmen([this, feld](const QString& fuer, const QString& bisher, const QString& text) {
            return ElternEMailSetzen(m_tag, fuer, bisher, text, feld).Meldung;
        });
        // Taking one field may move the other's address up: both show the record anew,
        // except a field with a text of its own not taken yet.
        connect(f, &TAdressFeld::genommen, this, [this, f] { emailZeigen(f->Fuer(), f); });
    }
    auto* emailLb1 = new QLabel(QStringLiteral("&E-Mail:"), this);
    emailLb1->setBuddy(m_email1);
    auto* emailLb2 = new QLabel(QStringLiteral("Zwei&te E-Mail:"), this);
    emailLb2->setBuddy(m_email2);
    auto* email = new QGridLayout;
    email->addWidget(emailLb1, 0, 0);
    email->addWidget(m_email1, 0, 1);
    email->addWidget(emailLb2, 1, 0);
    email->addWidget(m_email2, 1, 1);

    auto* zeiten = new QGridLayout;
    zeiten->addWidget(m_abCb, 0, 0);
    zeiten->addWidget(m_abEdit, 0, 1);
    zeiten->addWidget(new QLabel(QStringLiteral("Uhr"), this), 0, 2);
    zeiten->addWidget(m_bisCb, 1, 0);
    zeiten->addWidget(m_bisEdit, 1, 1);
    zeiten->addWidget(new QLabel(QStringLiteral("Uhr"), this), 1, 2);
    zeiten->setColumnStretch(3, 1);

    auto* renameZeile = new QHBoxLayout;
    renameZeile->addWidget(m_renameEdit, 1);
    renameZeile->addWidget(m_renameBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Erklaerung(QStringLiteral("Hier können Sie den Namen der Eltern korrigieren oder ändern."), this));
    layout->addWidget(nameLb);
    layout->addLayout(renameZeile);
    layout->addLayout(email);
    layout->addSpacing(8);
    layout->addWidget(Ueberschrift(QStringLiteral("Anwesenheit"), this));
    layout->addWidget(Erklaerung(QStringLiteral("Sofern diese Eltern nicht während der gesamten Sprechzeit anwesend sein können, Termine bitte"), this));
    layout->addLayout(zeiten);
    layout->addSpacing(8);
    layout->addWidget(Ueberschrift(QStringLiteral("Diese Eltern löschen"), this));
    layout->addWidget(m_delBtn, 0, Qt::AlignLeft);
    layout->addStretch();

    connect(m_abCb, &QCheckBox::clicked, this, [this] { kastenGeklickt(m_abCb); });
    connect(m_bisCb, &QCheckBox::clicked, this, [this] { kastenGeklickt(m_bisCb); });
}

void TElternSonstiges::Zeige(const QString& eltern)
{
    m_eltern = eltern;
    m_renameEdit->setText(eltern);
    m_renameEdit->selectAll();
    const TAnwesenheitsAnzeige a = AnwesenheitZeigen(m_tag, eltern, m_gedaechtnis);
    emailZeigen(m_tag.Eltern.Suche(eltern) ? eltern : QString(), nullptr);
    if (!a.Gefunden) {
        m_abEdit->Zeige({}, m_abEdit->text());
        m_bisEdit->Zeige({}, m_bisEdit->text());
        return;
    }
    m_abCb->setChecked(a.NichtVor);
    m_bisCb->setChecked(a.NichtNach);
    m_abEdit->setEnabled(a.NichtVor);
    m_bisEdit->setEnabled(a.NichtNach);
    m_abEdit->Zeige(eltern, a.NichtVorText);
    m_bisEdit->Zeige(eltern, a.NichtNachText);
}

bool TElternSonstiges::Sichern()
{
    const bool email1 = m_email1->Sichern();
    const bool email2 = m_email2->Sichern();
    const bool ab = m_abEdit->Sichern();
    const bool bis = m_bisEdit->Sichern();
    return email1 && email2 && ab && bis;
}

void TElternSonstiges::emailZeigen(const QString& eltern, TAdressFeld* genommen)
{
    const TEltern* e = m_tag.Eltern.Suche(eltern);
    const QStringList adressen = e ? e->EMail : QStringList();
    for (int i = 0; i < 2; ++i) {
        TAdressFeld* f = i == 0 ? m_email1 : m_email2;
        if (f == genommen || !genommen || !f->Offen())
            f->Zeige(e ? eltern : QString(), EMailAnzeige(adressen, i));
    }
}

void TElternSonstiges::kastenGeklickt(QCheckBox* kasten)
{
    const bool ab = kasten == m_abCb;
    AnwesenheitSchalten(m_tag, m_eltern, ab ? TAnwesenheitsGrenze::NichtVor : TAnwesenheitsGrenze::NichtNach, kasten->isChecked());
    (ab ? m_abEdit : m_bisEdit)->setEnabled(kasten->isChecked());
}

bool TElternSonstiges::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == m_renameEdit && e->type() == QEvent::FocusIn)
        m_renameBtn->setDefault(true);
    return QWidget::eventFilter(objekt, e);
}
