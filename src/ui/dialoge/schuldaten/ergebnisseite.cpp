#include "dialoge/schuldaten/ergebnisseite.h"

#include "model/sprechtag.h"
#include "plattform/shell.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Schuldaten;

TSchuldatenErgebnis::TSchuldatenErgebnis(TSchuldatenStand& stand, const TSprechtag& tag, QWidget* eltern)
    : QWizardPage(eltern)
    , m_stand(stand)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("SchuldatenErgebnisSeite"));
    setTitle(QStringLiteral("Ergebnis prüfen"));
    setSubTitle(QStringLiteral("Noch ist nichts geändert. „Übernehmen“ fügt alles in einem Schritt hinzu, "
                               "„Abbrechen“ lässt den Sprechtag unverändert."));

    m_zusammenfassung = new QLabel(this);
    m_zusammenfassung->setObjectName(QStringLiteral("SchuldatenZusammenfassung"));
    m_zusammenfassung->setTextFormat(Qt::PlainText);
    m_zusammenfassung->setWordWrap(true);

    m_bericht = new QPlainTextEdit(this);
    m_bericht->setObjectName(QStringLiteral("SchuldatenBericht"));
    m_bericht->setAccessibleName(QStringLiteral("Bericht des Imports"));
    m_bericht->setReadOnly(true);
    // Long report lines wrap: nobody scrolls sideways through a hundred lines.
    m_bericht->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_bericht->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    auto* berichtLb = new QLabel(QStringLiteral("Bericht zum &Prüfen:"), this);
    berichtLb->setBuddy(m_bericht);

    m_kopieren = new QPushButton(QStringLiteral("Bericht k&opieren"), this);
    m_kopieren->setObjectName(QStringLiteral("SchuldatenKopierenBtn"));
    m_kopieren->setAutoDefault(false);
    m_kopieren->setToolTip(QStringLiteral("Den ganzen Bericht in die Zwischenablage legen"));
    m_kopieren->setAccessibleDescription(m_kopieren->toolTip());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_zusammenfassung);
    layout->addWidget(berichtLb);
    layout->addWidget(m_bericht, 1);
    layout->addWidget(m_kopieren, 0, Qt::AlignLeft);

    connect(m_kopieren, &QPushButton::clicked, this, [this] { Shell::InZwischenablage(m_bericht->toPlainText()); });
}

void TSchuldatenErgebnis::initializePage()
{
    // Planned by the wizard on its worker when the preview was left.
    if (!m_stand.Plan)
        m_stand.Plan = PlaneImport(m_tag, m_stand.Gelesen, m_stand.Muster);
    const TImportPlan& plan = *m_stand.Plan;
    int vorhanden = 0, abgelehnt = 0, offen = 0, doppelt = 0;
    for (const TDateiBericht& b : plan.Berichte) {
        vorhanden += b.Vorhanden;
        abgelehnt += b.Abgelehnt;
        offen += b.WuenscheOffen();
        doppelt += b.Doppelt;
    }
    QString text = plan.Leer() ? QStringLiteral("Der Import fügt nichts hinzu.")
                               : QStringLiteral("Neu: %1 Lehrer, %2 Eltern, %3 Sprechwünsche.")
                                     .arg(plan.NeueLehrer.size())
                                     .arg(plan.NeueEltern.size())
                                     .arg(plan.NeueWuensche.size());
    text += QStringLiteral(" Schon vorhanden: %1. Doppelt in einer Datei: %2. Abgelehnte Zeilen: %3. "
                           "Nicht zugeordnete Wünsche: %4.")
                .arg(vorhanden)
                .arg(doppelt)
                .arg(abgelehnt)
                .arg(offen);
    if (plan.MachtPlaeneUngueltig(m_tag))
        text += QStringLiteral(" Die neuen Sprechwünsche machen die berechneten Zeitpläne ungültig.");
    m_zusammenfassung->setText(text);
    m_bericht->setPlainText(BerichtText(m_stand.Gelesen, plan));
}
