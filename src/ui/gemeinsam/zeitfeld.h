#pragma once
// A time field of the detail tabs (a parent's limits, a teacher's own hours).

#include "gemeinsam/detailfeld.h"

class TZeitFeld : public TDetailFeld {
    Q_OBJECT
public:
    /// Stores `text` for the record `fuer`. Returns the message when the text is no valid
    /// time (nothing was changed then), else an empty text.
    using Uebernehmen = std::function<QString(const QString& fuer, const QString& text)>;

    TZeitFeld(const QString& objektName, const QString& zugang, QWidget* eltern);

    void SetUebernehmen(Uebernehmen uebernehmen) { setSpeichern(std::move(uebernehmen)); }

    /// Shows `text` for the record `fuer`; a text typed before and not taken is dropped.
    void Zeige(const QString& fuer, const QString& text) { zeigeFuer(fuer, text); }

protected:
    QString bleibt(const QString& fuer) const override;
    bool annehmbar() const override;
    void keyPressEvent(QKeyEvent* e) override;
};
