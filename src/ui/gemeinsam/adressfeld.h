#pragma once
// An e-mail field of the detail pages. It also remembers which address it shows, so that a
// typed text always replaces that address of that record.

#include "gemeinsam/detailfeld.h"

class TAdressFeld : public TDetailFeld {
    Q_OBJECT
public:
    /// Stores `text` for the record `fuer` in place of the shown address `bisher`. Returns
    /// the message when the text is refused (nothing was changed then), else an empty text.
    using Uebernehmen = std::function<QString(const QString& fuer, const QString& bisher, const QString& text)>;

    TAdressFeld(const QString& objektName, const QString& zugang, QWidget* eltern);

    void SetUebernehmen(Uebernehmen uebernehmen);

    /// Shows the address `adresse` of the record `fuer`; a text typed before and not taken
    /// is dropped.
    void Zeige(const QString& fuer, const QString& adresse);

protected:
    QString bleibt(const QString& fuer) const override;
    bool annehmbar() const override;

private:
    QString m_gezeigt;
};
