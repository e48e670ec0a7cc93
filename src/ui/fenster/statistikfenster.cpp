#include "fenster/statistikfenster.h"

#include "berechnung/statistik_export.h"
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
    resize(500, 360);

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
    const QString pfad = m_wahl(this);
    if (pfad.isEmpty())
        return;
    QStringList zeilen;
    for (int i = 0; i < m_liste->count(); ++i)
        zeilen << m_liste->item(i)->text();
    const QString fehler = SchreibeNichtErfuellte(pfad, zeilen);
    if (!fehler.isEmpty())
        Meldung::Fehler(this, fehler);
}
