#include "fenster/statistikfenster.h"

#include "berechnung/statistik_export.h"
#include "dateisystem/dateiendung.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/zeilenhoehe.h"
#include "model/sprechtag.h"
#include "optimierung/schranke.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

struct TZeile {
    const char* text; ///< nullptr: a heading follows in `wert`
    const char* wert;
    int feld;
};

/// One label pair per row: caption right-aligned, value left-aligned beside it.
QWidget* Tabelle(std::initializer_list<TZeile> zeilen, QList<QLabel*>& werte, QWidget* eltern)
{
    auto* seite = new QWidget(eltern);
    auto* raster = new QGridLayout(seite);
    int r = 0;
    for (const TZeile& z : zeilen) {
        if (!z.text) {
            auto* kopf = new QLabel(QString::fromUtf8(z.wert), seite);
            QFont f = kopf->font();
            f.setBold(true);
            kopf->setFont(f);
            raster->addWidget(kopf, r++, 0, 1, 2);
            continue;
        }
        auto* lb = new QLabel(QString::fromUtf8(z.text), seite);
        lb->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* wert = new QLabel(seite);
        wert->setObjectName(QString::fromUtf8(z.wert));
        wert->setProperty("feld", z.feld);
        wert->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        wert->setAccessibleName(lb->text());
        wert->setMinimumWidth(70);
        raster->addWidget(lb, r, 0);
        raster->addWidget(wert, r, 1);
        werte << wert;
        ++r;
    }
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(r, 1);
    raster->setHorizontalSpacing(10);
    return seite;
}

/// The figures of the tab "Wartezeiten", in the order of its rows.
QStringList Kennzahlen(const TPlanKennzahlen& k)
{
    auto minuten = [](int m) { return QString::number(m) + QStringLiteral(" min"); };
    auto von = [](int erteilt, int alle) { return QStringLiteral("%1 von %2").arg(erteilt).arg(alle); };
    return {von(k.EinladungenErteilt, k.Einladungen), von(k.VorrangErteilt, k.Vorrang), QString::number(k.Termine), QString::number(k.OhneTermin), QString::number(k.FamilienMitWartezeit),
            minuten(k.WarteMedian), minuten(k.WarteP90), minuten(k.WarteMax)};
}

/// A read-only list for tens of thousands of lines: a model view with rows of one height
/// fills in an instant where an item per line would not.
QListView* LangeListe(QStringListModel*& modell, const char* objektname, const QString& name, QWidget* eltern)
{
    auto* liste = new QListView(eltern);
    modell = new QStringListModel(liste);
    liste->setModel(modell);
    liste->setObjectName(QString::fromUtf8(objektname));
    liste->setAccessibleName(name);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setUniformItemSizes(true);
    ZeilenhoeheSichern(liste);
    return liste;
}

} // namespace

TStatForm::TStatForm(const TSprechtag& tag, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_tag(tag)
{
    using F = TStatistikTexte;
    setObjectName(QStringLiteral("StatForm"));
    setWindowTitle(QStringLiteral("Statistik"));
    m_reiter = new QTabWidget(this);
    m_reiter->setObjectName(QStringLiteral("TabbedNotebook1"));
    // Every tab title readable without scroll arrows: the window grows to the tabs' width.
    m_reiter->setUsesScrollButtons(false);
    m_reiter->setElideMode(Qt::ElideNone);

    m_reiter->addTab(Tabelle({{"Sprechwünsche insgesamt:", "LbWue", F::Wue},
                              {"davon nicht vom Lehrer abgelehnt:", "LbNichtAbg", F::NichtAbg},
                              {"Maximal erteilbare Termine:", "LbMaxErtbar", F::MaxErtbar},
                              {"Erteilte Termine:", "LbErteilt", F::Erteilt},
                              {"Abgelehnte Termine:", "LbAbgelehnt", F::Abgelehnt},
                              {"Aus Zeitmangel nicht zustandegekommen:", "LbZeitmangel", F::Zeitmangel},
                              {"Nicht erteilte Termine:", "LbNichtErteilt", F::NichtErteilt}},
                             m_werte, m_reiter),
                     QStringLiteral("Übersicht"));
    m_reiter->addTab(Tabelle({{nullptr, "Eltern (Durchschnitt)", 0},
                              {"Sprechwünsche pro Elter:", "LbWuePerElt", F::WuePerElt},
                              {"Erfüllte Sprechwünsche pro Elter:", "LbErfPerElt", F::ErfPerElt},
                              {"Erteilte Termine pro Elter:", "LbTermPerElt", F::TermPerElt},
                              {nullptr, "Lehrer (Durchschnitt)", 0},
                              {"Erteilte Termine pro Lehrer:", "LbTermPerLeh", F::TermPerLeh}},
                             m_werte, m_reiter),
                     QStringLiteral("Durchschnitt"));
    m_liste = LangeListe(m_listenModell, "NichtErtBox", QStringLiteral("Nicht erfüllte Sprechwünsche"), m_reiter);
    m_reiter->addTab(m_liste, QStringLiteral("Nicht erfüllte Sprechwünsche"));

    // Figures of the plans that the stored statistics do not hold, before and after an
    // optimisation side by side.
    auto* warten = new QWidget(m_reiter);
    auto* raster = new QGridLayout(warten);
    m_kopfVorher = new QLabel(QStringLiteral("vorher"), warten);
    m_kopfJetzt = new QLabel(QStringLiteral("nachher"), warten);
    for (QLabel* k : {m_kopfVorher, m_kopfJetzt}) {
        QFont f = k->font();
        f.setBold(true);
        k->setFont(f);
        k->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    raster->addWidget(m_kopfVorher, 0, 1);
    raster->addWidget(m_kopfJetzt, 0, 2);
    const char* zeilen[][2] = {{"Erteilte Einladungen:", "LbKennEinladungen"},
                               {"Erteilte Vorrang-Wünsche:", "LbKennVorrang"},
                               {"Erteilte Termine:", "LbKennTermine"},
                               {"Eltern mit Sprechwünschen, aber ohne Termin:", "LbOhneTermin"},
                               {"Familien mit mindestens zwei Terminen:", "LbFamilien"},
                               {"Wartezeit der Familien, Median:", "LbWarteMedian"},
                               {"Wartezeit der Familien, 90 %:", "LbWarteP90"},
                               {"Wartezeit der Familien, höchstens:", "LbWarteMax"}};
    int r = 1;
    for (const auto& z : zeilen) {
        auto* lb = new QLabel(QString::fromUtf8(z[0]), warten);
        lb->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* vorher = new QLabel(warten);
        vorher->setObjectName(QString::fromUtf8(z[1]) + QStringLiteral("Vorher"));
        vorher->setAccessibleName(lb->text() + QStringLiteral(" vorher"));
        auto* jetzt = new QLabel(warten);
        jetzt->setObjectName(QString::fromUtf8(z[1]));
        jetzt->setAccessibleName(lb->text());
        for (QLabel* w : {vorher, jetzt}) {
            w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            w->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            w->setMinimumWidth(60);
        }
        raster->addWidget(lb, r, 0);
        raster->addWidget(vorher, r, 1);
        raster->addWidget(jetzt, r, 2);
        if (r <= 2)
            m_stufenBeschriftung << lb;
        m_kennVorher << vorher;
        m_kennJetzt << jetzt;
        ++r;
    }
    m_schrankeLb = new QLabel(warten);
    m_schrankeLb->setObjectName(QStringLiteral("LbSchranke"));
    m_schrankeLb->setAccessibleName(QStringLiteral("Höchstens mögliche Termine"));
    m_schrankeLb->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    raster->addWidget(m_schrankeLb, r++, 0, 1, 3);
    auto* erklaerung = new QLabel(QStringLiteral("Wartezeit einer Familie: die Zeit zwischen dem Beginn ihres ersten "
                                                 "und dem Ende ihres letzten Termins, in der sie kein Gespräch hat."),
                                  warten);
    erklaerung->setWordWrap(true);
    raster->addWidget(erklaerung, r, 0, 1, 3);
    raster->setRowStretch(r + 1, 1);
    raster->setColumnStretch(0, 1);
    m_reiter->addTab(warten, QStringLiteral("Wartezeiten"));

    // Unmet invitations come first in the list; the counts above it say how many there are.
    auto* gruende = new QWidget(m_reiter);
    m_stufenText = new QLabel(gruende);
    m_stufenText->setObjectName(QStringLiteral("LbStufen"));
    m_stufenText->setTextFormat(Qt::PlainText);
    m_stufenText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_stufenText->setAccessibleName(QStringLiteral("Erteilte Einladungen und Vorrang-Wünsche"));
    m_stufenText->setContentsMargins(4, 4, 4, 2);
    m_gruendeListe = LangeListe(m_gruendeModell, "GruendeBox", QStringLiteral("Gründe der nicht erfüllten Sprechwünsche"),
                                gruende);
    auto* gruendeLayout = new QVBoxLayout(gruende);
    gruendeLayout->setContentsMargins(0, 0, 0, 0);
    gruendeLayout->addWidget(m_stufenText);
    gruendeLayout->addWidget(m_gruendeListe, 1);
    m_reiter->addTab(gruende, QStringLiteral("Gründe"));

    auto* notiz = new QLabel(QStringLiteral("Statistik wird bei der Zeitplan-\nberechnung ermittelt."), this);
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    m_export = new QPushButton(QStringLiteral("&Liste exportieren"), this);
    m_export->setObjectName(QStringLiteral("ActBtn"));
    m_export->setAccessibleName(QStringLiteral("Liste exportieren"));
    m_export->setAutoDefault(false);
    m_export->setVisible(false);
    auto* unten = new QHBoxLayout;
    unten->addWidget(notiz);
    unten->addStretch();
    unten->addWidget(m_export);
    unten->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_reiter, 1);
    layout->addLayout(unten);
    resize(560, 360);

    m_wahl = [](QWidget* eltern) {
        QFileDialog dlg(eltern, QStringLiteral("Liste exportieren"), QString(), QStringLiteral("Text-Dateien (*.txt)"));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QStringLiteral("txt"));
        return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first() : QString();
    };

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_reiter, &QTabWidget::currentChanged, this, &TStatForm::TabbedNotebook1Change);
    connect(m_export, &QPushButton::clicked, this, &TStatForm::ActBtnClick);
    connect(&m_waechter, &QFutureWatcherBase::finished, this, [this] {
        if (!m_ausstehend)
            return;
        zeigeGezaehlt(true);
        if (isVisible())
            Auffrischen();
    });
    Auffrischen();
}

void TStatForm::zeigeGezaehlt(bool gezaehlt)
{
    m_reiter->setEnabled(gezaehlt);
    m_export->setEnabled(gezaehlt);
}

void TStatForm::auswertungAbholen()
{
    if (!m_ausstehend)
        return;
    QFuture<TPlanAuswertung> f = std::move(*m_ausstehend);
    m_ausstehend.reset();
    m_waechter.setFuture(QFuture<TPlanAuswertung>());
    zeigeGezaehlt(true);
    f.waitForFinished();
    if (f.resultCount() > 0) {
        const TPlanAuswertung a = f.result();
        m_jetzt = a.Kennzahlen;
        m_gruende = a.Gruende;
        m_schranke = a.Schranke >= 0 ? SchrankenText(a.Kennzahlen.Termine, a.Schranke) : QString();
    }
}

void TStatForm::Auffrischen()
{
    auswertungAbholen();
    const TStatistikTexte& texte = m_tag.Statistik();
    for (QLabel* wert : std::as_const(m_werte))
        wert->setText(texte.Texte.at(size_t(wert->property("feld").toInt())));
    m_listenModell->setStringList(texte.NichtErtBox);

    const QStringList jetzt = Kennzahlen(m_jetzt);
    const QStringList vorher = m_vorher ? Kennzahlen(*m_vorher) : QStringList();
    // A day without marks shows the rows it always showed.
    const bool stufen = m_jetzt.Einladungen > 0 || m_jetzt.Vorrang > 0;
    for (qsizetype i = 0; i < m_kennJetzt.size(); ++i) {
        const bool zeile = i >= m_stufenBeschriftung.size() || stufen;
        m_kennJetzt[i]->setText(jetzt.value(i));
        m_kennJetzt[i]->setVisible(zeile);
        m_kennVorher[i]->setText(vorher.value(i));
        m_kennVorher[i]->setVisible(zeile && m_vorher.has_value());
    }
    for (QLabel* lb : std::as_const(m_stufenBeschriftung))
        lb->setVisible(stufen);
    QStringList stufenTexte;
    for (const QString& t : {EinladungenText(m_jetzt), VorrangText(m_jetzt)})
        if (!t.isEmpty())
            stufenTexte << t;
    m_stufenText->setText(stufenTexte.join(QLatin1Char('\n')));
    m_stufenText->setVisible(!stufenTexte.isEmpty());
    m_kopfVorher->setVisible(m_vorher.has_value());
    m_kopfJetzt->setVisible(m_vorher.has_value());
    m_gruendeModell->setStringList(m_gruende);
    m_schrankeLb->setText(m_schranke);
}

void TStatForm::SetKennzahlen(const TPlanKennzahlen& jetzt, const std::optional<TPlanKennzahlen>& vorher,
                              const QStringList& gruende)
{
    if (m_ausstehend)
        m_ausstehend->cancel();
    m_ausstehend.reset();
    m_waechter.setFuture(QFuture<TPlanAuswertung>());
    zeigeGezaehlt(true);
    m_jetzt = jetzt;
    m_vorher = vorher;
    m_gruende = gruende;
    m_schranke.clear();
    if (isVisible())
        Auffrischen();
}

void TStatForm::SetAuswertung(QFuture<TPlanAuswertung> auswertung, const std::optional<TPlanKennzahlen>& vorher)
{
    if (m_ausstehend)
        m_ausstehend->cancel();
    m_ausstehend = auswertung;
    m_vorher = vorher;
    // An open window must not show the previous run's figures as if they were these.
    if (isVisible())
        zeigeGezaehlt(false);
    m_waechter.setFuture(auswertung);
}

void TStatForm::StatBtnClick()
{
    Auffrischen();
    show();
    raise();
    activateWindow();
}

void TStatForm::TabbedNotebook1Change(int reiter)
{
    m_export->setVisible(reiter == 2);
}

void TStatForm::ActBtnClick()
{
    const QString pfad = Dateisystem::MitEndung(m_wahl(this), QStringLiteral("txt"));
    if (pfad.isEmpty())
        return;
    const QString fehler = SchreibeNichtErfuellte(pfad, m_listenModell->stringList());
    if (!fehler.isEmpty())
        Meldung::Fehler(this, fehler);
}
