#include "gemeinsam/meldungen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace Meldung {
namespace {

Abfang& abfang()
{
    static Abfang a;
    return a;
}

QMessageBox::StandardButton zeige(QWidget* eltern, Art art, const QString& text, const QStringList& knoepfe = {})
{
    QMessageBox box(eltern);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(Zeilenumbrueche(text));
    // The caption is the program's name for every kind; the screen reader also says which.
    static const QString art_namen[] = {QStringLiteral("Hinweis"), QStringLiteral("Fehler"), QStringLiteral("Frage"),
                                        QStringLiteral("Frage"), QStringLiteral("Frage vor dem Löschen")};
    box.setAccessibleName(box.windowTitle() + QStringLiteral(" – ") + art_namen[int(art)]);
    switch (art) {
    case Art::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Art::Fehler:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Art::Frage:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Art::LoeschFrage:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case Art::FrageMitAbbruch:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    const QMessageBox::StandardButton reihe[] = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    for (qsizetype i = 0; i < knoepfe.size() && i < 3; ++i)
        if (QAbstractButton* k = box.button(reihe[i]))
            k->setText(knoepfe[i]);
    if (knoepfe.size() == 3)
        box.setEscapeButton(QMessageBox::Cancel);
    return QMessageBox::StandardButton(box.exec());
}

Antwort frage(QWidget* eltern, Art art, const QString& text, const QStringList& knoepfe = {})
{
    if (abfang())
        return abfang()(art, text);
    switch (zeige(eltern, art, text, knoepfe)) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    case QMessageBox::Ok:
        return Antwort::Ok;
    default:
        return Antwort::Abbrechen;
    }
}

} // namespace

QString Zeilenumbrueche(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void Info(QWidget* eltern, const QString& text) { frage(eltern, Art::Information, text); }
void Fehler(QWidget* eltern, const QString& text) { frage(eltern, Art::Fehler, text); }
bool Frage(QWidget* eltern, const QString& text) { return frage(eltern, Art::Frage, text) == Antwort::Ja; }
bool LoeschFrage(QWidget* eltern, const QString& text) { return frage(eltern, Art::LoeschFrage, text) == Antwort::Ja; }
Antwort FrageMitAbbruch(QWidget* eltern, const QString& text) { return frage(eltern, Art::FrageMitAbbruch, text); }
Antwort FrageMitAbbruch(QWidget* eltern, const QString& text, const QStringList& knoepfe)
{
    return frage(eltern, Art::FrageMitAbbruch, text, knoepfe);
}

Antwort FrageMitKnoepfen(QWidget* eltern, const QString& text, const QString& ja, const QString& nein,
                         const QString& abbrechen)
{
    return frage(eltern, Art::FrageMitAbbruch, text, QStringList{ja, nein, abbrechen});
}

void SetAbfang(Abfang a) { abfang() = std::move(a); }

} // namespace Meldung
