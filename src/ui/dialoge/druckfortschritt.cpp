#include "dialoge/druckfortschritt.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>

namespace {

TDruckFortschrittFenster::Beobachter& beobachter()
{
    static TDruckFortschrittFenster::Beobachter b;
    return b;
}

} // namespace

TDruckFortschrittFenster::TDruckFortschrittFenster(QWidget* eltern, const QString& was)
    : m_fenster(std::make_unique<QProgressDialog>(eltern))
    , m_was(was)
{
    QProgressDialog& f = *m_fenster;
    f.setObjectName(QStringLiteral("DruckFortschritt"));
    f.setWindowTitle(QStringLiteral("Drucken"));
    f.setAccessibleName(QStringLiteral("Fortschritt des Druckauftrags"));
    f.setWindowModality(Qt::ApplicationModal);
    f.setAutoClose(false);
    f.setAutoReset(false);
    auto* text = new QLabel(&f);
    text->setAccessibleName(QStringLiteral("Stand des Druckauftrags"));
    f.setLabel(text);
    auto* balken = new QProgressBar(&f);
    balken->setAccessibleName(QStringLiteral("Gedruckter Anteil"));
    f.setBar(balken);
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), &f);
    abbrechen->setObjectName(QStringLiteral("DruckAbbrechen"));
    abbrechen->setAccessibleName(QStringLiteral("Druckauftrag abbrechen"));
    f.setCancelButton(abbrechen);
    f.setLabelText(QStringLiteral("Der Druckauftrag wird vorbereitet …"));
    f.setMinimumWidth(f.fontMetrics().horizontalAdvance(QStringLiteral("Zeitplan 9.999 von 9.999 wird gedruckt …")) + 80);
    f.setMinimumDuration(0);
    f.show();
    QApplication::processEvents();
}

TDruckFortschrittFenster::~TDruckFortschrittFenster() = default;

bool TDruckFortschrittFenster::Weiter(int fertig, int gesamt)
{
    QProgressDialog& f = *m_fenster;
    if (f.maximum() != gesamt)
        f.setRange(0, std::max(gesamt, 1));
    const QLocale de(QLocale::German, QLocale::Germany);
    f.setLabelText(QStringLiteral("%1 %2 von %3 wird gedruckt …")
                       .arg(m_was, de.toString(std::min(fertig + 1, gesamt)), de.toString(gesamt)));
    // Modal: runs pending events, among them a click on "Abbrechen".
    f.setValue(fertig);
    if (beobachter())
        beobachter()(f, fertig);
    QApplication::processEvents();
    m_abgebrochen = m_abgebrochen || f.wasCanceled();
    return !m_abgebrochen;
}

void TDruckFortschrittFenster::Schliesse()
{
    m_fenster->hide();
}

void TDruckFortschrittFenster::SetBeobachter(Beobachter b)
{
    beobachter() = std::move(b);
}
