#include "dialoge/schuldaten/arbeit.h"

#include "gemeinsam/fortschrittsanzeige.h"

#include <QEventLoop>
#include <QProgressBar>
#include <QProgressDialog>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>

TSchuldatenArbeit::TSchuldatenArbeit(QObject* eltern)
    : QObject(eltern)
{
}

bool TSchuldatenArbeit::Fuehre(QWidget* fenster, const QString& text,
                               const std::function<void(Schuldaten::TLauf&)>& arbeit)
{
    // The worker reports far more often than anyone can see: only a new thousandth goes
    // through the event queue.
    auto gemeldet = std::make_shared<std::atomic<int>>(-1);
    // Reports of an earlier run may still wait in the queue when the next one starts.
    const quint64 nummer = ++m_laeufe;
    Schuldaten::TLauf lauf([this, gemeldet, nummer](double anteil) {
        const int promille = std::clamp(int(anteil * 1000), 0, 1000);
        if (gemeldet->exchange(promille) == promille)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, promille, nummer] {
                if (!m_lauf || nummer != m_laeufe)
                    return;
                // The bar itself: the dialog's own setValue would run events in here.
                if (m_balken)
                    m_balken->setValue(promille);
                emit fortschritt(promille);
            },
            Qt::QueuedConnection);
    });

    QProgressDialog anzeige(fenster);
    QProgressBar* balken = RichteFortschrittEin(anzeige,
                                                {.fenster = QStringLiteral("SchuldatenFortschritt"),
                                                 .titel = QStringLiteral("Schuldaten importieren"),
                                                 .zugang = QStringLiteral("Fortschritt des Imports"),
                                                 .text = QStringLiteral("Stand des Imports"),
                                                 .balken = QStringLiteral("Erledigter Anteil"),
                                                 .abbrechen = QStringLiteral("SchuldatenFortschrittAbbrechen"),
                                                 .abbrechenZugang = QStringLiteral("Lesen oder Planen abbrechen")},
                                                Qt::WindowModal);
    anzeige.setLabelText(text);
    balken->setRange(0, 1000);
    balken->setValue(0);
    // At once, not after a delay: until it shows, nothing would keep a second click on
    // "Weiter" from starting the work again.
    anzeige.setMinimumDuration(0);
    anzeige.show();
    connect(&anzeige, &QProgressDialog::canceled, this, &TSchuldatenArbeit::Abbrechen);

    m_lauf = &lauf;
    m_balken = balken;
    QEventLoop warten;
    QThread* faden = QThread::create([&arbeit, &lauf] { arbeit(lauf); });
    connect(faden, &QThread::finished, &warten, &QEventLoop::quit, Qt::QueuedConnection);
    lauf.Stand(0);
    faden->start();
    warten.exec();
    faden->wait();
    delete faden;
    // Reports still queued come to nothing now that the run has ended.
    m_lauf = nullptr;
    m_balken = nullptr;
    anzeige.hide();
    return !lauf.Abgebrochen();
}

void TSchuldatenArbeit::Abbrechen()
{
    if (m_lauf)
        m_lauf->Abbrechen();
}
