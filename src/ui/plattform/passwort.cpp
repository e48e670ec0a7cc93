#include "plattform/passwort.h"

#include "schluesselbund.h"

#include <QHash>
#include <QInputDialog>
#include <QLineEdit>

namespace Passwort {

namespace {

TSchluesselbund Desktop()
{
    TSchluesselbund b;
    b.lesen = [](const QString& konto) {
        const Schluesselbund::TLesung l = Schluesselbund::Lesen(konto);
        return TLesung{l.erreichbar, l.passwort};
    };
    b.schreiben = &Schluesselbund::Schreiben;
    b.loeschen = &Schluesselbund::Loeschen;
    return b;
}

std::optional<QString> Fragen(QWidget* eltern, const QString& text)
{
    QInputDialog d(eltern);
    d.setWindowTitle(QStringLiteral("Passwort des Mailservers"));
    d.setLabelText(text);
    d.setTextEchoMode(QLineEdit::Password);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Abbrechen"));
    d.setObjectName(QStringLiteral("PasswortFrage"));
    if (auto* feld = d.findChild<QLineEdit*>())
        feld->setAccessibleName(QStringLiteral("Passwort"));
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.textValue();
}

TSchluesselbund& Bund()
{
    static TSchluesselbund b = Desktop();
    return b;
}

TFrage& Frage()
{
    static TFrage f = Fragen;
    return f;
}

QHash<QString, QString>& Gemerkt()
{
    static QHash<QString, QString> g;
    return g;
}

} // namespace

void SetSchluesselbund(TSchluesselbund bund)
{
    Bund() = bund.lesen ? std::move(bund) : Desktop();
    Gemerkt().clear();
}

void SetFrage(TFrage frage)
{
    Frage() = frage ? std::move(frage) : TFrage(Fragen);
}

QString Konto(const QString& host, int port, const QString& benutzer)
{
    return Schluesselbund::Konto(host, port, benutzer);
}

std::optional<QString> Holen(QWidget* eltern, const QString& konto, const QString& frage)
{
    if (const auto it = Gemerkt().constFind(konto); it != Gemerkt().constEnd())
        return *it;
    const TLesung l = Bund().lesen(konto);
    if (l.passwort) {
        Gemerkt().insert(konto, *l.passwort);
        return l.passwort;
    }
    std::optional<QString> p = Frage()(eltern, frage);
    if (!p)
        return std::nullopt;
    if (l.erreichbar)
        Bund().schreiben(konto, *p);
    Gemerkt().insert(konto, *p);
    return p;
}

void Vergessen(const QString& konto)
{
    Gemerkt().remove(konto);
    if (Bund().loeschen)
        Bund().loeschen(konto);
}

} // namespace Passwort
