// "Aus&fall …" on the "Zeitpläne" page: the dialog plans and shows; the page refreshes
// what the applied result changed.
#include "seiten/plaeneseite.h"

#include "dialoge/ausfalldialog.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"
#include "optimierung/kennzahlen.h"

#include <QListWidget>
#include <QPushButton>

void TPlaeneSeite::bauAusfall()
{
    m_ausfall = new QPushButton(QStringLiteral("Aus&fall …"), m_aktionen);
    m_ausfall->setObjectName(QStringLiteral("AusfallBtn"));
    m_ausfall->setAccessibleName(QStringLiteral("Ausfall einer Lehrkraft"));
    m_ausfall->setToolTip(QStringLiteral("Eine Lehrkraft fällt aus oder ist nur einen Teil der Zeit da: Termine neu "
                                         "setzen und die betroffenen Familien auflisten"));
    m_ausfall->setAccessibleDescription(m_ausfall->toolTip());
    connect(m_ausfall, &QPushButton::clicked, this, &TPlaeneSeite::AusfallClick);
    AktionHinzufuegen(m_ausfall);
}

void TPlaeneSeite::AusfallClick()
{
    if (!m_tag.PlaeneGueltig) {
        Meldung::Info(this, QStringLiteral("Es liegen keine gültigen Zeitpläne vor. Bitte berechnen Sie zuerst die Zeitpläne."));
        return;
    }
    if (!m_fenster.ausfall)
        return;
    // The teacher chosen on the page is the likeliest one.
    const QListWidgetItem* gewaehlt = m_wahlL->currentItem();
    if (!m_fenster.ausfall->Ausfuehren(m_tag, gewaehlt ? gewaehlt->text() : QString()))
        return;
    CheckZplPageVis();
    WahlBoxSelection();
    kennzahlenAnStatistik(std::nullopt);
}
