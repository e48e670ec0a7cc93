#pragma once
// The print dialog the plans and the preview lists share: one printer for the whole run,
// so that the printer and its settings chosen once are offered again next time.

#include "gemeinsam/vorlagenfrage.h"

#include <QObject>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

class TDruckerWahl : public QObject {
    Q_OBJECT
public:
    explicit TDruckerWahl(QObject* eltern = nullptr);
    ~TDruckerWahl() override;

    /// Shows the print dialog; the chosen printer, or nullptr when the user cancels.
    QPrinter* Waehle(QWidget* eltern);

    /// The printer without asking (for the print preview).
    QPrinter& Drucker() { return *m_drucker; }

    /// Replaces the dialog (tests): returns whether the user confirmed.
    using Wahl = std::function<bool(QPrinter& drucker, QWidget* eltern)>;
    void SetWahl(Wahl wahl) { m_wahl = std::move(wahl); }

    /// The question before template texts print; it lives as long as the printer, one
    /// program run.
    TVorlagenFrage& Vorlagen() { return m_vorlagen; }

private:
    TVorlagenFrage m_vorlagen;
    std::unique_ptr<QPrinter> m_drucker;
    Wahl m_wahl;
};
