#include "dialoge/druckfortschritt.h"

#include "gemeinsam/fortschrittsanzeige.h"

#include <QApplication>
#include <QLocale>
#include <QProgressDialog>

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
    RichteFortschrittEin(f,
                         {.fenster = QStringLiteral("DruckFortschritt"),
                          .titel = QStringLiteral("Drucken"),
                          .zugang = QStringLiteral("Fortschritt des Druckauftrags"),
                          .text = QStringLiteral("Stand des Druckauftrags"),
                          .balken = QStringLiteral("Gedruckter Anteil"),
                          .abbrechen = QStringLiteral("DruckAbbrechen"),
                          .abbrechenZugang = QStringLiteral("Druckauftrag abbrechen")},
                         Qt::ApplicationModal);
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
