#include "seiten/plaeneseite.h"

#include "auswertung/hintergrund.h"
#include "bearbeiten/direkte_aenderungen.h"
#include "berechnung/zeitplanrechner.h"
#include "dialoge/druckerwahl.h"
#include "dialoge/druckfortschritt.h"
#include "dialoge/planeditor.h"
#include "dialoge/planeinstellungen.h"
#include "druckziel.h"
#include "fenster/hauptfenster.h"
#include "fenster/optimierfenster.h"
#include "fenster/rechenfenster.h"
#include "fenster/statistikfenster.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/vorschaudruck.h"
#include "gemeinsam/zeilenhoehe.h"
#include "model/sprechtag.h"
#include "optimierung/kennzahlen.h"
#include "seiten/plaeneseite_druck.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

/// The selection panel takes half of what remains of the page beside this width.
constexpr int LinkeSpalte = 219;
/// The left column itself is narrower than the rule assumes, so that the plan list beside
/// the selection panel has room for a full line at the main window's smallest width.
constexpr int Knopfspalte = 170;

QListWidget* WahlBox(const char* name, const QString& zugang, QWidget* eltern)
{
    auto* box = new QListWidget(eltern);
    box->setObjectName(QString::fromUtf8(name));
    box->setAccessibleName(zugang);
    box->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ZeilenhoeheSichern(box);
    // Open print options take height from the lists; a few rows stay.
    box->setMinimumHeight(box->fontMetrics().height() * 4);
    box->setToolTip(QStringLiteral("Mit Strg und Umschalt lassen sich mehrere Namen für den Druck auswählen"));
    box->setAccessibleDescription(box->toolTip());
    return box;
}

QPushButton* Knopf(const QString& text, const char* name, QWidget* eltern)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromUtf8(name));
    k->setAccessibleName(text.trimmed().remove(QLatin1Char('&')));
    k->setAutoDefault(false);
    return k;
}

} // namespace

TPlaeneSeite::TPlaeneSeite(TSprechtag& tag, QWidget* eltern)
    : TSeite(tag, false, eltern)
{
    setObjectName(QStringLiteral("TsPlaene"));
    auto* inhalt = new QWidget(this);

    // Left column: computation, settings, statistics.
    m_rechnen = Knopf(QStringLiteral("Zeitpläne be&rechnen"), "ZeitPlanCalcBut", inhalt);
    m_rechnen->setToolTip(QStringLiteral("Berechnet alle Zeitpläne neu; vorhandene Pläne werden ersetzt"));
    m_rechnen->setAccessibleDescription(m_rechnen->toolTip());
    m_rechnen->setMinimumHeight(34);
    m_optimieren = Knopf(QStringLiteral("Opti&mieren"), "OptimierenBtn", inhalt);
    m_optimieren->setToolTip(QStringLiteral("Verbessert die berechneten Zeitpläne: mehr Termine, weniger Eltern ohne "
                                            "Termin, kürzere Wartezeiten"));
    m_optimieren->setAccessibleDescription(m_optimieren->toolTip());
    m_keinePlaene = new QLabel(QStringLiteral("Es wurden noch keine Zeitpläne berechnet."), inhalt);
    m_keinePlaene->setObjectName(QStringLiteral("LabelNoPlans"));
    m_keinePlaene->setWordWrap(true);
    m_setup = Knopf(QStringLiteral("Zeitplan-&Einstellungen    "), "ZeitplanSetupBut", inhalt);
    m_statistik = Knopf(QStringLiteral("&Statistik  "), "StatBtn", inhalt);
    auto* erklaerung = Erklaerung(QStringLiteral("Aus den Sprechwünschen, Ablehnungen und Zeitvorgaben berechnet das Programm die "
                                                 "Zeitpläne aller Lehrer und Eltern."),
                                  inhalt);
    // The column's width is fixed, so are the heights of its wrapped texts. Left to the
    // layout, their height-for-width would make the page ask for its preferred height and
    // scroll, instead of letting the lists give way to the print options.
    for (QLabel* lb : {erklaerung, m_keinePlaene}) {
        lb->setFixedHeight(lb->heightForWidth(Knopfspalte));
        QSizePolicy sp = lb->sizePolicy();
        sp.setHeightForWidth(false);
        lb->setSizePolicy(sp);
    }
    auto* links = new QVBoxLayout;
    links->addWidget(erklaerung);
    links->addWidget(m_rechnen);
    links->addWidget(m_optimieren);
    links->addSpacing(10);
    links->addWidget(m_keinePlaene);
    links->addWidget(m_setup);
    links->addWidget(m_statistik);
    links->addStretch();
    auto* linksWidget = new QWidget(inhalt);
    linksWidget->setLayout(links);
    linksWidget->setFixedWidth(Knopfspalte);
    links->setContentsMargins(0, 0, 0, 0);

    // Plan panel: selection and print on the left, the chosen plan on the right.
    m_planPanel = new QWidget(inhalt);
    m_planPanel->setObjectName(QStringLiteral("Zeitplanpanel"));
    m_planwahl = new QWidget(m_planPanel);
    m_planwahl->setObjectName(QStringLiteral("PanelPlanwahl"));
    m_pcPlanwahl = new QTabWidget(m_planwahl);
    m_pcPlanwahl->setObjectName(QStringLiteral("PcPlanwahl"));
    m_pcPlanwahl->setAccessibleName(QStringLiteral("Zeitplan-Auswahl"));
    m_wahlL = WahlBox("WahlBoxL", QStringLiteral("Lehrer"), m_pcPlanwahl);
    m_wahlE = WahlBox("WahlBoxE", QStringLiteral("Eltern"), m_pcPlanwahl);
    m_pcPlanwahl->addTab(m_wahlL, QStringLiteral("Lehrer"));
    m_pcPlanwahl->addTab(m_wahlE, QStringLiteral("Eltern"));
    auto* wahlKopf = Ueberschrift(QStringLiteral("Zeitplan-&Auswahl"), m_planwahl);
    wahlKopf->setTextFormat(Qt::AutoText);
    wahlKopf->setBuddy(m_pcPlanwahl);
    auto* wl = new QVBoxLayout(m_planwahl);
    wl->setContentsMargins(0, 0, 0, 0);
    wl->addWidget(wahlKopf);
    wl->addWidget(m_pcPlanwahl, 1);

    auto* fuer = new QLabel(QStringLiteral("Zeitplan für"), m_planPanel);
    m_wessen = new QLabel(m_planPanel);
    m_wessen->setObjectName(QStringLiteral("WhosePlan"));
    m_wessen->setTextFormat(Qt::PlainText);
    QFont fett = m_wessen->font();
    fett.setBold(true);
    m_wessen->setFont(fett);
    m_wessen->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_plan = new QListWidget(m_planPanel);
    m_plan->setObjectName(QStringLiteral("PlanListBox"));
    m_plan->setAccessibleName(QStringLiteral("Zeitplan"));
    m_plan->setSelectionMode(QAbstractItemView::NoSelection);
    m_plan->setMinimumHeight(m_plan->fontMetrics().height() * 4);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(fuer);
    kopf->addWidget(m_wessen, 1);
    auto* rechts = new QVBoxLayout;
    rechts->addLayout(kopf);
    rechts->addWidget(m_plan, 1);

    // The print options open below the lists, which give up height for them.
    m_druck = new TDruckPanel(m_planPanel);
    auto* listen = new QHBoxLayout;
    listen->addWidget(m_planwahl);
    listen->addLayout(rechts, 1);
    auto* pl = new QVBoxLayout(m_planPanel);
    pl->setContentsMargins(0, 0, 0, 0);
    pl->addLayout(listen, 1);
    pl->addWidget(m_druck);

    auto* layout = new QHBoxLayout(inhalt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(linksWidget);
    layout->addWidget(m_planPanel, 1);
    // Keeps the left column on the left while the plan panel is hidden.
    layout->addStretch(0);
    SetInhalt(inhalt);

    // The actions on the plans stay in view below the content, whatever it needs: a row for
    // printing and editing, and a row for further actions.
    m_aktionen = new QWidget(this);
    m_aktionen->setObjectName(QStringLiteral("PlanAktionen"));
    m_bearbeiten = Knopf(QStringLiteral("Zeitplan &bearbeiten"), "ZeitplanBearbeitenBtn", m_aktionen);
    auto* druckZeile = new QHBoxLayout;
    druckZeile->addWidget(m_druck->OptBtn());
    druckZeile->addWidget(m_druck->DruckBtn());
    druckZeile->addWidget(m_druck->VorschauBtn());
    druckZeile->addStretch();
    druckZeile->addWidget(m_bearbeiten);
    m_weitere = new QHBoxLayout;
    m_weitere->addStretch();
    auto* al = new QVBoxLayout(m_aktionen);
    al->setContentsMargins(0, 4, 0, 0);
    al->addLayout(druckZeile);
    al->addLayout(m_weitere);
    SetAktionen(m_aktionen);
    bauTuerlisten();
    bauAusfall();
    bauTermine();
    bauVersand();

    setTabOrder(m_rechnen, m_optimieren);
    setTabOrder(m_optimieren, m_setup);
    setTabOrder(m_setup, m_statistik);
    setTabOrder(m_statistik, m_pcPlanwahl);
    setTabOrder(m_pcPlanwahl, m_plan);
    setTabOrder(m_plan, m_druck->OptBtn());

    connect(m_rechnen, &QPushButton::clicked, this, &TPlaeneSeite::ZeitplanCalcButClick);
    connect(m_optimieren, &QPushButton::clicked, this, &TPlaeneSeite::OptimierenClick);
    connect(m_setup, &QPushButton::clicked, this, &TPlaeneSeite::ZeitPlanSetupButClick);
    connect(m_statistik, &QPushButton::clicked, this, &TPlaeneSeite::StatBtnClick);
    connect(m_bearbeiten, &QPushButton::clicked, this, &TPlaeneSeite::ZeitplanBearbeiten);
    connect(m_plan, &QListWidget::itemActivated, this, &TPlaeneSeite::ZeitplanBearbeiten);
    connect(m_pcPlanwahl, &QTabWidget::currentChanged, this, &TPlaeneSeite::WahlBoxSelection);
    for (QListWidget* box : {m_wahlL, m_wahlE})
        connect(box, &QListWidget::currentRowChanged, this, &TPlaeneSeite::WahlBoxSelection);
    connect(m_druck, &TDruckPanel::drucken, this, &TPlaeneSeite::PrintSomePlans);
    connect(m_druck, &TDruckPanel::vorschau, this, &TPlaeneSeite::Druckvorschau);

    CheckZplPageVis();
}

void TPlaeneSeite::Aufbereiten(bool)
{
    PlanwahlBreite();
    CheckZplPageVis();
}

QPushButton* TPlaeneSeite::StandardKnopf() const
{
    return m_rechnen;
}

void TPlaeneSeite::resizeEvent(QResizeEvent* e)
{
    TSeite::resizeEvent(e);
    PlanwahlBreite();
}

void TPlaeneSeite::PlanwahlBreite()
{
    // Integer division truncates toward zero, as the rule wants it for narrow pages too.
    m_planwahl->setFixedWidth(std::max(0, (width() - LinkeSpalte) / 2 - 5));
}

void TPlaeneSeite::CheckZplPageVis()
{
    const bool gueltig = m_tag.PlaeneGueltig;
    m_setup->setVisible(gueltig);
    m_statistik->setVisible(gueltig);
    m_planPanel->setVisible(gueltig);
    m_aktionen->setVisible(gueltig);
    m_keinePlaene->setVisible(!gueltig);
    m_optimieren->setEnabled(gueltig);
    m_ausfall->setEnabled(gueltig);
    m_versand->setEnabled(gueltig);
}

void TPlaeneSeite::AktionHinzufuegen(QPushButton* knopf)
{
    knopf->setAutoDefault(false);
    m_weitere->insertWidget(m_weitere->count() - 1, knopf);
}

void TPlaeneSeite::MakeZeitPlanUebersicht()
{
    const QSignalBlocker l(m_wahlL);
    const QSignalBlocker e(m_wahlE);
    // After a computation the names are usually those already shown; refilling 20,000
    // rows would cost the click more than the placing of the day's appointments.
    const auto fuellen = [](QListWidget* box, QStringList& gezeigt, QStringList namen) {
        if (namen == gezeigt && box->count() == namen.size())
            return;
        box->clear();
        box->addItems(namen);
        gezeigt = std::move(namen);
    };
    fuellen(m_wahlE, m_wahlNamenE, m_tag.Eltern.Namen());
    fuellen(m_wahlL, m_wahlNamenL, m_tag.Lehrer.Namen());
    for (QListWidget* box : {m_wahlL, m_wahlE})
        if (box->count() > 0)
            box->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    WahlBoxSelection();
}

bool TPlaeneSeite::elternAktiv() const
{
    return m_pcPlanwahl->currentIndex() == 1;
}

QListWidget* TPlaeneSeite::aktiveWahl() const
{
    return elternAktiv() ? m_wahlE : m_wahlL;
}

void TPlaeneSeite::WahlBoxSelection()
{
    // The lists are copies from the last overview; names added or removed since then shift
    // the positions in the master lists, so the record is found by its name.
    m_plan->clear();
    const QListWidgetItem* item = aktiveWahl()->currentItem();
    const QString name = item ? item->text() : QString();
    m_wessen->setText(name);
    if (elternAktiv()) {
        if (const TEltern* e = m_tag.Eltern.Suche(name))
            m_plan->addItems(e->Zeitplan.Liste());
    } else if (const TLehrer* l = m_tag.Lehrer.Suche(name)) {
        m_plan->addItems(l->Zeitplan);
    }
    m_bearbeiten->setEnabled(elternAktiv() ? m_tag.Eltern.Enthaelt(name) : m_tag.Lehrer.Enthaelt(name));
}

void TPlaeneSeite::ZeitplanBearbeiten()
{
    const QListWidgetItem* item = aktiveWahl()->currentItem();
    if (!item || !m_fenster.editor)
        return;
    const QString name = item->text();
    if (elternAktiv()) {
        const TEltern* e = m_tag.Eltern.Suche(name);
        if (!e)
            return;
        if (const auto neu = m_fenster.editor->Bearbeiten(name, e->Zeitplan.Liste()))
            ElternplanSetzen(m_tag, name, *neu);
    } else {
        const TLehrer* l = m_tag.Lehrer.Suche(name);
        if (!l)
            return;
        if (const auto neu = m_fenster.editor->Bearbeiten(name, l->Zeitplan))
            LehrerplanSetzen(m_tag, name, *neu);
    }
    WahlBoxSelection();
}

void TPlaeneSeite::ZeitplanCalcButClick()
{
    const QString hindernis = BerechnungsHindernis(m_tag);
    if (!hindernis.isEmpty()) {
        Meldung::Info(this, hindernis);
        return;
    }
    if (!m_fenster.rechnen)
        return;
    m_fenster.rechnen->Starten(qobject_cast<TForm2*>(window()));
    // The statistics are counted on another thread, so that "Fertig!" and the overview
    // appear without waiting for them; saving and the statistics window wait if need be.
    QFuture<TPlanAuswertung> auswertung;
    BerechneZeitplaene(m_tag, *m_fenster.rechnen, {}, [&auswertung](TSprechtag& tag, TStatistikTexte texte) {
        auswertung = WerteImHintergrundAus(tag, std::move(texte));
    });
    CheckZplPageVis();
    MakeZeitPlanUebersicht();
    if (m_fenster.statistik)
        m_fenster.statistik->SetAuswertung(auswertung, std::nullopt);
}

void TPlaeneSeite::OptimierenClick()
{
    const QString hindernis = OptimierungsHindernis(m_tag);
    if (!hindernis.isEmpty()) {
        Meldung::Info(this, hindernis);
        return;
    }
    if (!m_fenster.optimieren)
        return;
    const TPlanKennzahlen vorher = BerechnePlanKennzahlen(m_tag);
    const TOptimierErgebnis e = m_fenster.optimieren->Ausfuehren(m_tag);
    if (e.Abgebrochen)
        return;
    CheckZplPageVis();
    WahlBoxSelection();
    kennzahlenAnStatistik(vorher);
}

void TPlaeneSeite::kennzahlenAnStatistik(const std::optional<TPlanKennzahlen>& vorher)
{
    if (!m_fenster.statistik)
        return;
    m_fenster.statistik->SetAuswertung(WerteImHintergrundAus(m_tag, std::nullopt), vorher);
}

void TPlaeneSeite::ZeitPlanSetupButClick()
{
    if (!m_fenster.einstellungen)
        return;
    const auto [plan, frei] = m_fenster.einstellungen->Bearbeiten(m_tag.Plan, m_tag.FreieTermineAnzeigen);
    PlanEinstellungenSetzen(m_tag, plan, frei);
}

void TPlaeneSeite::StatBtnClick()
{
    if (m_fenster.statistik)
        m_fenster.statistik->StatBtnClick();
}

void TPlaeneSeite::Geladen(bool mitPlaenen)
{
    if (!mitPlaenen)
        return;
    CheckZplPageVis();
    MakeZeitPlanUebersicht();
    kennzahlenAnStatistik(std::nullopt);
}

TDruckOptionen TPlaeneSeite::DruckOptionen() const
{
    TDruckOptionen o = m_druck->Optionen();
    o.AuswahlEltern = elternAktiv();
    const QListWidget* box = aktiveWahl();
    // Top to bottom, whatever order the names were selected in.
    for (int i = 0; i < box->count(); ++i)
        if (box->item(i)->isSelected())
            o.Auswahl << box->item(i)->text();
    return o;
}

void TPlaeneSeite::PrintSomePlans()
{
    if (!m_fenster.drucker || !m_fenster.drucker->Vorlagen().Ueberschrift(this, m_tag))
        return;
    QPrinter* drucker = m_fenster.drucker->Waehle(this);
    if (!drucker)
        return;
    const QString schule = m_fenster.einstellungen ? m_fenster.einstellungen->SchulName() : QString();
    const TPlanTexte texte = TPlanTexte::Aus(m_tag.Plan, schule);
    const TDruckOptionen optionen = DruckOptionen();
    druckeMitFortschritt(
        *drucker, QStringLiteral("Zeitplan"), QStringLiteral("Die Zeitpläne"),
        [&](const TDruckFortschritt& weiter) { return ::PrintSomePlans(*drucker, m_tag, optionen, texte, weiter); },
        [&](const QString& pdf, const TDruckFortschritt& weiter) {
            return PlaeneAlsPdf(pdf, m_tag, optionen, texte, weiter);
        });
}

void TPlaeneSeite::druckeMitFortschritt(
    QPrinter& drucker, const QString& was, const QString& ergebnis,
    const std::function<std::optional<QString>(const TDruckFortschritt&)>& aufDrucker,
    const std::function<std::optional<QString>(const QString& pdf, const TDruckFortschritt&)>& alsPdf)
{
    // "Print to file" goes the way of every file the program writes: complete or not at
    // all, and a cancelled job leaves an existing file as it was.
    const QString pdf = Druckziel::PdfDatei(drucker);
    std::optional<QString> fehler;
    bool abgebrochen = false;
    {
        TDruckFortschrittFenster fortschritt(window(), was);
        const TDruckFortschritt weiter = [&fortschritt](int fertig, int gesamt) {
            return fortschritt.Weiter(fertig, gesamt);
        };
        fehler = pdf.isEmpty() ? aufDrucker(weiter) : alsPdf(pdf, weiter);
        abgebrochen = fortschritt.Abgebrochen();
    }
    if (fehler)
        Meldung::Fehler(this, *fehler);
    else if (!abgebrochen && !pdf.isEmpty())
        Meldung::Info(this, Druckziel::PdfMeldung(ergebnis, pdf));
    else if (abgebrochen && pdf.isEmpty() && drucker.printerState() != QPrinter::Aborted)
        Meldung::Info(this, Druckziel::AbbruchMeldung());
}

void TPlaeneSeite::Druckvorschau()
{
    if (!m_fenster.drucker)
        return;
    const QString schule = m_fenster.einstellungen ? m_fenster.einstellungen->SchulName() : QString();
    const TDruckOptionen optionen = DruckOptionen();
    if (Vorschaudruck::Zeige(m_fenster.drucker->Drucker(), this, QStringLiteral("DruckVorschau"),
                             QStringLiteral("Druckvorschau"), [&](QPrinter& drucker) {
                                 return ::PrintSomePlans(drucker, m_tag, optionen, TPlanTexte::Aus(m_tag.Plan, schule));
                             }))
        PrintSomePlans();
}
