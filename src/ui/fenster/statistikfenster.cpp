#include "fenster/statistikfenster.h"

#include "berechnung/statistik_export.h"
#include "dateisystem/dateiendung.h"
#include "gemeinsam/meldungen.h"
#include "model/einstellungen.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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
    return {QString::number(k.Termine), QString::number(k.OhneTermin), QString::number(k.FamilienMitWartezeit),
            minuten(k.WarteMedian), minuten(k.WarteP90), minuten(k.WarteMax)};
}

} // namespace

TStatForm::TStatForm(const TStatistikTexte& texte, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_texte(texte)
{
    using F = TStatistikTexte;
    setObjectName(QStringLiteral("StatForm"));
    setWindowTitle(QStringLiteral("Statistik"));
    m_reiter = new QTabWidget(this);
    m_reiter->setObjectName(QStringLiteral("TabbedNotebook1"));

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
    m_liste = new QListWidget(m_reiter);
    m_liste->setObjectName(QStringLiteral("NichtErtBox"));
    m_liste->setAccessibleName(QStringLiteral("Nicht erfüllte Sprechwünsche"));
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
    const char* zeilen[][2] = {{"Erteilte Termine:", "LbKennTermine"},
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
        m_kennVorher << vorher;
        m_kennJetzt << jetzt;
        ++r;
    }
    auto* erklaerung = new QLabel(QStringLiteral("Wartezeit einer Familie: die Zeit zwischen dem Beginn ihres ersten "
                                                 "und dem Ende ihres letzten Termins, in der sie kein Gespräch hat."),
                                  warten);
    erklaerung->setWordWrap(true);
    raster->addWidget(erklaerung, r, 0, 1, 3);
    raster->setRowStretch(r + 1, 1);
    raster->setColumnStretch(0, 1);
    m_reiter->addTab(warten, QStringLiteral("Wartezeiten"));

    m_gruendeListe = new QListWidget(m_reiter);
    m_gruendeListe->setObjectName(QStringLiteral("GruendeBox"));
    m_gruendeListe->setAccessibleName(QStringLiteral("Gründe der nicht erfüllten Sprechwünsche"));
    m_reiter->addTab(m_gruendeListe, QStringLiteral("Gründe"));

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
    Auffrischen();
}

void TStatForm::Auffrischen()
{
    for (QLabel* wert : std::as_const(m_werte))
        wert->setText(m_texte.Texte.at(size_t(wert->property("feld").toInt())));
    m_liste->clear();
    m_liste->addItems(m_texte.NichtErtBox);

    const QStringList jetzt = Kennzahlen(m_jetzt);
    const QStringList vorher = m_vorher ? Kennzahlen(*m_vorher) : QStringList();
    for (qsizetype i = 0; i < m_kennJetzt.size(); ++i) {
        m_kennJetzt[i]->setText(jetzt.value(i));
        m_kennVorher[i]->setText(vorher.value(i));
        m_kennVorher[i]->setVisible(m_vorher.has_value());
    }
    m_kopfVorher->setVisible(m_vorher.has_value());
    m_kopfJetzt->setVisible(m_vorher.has_value());
    m_gruendeListe->clear();
    m_gruendeListe->addItems(m_gruende);
}

void TStatForm::SetKennzahlen(const TPlanKennzahlen& jetzt, const std::optional<TPlanKennzahlen>& vorher,
                              const QStringList& gruende)
{
    m_jetzt = jetzt;
    m_vorher = vorher;
    m_gruende = gruende;
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
    QStringList zeilen;
    for (int i = 0; i < m_liste->count(); ++i)
        zeilen << m_liste->item(i)->text();
    const QString fehler = SchreibeNichtErfuellte(pfad, zeilen);
    if (!fehler.isEmpty())
        Meldung::Fehler(this, fehler);
}
