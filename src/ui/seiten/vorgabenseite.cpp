#include "seiten/vorgabenseite.h"

#include "bearbeiten/direkte_aenderungen.h"
#include "bearbeiten/vorrang.h"
#include "dialoge/pausendialog.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"
#include "raster/keine_termine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* Auswahl(const QString& name, const QString& zugang, QWidget* eltern)
{
    auto* cb = new QComboBox(eltern);
    cb->setObjectName(name);
    cb->setAccessibleName(zugang);
    cb->setEditable(false);
    return cb;
}

void Fuelle(QComboBox* cb, int von, int bis, int schritt)
{
    for (int i = von; i <= bis; i += schritt)
        cb->addItem(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
}

} // namespace

TVorgabenSeite::TVorgabenSeite(TSprechtag& tag, TPausenForm* pausenDialog, QWidget* eltern)
    : TSeite(tag, false, eltern)
    , m_pausenDialog(pausenDialog)
{
    setObjectName(QStringLiteral("TsVorgaben"));
    auto* inhalt = new QWidget(this);

    m_startStd = Auswahl(QStringLiteral("SprechStartStd"), QStringLiteral("Beginn Stunde"), inhalt);
    m_startMin = Auswahl(QStringLiteral("SprechStartMin"), QStringLiteral("Beginn Minute"), inhalt);
    m_endeStd = Auswahl(QStringLiteral("SprechEndeStd"), QStringLiteral("Ende Stunde"), inhalt);
    m_endeMin = Auswahl(QStringLiteral("SprechEndeMin"), QStringLiteral("Ende Minute"), inhalt);
    Fuelle(m_startStd, 6, 23, 1);
    Fuelle(m_endeStd, 6, 23, 1);
    Fuelle(m_startMin, 0, 55, 5);
    Fuelle(m_endeMin, 0, 55, 5);
    m_takt = Auswahl(QStringLiteral("SprechTaktCb"), QStringLiteral("Sprechtakt in Minuten"), inhalt);
    for (int i = 1; i <= 45; ++i)
        m_takt->addItem(QString::number(i));

    // Sprechzeiten
    auto* zeiten = new QGroupBox(QStringLiteral("Sprechzeiten"), inhalt);
    auto* zeitRaster = new QGridLayout(zeiten);
    auto* beginnLb = new QLabel(QStringLiteral("&Beginn"), zeiten);
    beginnLb->setBuddy(m_startStd);
    auto* endeLb = new QLabel(QStringLiteral("&Ende"), zeiten);
    endeLb->setBuddy(m_endeStd);
    zeitRaster->addWidget(beginnLb, 0, 0);
    zeitRaster->addWidget(m_startStd, 0, 1);
    zeitRaster->addWidget(new QLabel(QStringLiteral(":"), zeiten), 0, 2);
    zeitRaster->addWidget(m_startMin, 0, 3);
    zeitRaster->addWidget(new QLabel(QStringLiteral("Uhr"), zeiten), 0, 4);
    zeitRaster->addWidget(endeLb, 1, 0);
    zeitRaster->addWidget(m_endeStd, 1, 1);
    zeitRaster->addWidget(new QLabel(QStringLiteral(":"), zeiten), 1, 2);
    zeitRaster->addWidget(m_endeMin, 1, 3);
    zeitRaster->addWidget(new QLabel(QStringLiteral("Uhr"), zeiten), 1, 4);
    zeitRaster->addWidget(Erklaerung(QStringLiteral("Hier legen Sie die Rahmenzeiten des Sprechtags fest. Einzelnen Lehrern können Sie "
                                                    "später immer noch individuell abweichende Zeiten zuweisen."),
                                     zeiten),
                          0, 5, 2, 1);
    m_keineTermine = new QLabel(zeiten);
    m_keineTermine->setObjectName(QStringLiteral("KeineTermineLb"));
    m_keineTermine->setWordWrap(true);
    m_keineTermine->setTextFormat(Qt::PlainText);
    Warnfarbe(m_keineTermine);
    m_keineTermine->setVisible(false);
    zeitRaster->addWidget(m_keineTermine, 2, 0, 1, 6);
    zeitRaster->setColumnStretch(5, 1);
    zeitRaster->setColumnMinimumWidth(5, 120);

    // Sprechtakt
    auto* taktBox = new QGroupBox(QStringLiteral("Sprechtakt"), inhalt);
    auto* taktLayout = new QGridLayout(taktBox);
    auto* taktLb = new QLabel(QStringLiteral("&Minuten pro Termin"), taktBox);
    taktLb->setBuddy(m_takt);
    taktLayout->addWidget(m_takt, 0, 0);
    taktLayout->addWidget(taktLb, 0, 1);
    taktLayout->addWidget(Erklaerung(QStringLiteral("Der Sprechtakt gibt an, wie viel Zeit für ein Gespräch zwischen Lehrern und Eltern "
                                                    "vorgesehen ist."),
                                     taktBox),
                          1, 0, 1, 2);
    taktLayout->setColumnStretch(1, 1);

    // Pausen für Raumwechsel
    auto* raumBox = new QGroupBox(QStringLiteral("Pausen für Raumwechsel"), inhalt);
    auto* raumLayout = new QVBoxLayout(raumBox);
    m_raumwechsel = new QCheckBox(QStringLiteral("Pau&sen einplanen"), raumBox);
    m_raumwechsel->setObjectName(QStringLiteral("CbRaumwechselPause"));
    raumLayout->addWidget(m_raumwechsel);
    auto* raumText = Erklaerung(QStringLiteral("Bewirkt, dass die Eltern mindestens einen Takt Pause zwischen zwei Terminen bekommen. "
                                               "Andernfalls folgen die Termine direkt aufeinander. Diese Einstellung bezieht sich nicht "
                                               "auf die Pläne der Lehrer."),
                                raumBox);
    raumLayout->addWidget(raumText);
    m_raumwechsel->setAccessibleDescription(raumText->text());

    // Geschwister
    auto* geschwisterBox = new QGroupBox(QStringLiteral("Geschwister"), inhalt);
    auto* geschwisterLayout = new QVBoxLayout(geschwisterBox);
    m_gemeinsam = new QCheckBox(QStringLiteral("&Geschwister bei derselben Lehrkraft: ein gemeinsames Gespräch"), geschwisterBox);
    m_gemeinsam->setObjectName(QStringLiteral("CbGemeinsameGespraeche"));
    geschwisterLayout->addWidget(m_gemeinsam);
    auto* geschwisterText = Erklaerung(QStringLiteral("Geschwister, die dieselbe Lehrkraft sprechen möchten, bekommen einen Termin "
                                                      "für beide Kinder statt zweier Termine."),
                                       geschwisterBox);
    geschwisterLayout->addWidget(geschwisterText);
    m_gemeinsam->setAccessibleDescription(geschwisterText->text());

    // Pausen für alle
    auto* pausenBox = new QGroupBox(QStringLiteral("Pausen für alle"), inhalt);
    auto* pausenLayout = new QGridLayout(pausenBox);
    pausenLayout->addWidget(Erklaerung(QStringLiteral("Hier können Sie globale Pausen für alle Lehrer und Eltern einplanen."), pausenBox), 0, 0, 1, 2);
    m_pausen = new QListWidget(pausenBox);
    m_pausen->setObjectName(QStringLiteral("PausenBox"));
    m_pausen->setAccessibleName(QStringLiteral("Pausenliste"));
    m_pausen->setToolTip(QStringLiteral("Diese Pausen gelten für alle Lehrer und Eltern"));
    m_pausen->setAccessibleDescription(m_pausen->toolTip());
    m_pausen->setMinimumHeight(80);
    m_plus = new QPushButton(QStringLiteral("&Neu"), pausenBox);
    m_plus->setObjectName(QStringLiteral("PausePlus"));
    m_plus->setToolTip(QStringLiteral("Eine neue Pause hinzufügen"));
    m_minus = new QPushButton(QStringLiteral("A&uswahl löschen"), pausenBox);
    m_minus->setObjectName(QStringLiteral("PauseMinus"));
    m_minus->setToolTip(QStringLiteral("Die ausgewählte Pause löschen"));
    for (QPushButton* k : {m_plus, m_minus}) {
        k->setAccessibleDescription(k->toolTip());
        k->setAutoDefault(false);
    }
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_plus);
    knoepfe->addWidget(m_minus);
    knoepfe->addStretch();
    pausenLayout->addWidget(m_pausen, 1, 0, 1, 2);
    pausenLayout->addLayout(knoepfe, 2, 0, 1, 2);

    auto* links = new QVBoxLayout;
    links->addWidget(zeiten);
    links->addWidget(taktBox);
    links->addWidget(raumBox);
    links->addWidget(geschwisterBox);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(pausenBox, 1);
    auto* spalten = new QHBoxLayout;
    spalten->addLayout(links, 3);
    spalten->addLayout(rechts, 2);

    auto* layout = new QVBoxLayout(inhalt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Erklaerung(QStringLiteral("In diesem Dialog geben Sie den zeitlichen Rahmen vor, in dem die Gespräche zwischen "
                                                "Lehrern und Eltern stattfinden. Abweichende Zeiten für einzelne Personen sind später "
                                                "immer noch möglich."),
                                 inhalt));
    layout->addLayout(spalten, 1);
    SetInhalt(inhalt);

    setTabOrder(m_startStd, m_startMin);
    setTabOrder(m_startMin, m_endeStd);
    setTabOrder(m_endeStd, m_endeMin);
    setTabOrder(m_endeMin, m_takt);
    setTabOrder(m_takt, m_raumwechsel);
    setTabOrder(m_raumwechsel, m_gemeinsam);
    setTabOrder(m_gemeinsam, m_pausen);

    for (QComboBox* cb : {m_startStd, m_startMin})
        connect(cb, &QComboBox::currentIndexChanged, this, [this] { SprechStartEditExit(); });
    for (QComboBox* cb : {m_endeStd, m_endeMin})
        connect(cb, &QComboBox::currentIndexChanged, this, [this] { SprechEndeEditExit(); });
    connect(m_takt, &QComboBox::currentIndexChanged, this, [this] { SprechTaktEditExit(); });
    connect(m_raumwechsel, &QCheckBox::toggled, this, [this](bool an) {
        if (!m_aufbereiten)
            m_tag.SetRaumwechselPause(an);
    });
    connect(m_gemeinsam, &QCheckBox::toggled, this, [this](bool an) {
        if (!m_aufbereiten)
            GemeinsameGespraecheSetzen(m_tag, an);
    });
    connect(m_plus, &QPushButton::clicked, this, &TVorgabenSeite::PausePlusClick);
    connect(m_minus, &QPushButton::clicked, this, &TVorgabenSeite::PauseMinusClick);
    connect(m_pausen, &QListWidget::itemActivated, this, [this] { PausenBoxClick(); });
}

void TVorgabenSeite::Aufbereiten(bool)
{
    VorgabenAufbereiten();
    MakePausenList();
}

void TVorgabenSeite::VorgabenAufbereiten()
{
    m_aufbereiten = true;
    const TVorgaben& v = m_tag.Vorgaben;
    const Zeit::Uhrzeit s = Zeit::Zerlege(v.SprechStart);
    const Zeit::Uhrzeit e = Zeit::Zerlege(v.SprechEnde);
    m_startStd->setCurrentIndex(s.stunden - 6);
    m_startMin->setCurrentIndex(s.minuten / 5);
    m_endeStd->setCurrentIndex(e.stunden - 6);
    m_endeMin->setCurrentIndex(e.minuten / 5);
    m_takt->setCurrentIndex(int(v.SprechTakt) - 1);
    m_raumwechsel->setChecked(v.RaumwechselPause);
    m_gemeinsam->setChecked(m_tag.GemeinsameGespraeche);
    const QString hinweis = Raster::KeineTermineHinweis(m_tag);
    m_keineTermine->setText(hinweis);
    m_keineTermine->setVisible(!hinweis.isEmpty());
    m_aufbereiten = false;
}

void TVorgabenSeite::SprechStartEditExit()
{
    if (m_aufbereiten || m_startStd->currentIndex() < 0 || m_startMin->currentIndex() < 0)
        return;
    m_tag.SetSprechStart(Zeit::Kodiere(m_startStd->currentIndex() + 6, m_startMin->currentIndex() * 5));
    VorgabenAufbereiten();
}

void TVorgabenSeite::SprechEndeEditExit()
{
    if (m_aufbereiten || m_endeStd->currentIndex() < 0 || m_endeMin->currentIndex() < 0)
        return;
    m_tag.SetSprechEnde(Zeit::Kodiere(m_endeStd->currentIndex() + 6, m_endeMin->currentIndex() * 5));
    VorgabenAufbereiten();
}

void TVorgabenSeite::SprechTaktEditExit()
{
    if (m_aufbereiten || m_takt->currentIndex() < 0)
        return;
    if (!m_tag.SetSprechTakt(m_takt->currentIndex() + 1)) {
        Meldung::Fehler(this, QStringLiteral("Der Sprechtakt kann nicht größer als 45 Minuten sein!"));
        m_takt->setFocus();
    }
    VorgabenAufbereiten();
}

void TVorgabenSeite::MakePausenList()
{
    m_pausen->clear();
    for (int i = 0; i < int(m_tag.Pausen.size()); ++i) {
        const TPause& p = *m_tag.Pausen[size_t(i)];
        auto* item = new QListWidgetItem(Zeit::Anzeige(p.Start()) + QStringLiteral(" Uhr - ") + Zeit::Anzeige(p.Start() + p.Dauer())
                                         + QStringLiteral(" Uhr "));
        item->setData(Qt::UserRole, i);
        m_pausen->addItem(item);
    }
    // Sorted as text, i.e. by start time; the break's position travels with the item.
    m_pausen->sortItems();
}

int TVorgabenSeite::gewaehltePause() const
{
    const QListWidgetItem* item = m_pausen->currentItem();
    if (!item || !item->isSelected())
        return -1;
    return item->data(Qt::UserRole).toInt();
}

void TVorgabenSeite::PausePlusClick()
{
    if (int(m_tag.Pausen.size()) >= TSprechtag::MaxPausen) {
        Meldung::Info(this, QStringLiteral("Es sind maximal zehn Pausen möglich."));
        return;
    }
    // The new break joins the day only when the dialog is confirmed, so that a cancelled
    // one leaves no trace (not even an unsaved change).
    auto neu = std::make_unique<TPause>(m_tag.Vorgaben);
    if (const auto eingabe = m_pausenDialog->Bearbeiten(*neu)) {
        PauseSetzen(m_tag, *neu, eingabe->Start, eingabe->Dauer);
        m_tag.PauseAnhaengen(std::move(neu));
    }
    MakePausenList();
}

void TVorgabenSeite::PausenBoxClick()
{
    const int i = gewaehltePause();
    if (i < 0 || i >= int(m_tag.Pausen.size()))
        return;
    TPause& pause = *m_tag.Pausen[size_t(i)];
    if (const auto eingabe = m_pausenDialog->Bearbeiten(pause))
        PauseSetzen(m_tag, pause, eingabe->Start, eingabe->Dauer);
    MakePausenList();
}

void TVorgabenSeite::PauseMinusClick()
{
    const int i = gewaehltePause();
    if (i < 0)
        return;
    m_tag.PauseEntfernen(i);
    MakePausenList();
}
