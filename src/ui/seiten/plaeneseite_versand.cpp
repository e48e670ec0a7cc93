// Plans by mail on the "Zeitpläne" page: a button in the row of further actions that
// opens the send dialog with the names chosen in the page's two lists.
#include "seiten/plaeneseite.h"

#include "dialoge/versanddialog.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"

#include <QListWidget>
#include <QPushButton>

void TPlaeneSeite::bauVersand()
{
    m_versand = new QPushButton(QStringLiteral("Plä&ne versenden …"), m_aktionen);
    m_versand->setObjectName(QStringLiteral("VersandBtn"));
    m_versand->setAccessibleName(QStringLiteral("Pläne versenden"));
    m_versand->setToolTip(QStringLiteral("Jeder Familie ihren Plan mit Kalenderdatei und jeder Lehrkraft ihre Gespräche per "
                                         "E-Mail über den Mailserver der Schule senden"));
    m_versand->setAccessibleDescription(m_versand->toolTip());
    connect(m_versand, &QPushButton::clicked, this, &TPlaeneSeite::PlaeneVersenden);
    AktionHinzufuegen(m_versand);
}

void TPlaeneSeite::SetVersand(TVersandDialog* dialog, std::function<TVersandKontext()> kontext)
{
    m_versandDialog = dialog;
    m_versandKontext = std::move(kontext);
}

void TPlaeneSeite::PlaeneVersenden()
{
    // The row is hidden without plans; this guards a call from elsewhere.
    if (!m_tag.PlaeneGueltig) {
        Meldung::Fehler(this, QStringLiteral("Es liegen keine gültigen Zeitpläne vor. Bitte berechnen Sie zuerst die "
                                             "Zeitpläne."));
        return;
    }
    if (!m_versandDialog || !m_versandKontext)
        return;
    TVersandKontext k = m_versandKontext();
    k.Tag = &m_tag;
    for (const QListWidgetItem* i : m_wahlE->selectedItems())
        if (m_tag.Eltern.Enthaelt(i->text()))
            k.GewaehlteEltern << i->text();
    for (const QListWidgetItem* i : m_wahlL->selectedItems())
        if (m_tag.Lehrer.Enthaelt(i->text()))
            k.GewaehlteLehrer << i->text();
    if (k.SchulName.isEmpty())
        k.SchulName = schulName();
    m_versandDialog->Ausfuehren(k);
}
