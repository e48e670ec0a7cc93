#include "textdruck.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace Textdruck {

namespace {

QFont textSchrift()
{
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                   QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(10);
    return f;
}

/// Splits one line into the pieces that fit the width, at word boundaries where
/// possible. An empty line stays one empty piece.
QStringList umbrechen(const QString& zeile, const QFont& schrift, QPaintDevice* geraet, int breite)
{
    if (zeile.isEmpty())
        return {QString()};
    QTextLayout layout(zeile, schrift, geraet);
    QTextOption opt;
    opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(opt);
    QStringList teile;
    layout.beginLayout();
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(breite);
        teile.append(zeile.mid(l.textStart(), l.textLength()));
    }
    layout.endLayout();
    return teile;
}

} // namespace

int Drucke(QPainter& maler, const std::function<bool()>& neueSeite, const QStringList& zeilen)
{
    const QFont schrift = textSchrift();
    maler.setFont(schrift);
    QPaintDevice* geraet = maler.device();
    const QFontMetrics fm(schrift, geraet);
    const int breite = geraet->width();
    const int hoehe = geraet->height();
    const int zeilenHoehe = std::max(1, fm.lineSpacing());

    int seiten = 1;
    int y = 0;
    bool seiteLeer = true;
    bool umbruchOffen = false; // a form feed waits for text to follow
    auto naechsteSeite = [&] {
        neueSeite();
        ++seiten;
        y = 0;
        seiteLeer = true;
    };
    auto schreibe = [&](const QString& text) {
        for (const QString& teil : umbrechen(text, schrift, geraet, breite)) {
            if (umbruchOffen) {
                naechsteSeite();
                umbruchOffen = false;
            }
            if (!seiteLeer && y + zeilenHoehe > hoehe)
                naechsteSeite();
            maler.drawText(QPoint(0, y + fm.ascent()), teil);
            y += zeilenHoehe;
            seiteLeer = false;
        }
    };

    for (const QString& zeile : zeilen) {
        const QStringList stuecke = zeile.split(QLatin1Char('\f'));
        if (stuecke.size() == 1) {
            schreibe(zeile);
            continue;
        }
        // Text around a form feed prints on its side of the break; the form feed line
        // itself prints nothing.
        for (qsizetype i = 0; i < stuecke.size(); ++i) {
            if (i > 0)
                umbruchOffen = true;
            if (!stuecke[i].isEmpty())
                schreibe(stuecke[i]);
        }
    }
    return seiten;
}

std::optional<QString> Drucke(QPrinter& drucker, const QString& titel, const QStringList& zeilen)
{
    drucker.setDocName(titel);
    // Most printers clip close to the sheet's edge. The lists keep the printer's margins,
    // at least MindestRandMm; the printer is shared with the plans, which place
    // themselves on the sheet, so its own layout comes back afterwards.
    const QPageLayout vorher = drucker.pageLayout();
    const QMarginsF rand = vorher.margins(QPageLayout::Millimeter);
    drucker.setPageMargins(QMarginsF(std::max(rand.left(), MindestRandMm), std::max(rand.top(), MindestRandMm),
                                     std::max(rand.right(), MindestRandMm), std::max(rand.bottom(), MindestRandMm)),
                           QPageLayout::Millimeter);
    std::optional<QString> fehler;
    QPainter maler;
    if (!maler.begin(&drucker)) {
        fehler = QStringLiteral("Der Drucker konnte nicht geöffnet werden.");
    } else {
        Drucke(maler, [&drucker] { return drucker.newPage(); }, zeilen);
        if (!maler.end())
            fehler = QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden.");
    }
    drucker.setPageLayout(vorher);
    return fehler;
}

} // namespace Textdruck
