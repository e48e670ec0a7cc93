// Misspellings that once reached every user must not come back into any window's labels,
// buttons, group titles, tabs or hints.
#include "ansichten.h"
#include "ui_hilfen.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace {

QStringList Texte(QWidget* fenster)
{
    QStringList t{fenster->windowTitle()};
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        t << w->toolTip();
        if (auto* lb = qobject_cast<QLabel*>(w))
            t << lb->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            t << b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            t << g->title();
        else if (auto* r = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < r->count(); ++i)
                t << r->tabText(i);
    }
    return t;
}

TEST_F(UiTest, KeineBekanntenSchreibfehlerInDenFenstern)
{
    tag().PlaeneGueltig = true;
    haupt().ZeigeSeite(TForm2::Seite::Plaene);
    const char* fehler[] = {"Im diesem", "immernoch", "wieviel", "Spechzeit", "Tip:", "bleiben um", "Details> um",
                            "den Bestehenden", "die Neuen", "Eltern die keine", "Lehrer die niemand", "ihr Ordner gibt"};
    int texte = 0;
    for (QWidget* fenster : ProgrammFenster())
        for (QString text : Texte(fenster)) {
            ++texte;
            text.replace(QLatin1Char('\n'), QLatin1Char(' '));
            for (const char* f : fehler)
                EXPECT_FALSE(text.contains(QString::fromUtf8(f))) << fenster->objectName().toStdString() << ": " << text.toStdString();
        }
    EXPECT_GT(texte, 100) << "the walk saw the windows";
}

} // namespace
