// The dots of a capital umlaut must not be cut off in the name lists, in either font size:
// the list is painted, and the ink of a row "Ö…" must lie inside its row with a free pixel
// line above and below.
#include "gemeinsam/relationsliste.h"
#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QImage>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

namespace {

struct TTinte {
    int oben = -1, unten = -1;
};

/// Rows of dark pixels within `rect` of the painted viewport.
TTinte TinteIn(QListView* liste, const QRect& rect)
{
    const QImage bild = liste->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = bild.devicePixelRatio();
    TTinte t;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QPoint p(int(x * dpr), int(y * dpr));
            if (!bild.rect().contains(p) || qGray(bild.pixel(p)) >= 128)
                continue;
            if (t.oben < 0)
                t.oben = y;
            t.unten = y;
            break;
        }
    return t;
}

class Zeilenhoehe : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("ÖÄÜ Özdemir (102)")).ok());
        ASSERT_TRUE(tag().ElternUebernehmen(QStringLiteral("ÖÄ: Ölgür")).ok());
        haupt().resize(1000, 700);
        haupt().DatenNeu();
    }

    void pruefe(QListView* liste, const char* was)
    {
        liste->clearSelection();
        liste->selectionModel()->clearCurrentIndex();
        liste->clearFocus();
        QApplication::processEvents();
        const QModelIndex erster = liste->model()->index(0, 0);
        ASSERT_TRUE(erster.isValid()) << was;
        const QRect zeile = liste->visualRect(erster);
        const TTinte t = TinteIn(liste, zeile);
        ASSERT_GE(t.oben, 0) << was << ": no text painted";
        EXPECT_GT(t.oben, zeile.top()) << was << ": the marks above the capitals touch the row's top";
        EXPECT_LT(t.unten, zeile.bottom()) << was << ": the letters touch the row's bottom";
    }
};

TEST_F(Zeilenhoehe, UmlautpunkteBleibenInDerZeile)
{
    for (const char* schrift : {"SpeedButton6", "SpeedButton5"}) {
        SCOPED_TRACE(schrift);
        haupt().ZeigeSeite(TForm2::Seite::Lehrer);
        finde<QToolButton>(schrift, haupt().Lehrer())->click();
        pruefe(haupt().Lehrer()->Liste(), "Lehrerliste");

        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        pruefe(haupt().Eltern()->Liste(), "Elternliste");
        if (!haupt().Eltern()->DetailsAn())
            finde<QPushButton>("SbElternDetails")->click();
        haupt().Eltern()->Waehle(0);
        pruefe(finde<TRelationsListe>("SprechwunschBox"), "Sprechwünsche");
    }
}

} // namespace
