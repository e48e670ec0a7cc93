// Renaming only the letter case of a name is a rename like any other: the entry keeps its
// place in every relation and stays selected.

#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

TEST_F(UiTest, NurGrossschreibungGeaendertBenenntUmUndBehaeltAlleVerweise)
{
    tag().LehrerUebernehmen(S("özdemir (102)"));
    tag().LehrerUebernehmen(S("Abel (7)"));
    tag().ElternUebernehmen(S("5a: weber"));
    tag().Eltern.Suche(S("5a: weber"))->Sprechwuensche = {S("Abel (7)"), S("özdemir (102)")};
    tag().Lehrer.Suche(S("özdemir (102)"))->Ablehnungen = {S("5a: weber")};
    haupt().DatenNeu();

    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    TLehrerSeite* lehrer = haupt().Lehrer();
    lehrer->Waehle(tag().Lehrer.IndexVon(S("özdemir (102)")));
    lehrer->Tabs()->setCurrentIndex(0);
    finde<QLineEdit>("LehrerRenameEdit")->setText(S("Özdemir (102)"));
    finde<QPushButton>("LehrerRenameBtn")->click();
    EXPECT_TRUE(meldungen.empty()) << (meldungen.empty() ? "" : meldungen[0].text.toStdString());
    EXPECT_EQ(tag().Lehrer.Namen(), (QStringList{S("Abel (7)"), S("Özdemir (102)")}));
    EXPECT_EQ(tag().Eltern.Suche(S("5a: weber"))->Sprechwuensche, (QStringList{S("Abel (7)"), S("Özdemir (102)")}));
    EXPECT_EQ(lehrer->GewaehlterName(), S("Özdemir (102)"));
    EXPECT_EQ(finde<QLabel>("LPanel")->text(), S("Özdemir (102)"));

    haupt().ZeigeSeite(TForm2::Seite::Eltern);
    TElternSeite* eltern = haupt().Eltern();
    if (!eltern->DetailsAn())
        finde<QPushButton>("SbElternDetails")->click();
    eltern->Waehle(0);
    eltern->Tabs()->setCurrentIndex(2);
    finde<QLineEdit>("ElternRenameEdit")->setText(S("5A: Weber"));
    finde<QPushButton>("ElternRenameBtn")->click();
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(tag().Eltern.Namen(), QStringList{S("5A: Weber")});
    EXPECT_EQ(tag().Lehrer.Suche(S("Özdemir (102)"))->Ablehnungen, QStringList{S("5A: Weber")});
    EXPECT_EQ(eltern->GewaehlterName(), S("5A: Weber"));
}

} // namespace
