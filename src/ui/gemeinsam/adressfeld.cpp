#include "gemeinsam/adressfeld.h"

#include "versand/adresse.h"

TAdressFeld::TAdressFeld(const QString& objektName, const QString& zugang, QWidget* eltern)
    : TDetailFeld(objektName, zugang, eltern)
{
    setPlaceholderText(QStringLiteral("name@beispiel.de"));
}

void TAdressFeld::SetUebernehmen(Uebernehmen uebernehmen)
{
    if (!uebernehmen) {
        setSpeichern({});
        return;
    }
    setSpeichern([this, uebernehmen = std::move(uebernehmen)](const QString& fuer, const QString& text) {
        return uebernehmen(fuer, m_gezeigt, text);
    });
}

void TAdressFeld::Zeige(const QString& fuer, const QString& adresse)
{
    m_gezeigt = adresse;
    zeigeFuer(fuer, adresse);
}

QString TAdressFeld::bleibt(const QString& fuer) const
{
    return text().isEmpty() ? QStringLiteral("\rFür „%1“ bleibt das Feld leer.").arg(fuer)
                            : QStringLiteral("\rFür „%1“ bleibt „%2“ gespeichert.").arg(fuer, text());
}

bool TAdressFeld::annehmbar() const
{
    const QString t = text().trimmed();
    return t.isEmpty() || Versand::PruefeAdresse(t, QString()).isEmpty();
}
