#include "dialoge/versandfortschritt.h"

#include "gemeinsam/titelraum.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <chrono>

namespace {

TVersandFortschritt::Versender& EigenerVersender()
{
    static TVersandFortschritt::Versender v;
    return v;
}

} // namespace

void TVersandFortschritt::SetVersender(Versender versender)
{
    EigenerVersender() = std::move(versender);
}

TVersandFortschritt::TVersandFortschritt(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("VersandFortschrittForm"));
    setWindowTitle(QStringLiteral("Versand der Pläne"));
    setModal(true);
    m_stand = new QLabel(this);
    m_stand->setObjectName(QStringLiteral("VersandStandLb"));
    m_stand->setTextFormat(Qt::PlainText);
    m_balken = new QProgressBar(this);
    m_balken->setObjectName(QStringLiteral("VersandBalken"));
    m_balken->setAccessibleName(QStringLiteral("Fortschritt des Versands"));
    m_zusammenfassung = new QPlainTextEdit(this);
    m_zusammenfassung->setObjectName(QStringLiteral("VersandZusammenfassung"));
    m_zusammenfassung->setAccessibleName(QStringLiteral("Ergebnis des Versands"));
    m_zusammenfassung->setReadOnly(true);
    m_zusammenfassung->setVisible(false);
    m_abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("VersandAbbrechenBtn"));
    m_abbrechen->setAccessibleName(QStringLiteral("Versand abbrechen"));
    m_abbrechen->setToolTip(QStringLiteral("Hält nach der Nachricht an, die gerade unterwegs ist"));
    m_schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    m_schliessen->setObjectName(QStringLiteral("VersandSchliessenBtn"));
    m_schliessen->setAccessibleName(QStringLiteral("Fenster schließen"));
    m_schliessen->setEnabled(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(m_abbrechen);
    knoepfe->addWidget(m_schliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stand);
    layout->addWidget(m_balken);
    layout->addWidget(m_zusammenfassung, 1);
    layout->addLayout(knoepfe);
    resize(560, 160);
    RaumFuerTitel(this);
    connect(m_abbrechen, &QPushButton::clicked, this, &TVersandFortschritt::Abbrechen);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

TVersandFortschritt::~TVersandFortschritt() = default;

void TVersandFortschritt::Abbrechen()
{
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_abbruch = true;
    }
    m_wecker.notify_all();
    m_abbrechen->setEnabled(false);
    m_stand->setText(m_stand->text() + QStringLiteral(" – wird nach dieser Nachricht angehalten …"));
}

void TVersandFortschritt::reject()
{
    // Escape or the window's close button while mails go out means "Abbrechen"; the
    // window stays until the worker has finished its message.
    if (m_laeuft) {
        if (!m_abbruch)
            Abbrechen();
        return;
    }
    QDialog::reject();
}

void TVersandFortschritt::warte(int ms)
{
    std::unique_lock<std::mutex> sperre(m_mutex);
    m_wecker.wait_for(sperre, std::chrono::milliseconds(ms), [this] { return m_abbruch.load(); });
}

void TVersandFortschritt::zeige(int fertig, int gesamt)
{
    m_balken->setMaximum(qMax(1, gesamt));
    m_balken->setValue(fertig);
    m_stand->setText(QStringLiteral("%1 von %2 versendet").arg(fertig).arg(gesamt));
    if (m_abbruch)
        m_stand->setText(m_stand->text() + QStringLiteral(" – wird nach dieser Nachricht angehalten …"));
    emit fortschritt(fertig, gesamt);
}

void TVersandFortschritt::fertig(const Versand::TLaufBericht& bericht)
{
    m_laeuft = false;
    m_bericht = bericht;
    m_zusammenfassung->setPlainText(Versand::Zusammenfassung(bericht));
    m_zusammenfassung->setVisible(true);
    m_stand->setText(bericht.AllesAngenommen() ? QStringLiteral("Fertig: alle Nachrichten wurden versendet.")
                                               : QStringLiteral("Der Versand ist beendet."));
    m_abbrechen->setEnabled(false);
    m_schliessen->setEnabled(true);
    m_schliessen->setDefault(true);
    m_schliessen->setFocus();
    resize(width(), 420);
}

Versand::TLaufBericht TVersandFortschritt::Ausfuehren(const std::vector<Versand::TNachricht>& nachrichten, Versand::TLauf lauf)
{
    m_abbruch = false;
    m_laeuft = true;
    m_bericht = {};
    m_zusammenfassung->clear();
    m_zusammenfassung->setVisible(false);
    m_abbrechen->setEnabled(true);
    m_schliessen->setEnabled(false);
    resize(width(), 160);
    zeige(0, int(nachrichten.size()));

    lauf.Fortschritt = [this](int fertig, int gesamt) {
        QMetaObject::invokeMethod(this, [this, fertig, gesamt] { zeige(fertig, gesamt); }, Qt::QueuedConnection);
        return !m_abbruch.load();
    };
    lauf.Warte = [this](int ms) { warte(ms); };
    const Versender versender = EigenerVersender() ? EigenerVersender() : Versender(Versand::Versende);
    auto bericht = std::make_shared<Versand::TLaufBericht>();
    QThread* faden = QThread::create([versender, nachrichten, lauf, bericht] { *bericht = versender(nachrichten, lauf); });
    faden->setObjectName(QStringLiteral("Versand"));
    connect(faden, &QThread::finished, this, [this, bericht] { fertig(*bericht); });
    connect(faden, &QThread::finished, faden, &QObject::deleteLater);
    faden->start();
    exec();
    return m_bericht;
}
