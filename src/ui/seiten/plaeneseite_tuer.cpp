// The door sheets on the "Zeitpläne" page: a button with a menu in the row of further
// actions; printing goes through the print dialog the plans use.
#include "seiten/plaeneseite.h"

#include "dialoge/druckerwahl.h"
#include "dialoge/planeinstellungen.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/vorschaudruck.h"
#include "model/sprechtag.h"
#include "tuerdrucker.h"

#include <QDateTime>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>

void TPlaeneSeite::bauTuerlisten()
{
    m_tuerlisten = new QPushButton(QStringLiteral("Tür&listen"), m_aktionen);
    m_tuerlisten->setObjectName(QStringLiteral("TuerlistenBtn"));
    m_tuerlisten->setAccessibleName(QStringLiteral("Türlisten"));
    m_tuerlisten->setToolTip(QStringLiteral("Eine Seite je Lehrkraft für die Tür: jeder Termin, freie Zeiten, "
                                            "Pausen und Platz für Notizen"));
    m_tuerlisten->setAccessibleDescription(m_tuerlisten->toolTip());
    auto* menue = new QMenu(m_tuerlisten);
    menue->setObjectName(QStringLiteral("TuerlistenMenue"));
    auto* alleDrucken = menue->addAction(QStringLiteral("&Alle Lehrer drucken …"));
    alleDrucken->setObjectName(QStringLiteral("TuerlistenAlleDrucken"));
    auto* alleVorschau = menue->addAction(QStringLiteral("Alle Lehrer in der &Vorschau …"));
    alleVorschau->setObjectName(QStringLiteral("TuerlistenAlleVorschau"));
    menue->addSeparator();
    auto* wahlDrucken = menue->addAction(QString());
    wahlDrucken->setObjectName(QStringLiteral("TuerlistenAuswahlDrucken"));
    auto* wahlVorschau = menue->addAction(QString());
    wahlVorschau->setObjectName(QStringLiteral("TuerlistenAuswahlVorschau"));
    // The selection may change between two openings of the menu.
    connect(menue, &QMenu::aboutToShow, this, [this, wahlDrucken, wahlVorschau] {
        const qsizetype n = TuerlistenLehrer(true).size();
        wahlDrucken->setText(QStringLiteral("A&usgewählte Lehrer drucken (%1) …").arg(n));
        wahlVorschau->setText(QStringLiteral("Ausgewählte Lehrer in der V&orschau (%1) …").arg(n));
        wahlDrucken->setEnabled(n > 0);
        wahlVorschau->setEnabled(n > 0);
    });
    connect(alleDrucken, &QAction::triggered, this, [this] { TuerlistenDrucken(false); });
    connect(alleVorschau, &QAction::triggered, this, [this] { TuerlistenVorschau(false); });
    connect(wahlDrucken, &QAction::triggered, this, [this] { TuerlistenDrucken(true); });
    connect(wahlVorschau, &QAction::triggered, this, [this] { TuerlistenVorschau(true); });
    m_tuerlisten->setMenu(menue);
    AktionHinzufuegen(m_tuerlisten);
}

QString TPlaeneSeite::schulName() const
{
    return m_fenster.einstellungen ? m_fenster.einstellungen->SchulName() : QString();
}

QStringList TPlaeneSeite::TuerlistenLehrer(bool nurAusgewaehlte) const
{
    if (!nurAusgewaehlte)
        return m_tag.Lehrer.Namen();
    // The teachers' list counts whichever tab is showing: door sheets are teachers' only.
    QStringList namen;
    for (int i = 0; i < m_wahlL->count(); ++i)
        if (m_wahlL->item(i)->isSelected() && m_tag.Lehrer.Enthaelt(m_wahlL->item(i)->text()))
            namen << m_wahlL->item(i)->text();
    return namen;
}

void TPlaeneSeite::TuerlistenDrucken(bool nurAusgewaehlte)
{
    if (!m_fenster.drucker || !m_tag.PlaeneGueltig)
        return;
    const QStringList lehrer = TuerlistenLehrer(nurAusgewaehlte);
    if (lehrer.isEmpty()) {
        Meldung::Info(this, QStringLiteral("Bitte wählen Sie in der Liste „Lehrer“ mindestens eine Lehrkraft aus."));
        return;
    }
    if (!m_fenster.drucker->Vorlagen().Ueberschrift(this, m_tag))
        return;
    QPrinter* drucker = m_fenster.drucker->Waehle(this);
    if (!drucker)
        return;
    const TTuerTexte texte = TTuerTexte::Aus(m_tag.Plan, schulName(), QDateTime::currentDateTime());
    druckeMitFortschritt(
        *drucker, QStringLiteral("Seite"), QStringLiteral("Die Türlisten"),
        [&](const TDruckFortschritt& weiter) { return ::TuerlistenDrucken(*drucker, m_tag, lehrer, texte, weiter); },
        [&](const QString& pdf, const TDruckFortschritt& weiter) {
            return TuerlistenAlsPdf(pdf, m_tag, lehrer, texte, weiter);
        });
}

void TPlaeneSeite::TuerlistenVorschau(bool nurAusgewaehlte)
{
    if (!m_fenster.drucker || !m_tag.PlaeneGueltig)
        return;
    const QStringList lehrer = TuerlistenLehrer(nurAusgewaehlte);
    if (lehrer.isEmpty()) {
        Meldung::Info(this, QStringLiteral("Bitte wählen Sie in der Liste „Lehrer“ mindestens eine Lehrkraft aus."));
        return;
    }
    const TTuerTexte texte = TTuerTexte::Aus(m_tag.Plan, schulName(), QDateTime::currentDateTime());
    if (Vorschaudruck::Zeige(m_fenster.drucker->Drucker(), this, QStringLiteral("TuerlistenVorschau"),
                             QStringLiteral("Türlisten – Vorschau"),
                             [&](QPrinter& drucker) { return ::TuerlistenDrucken(drucker, m_tag, lehrer, texte); }))
        TuerlistenDrucken(nurAusgewaehlte);
}
