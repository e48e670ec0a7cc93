// The appointment export on the "Zeitpläne" page: a button in the row of further actions
// that opens the export dialog.
#include "seiten/plaeneseite.h"

#include "dialoge/terminexport.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"

#include <QPushButton>

void TPlaeneSeite::bauTermine()
{
    m_termine = new QPushButton(QStringLiteral("&Termine exportieren …"), m_aktionen);
    m_termine->setObjectName(QStringLiteral("TermineExportBtn"));
    m_termine->setAccessibleName(QStringLiteral("Termine exportieren"));
    m_termine->setToolTip(QStringLiteral("Liste aller Termine für Tabellenprogramme und eine Kalenderdatei je Familie"));
    m_termine->setAccessibleDescription(m_termine->toolTip());
    connect(m_termine, &QPushButton::clicked, this, &TPlaeneSeite::TermineExportieren);
    AktionHinzufuegen(m_termine);
}

void TPlaeneSeite::TermineExportieren()
{
    // The row is hidden without plans; this guards a call from elsewhere.
    if (!m_tag.PlaeneGueltig) {
        Meldung::Fehler(this, QStringLiteral("Es liegen keine gültigen Zeitpläne vor. Bitte berechnen Sie zuerst die "
                                             "Zeitpläne."));
        return;
    }
    if (m_termineDialog)
        m_termineDialog->Exportieren(m_tag);
}
