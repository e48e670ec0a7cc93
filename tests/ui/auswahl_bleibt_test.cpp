// Names added from a file (a text import, a combining load) shift the rows of the name
// lists; the entry the user had selected stays selected and its details stay shown.

#include "datei/datei.h"
#include "gemeinsam/dateiwahl.h"
#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

class AuswahlBleibt : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(ordner.isValid());
        Dateiwahl::SetAbfang([this](const Dateiwahl::TAnfrage&) { return datei; });
        for (const char* l : {"Meier (5)", "Zander (101)"})
            tag().LehrerUebernehmen(S(l));
        for (const char* e : {"7a: Wolf", "9b: Zorn"})
            tag().ElternUebernehmen(S(e));
        haupt().DatenNeu();
    }
    void TearDown() override
    {
        Dateiwahl::SetAbfang({});
        UiTest::TearDown();
    }

    void waehle(const char* lehrer, const char* eltern)
    {
        haupt().ZeigeSeite(TForm2::Seite::Eltern);
        if (!haupt().Eltern()->DetailsAn())
            finde<QPushButton>("SbElternDetails")->click();
        haupt().Eltern()->Waehle(tag().Eltern.IndexVon(S(eltern)));
        haupt().ZeigeSeite(TForm2::Seite::Lehrer);
        haupt().Lehrer()->Waehle(tag().Lehrer.IndexVon(S(lehrer)));
    }

    void erwarteAuswahl(const char* lehrer, const char* eltern)
    {
        EXPECT_EQ(haupt().Lehrer()->GewaehlterName(), S(lehrer));
        EXPECT_EQ(finde<QLabel>("LPanel")->text(), S(lehrer));
        EXPECT_EQ(finde<QLineEdit>("LehrerRenameEdit")->text(), S(lehrer));
        EXPECT_EQ(haupt().Eltern()->GewaehlterName(), S(eltern));
        EXPECT_EQ(finde<QLabel>("EPanel")->text(), S(eltern));
        EXPECT_EQ(finde<QLineEdit>("ElternRenameEdit")->text(), S(eltern));
    }

    QTemporaryDir ordner;
    QString datei;
};

TEST_F(AuswahlBleibt, NachDemImportVonNamenDieDavorEinsortiertWerden)
{
    waehle("Zander (101)", "9b: Zorn");
    for (const auto& [seite, namen] : {std::pair{TForm2::Seite::Lehrer, "Abel (1)\nBauer (2)\nZ\n"},
                                       std::pair{TForm2::Seite::Eltern, "1a: Arndt\n5c: Brandt\n9b: Ahrens\n"}}) {
        datei = ordner.filePath(QStringLiteral("namen.txt"));
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(namen);
        f.close();
        haupt().ZeigeSeite(seite);
        finde<QPushButton>("ImportBtn", seite == TForm2::Seite::Lehrer ? static_cast<QWidget*>(haupt().Lehrer())
                                                                      : static_cast<QWidget*>(haupt().Eltern()))
            ->click();
    }
    ASSERT_EQ(tag().Lehrer.Anzahl(), 5);
    ASSERT_EQ(tag().Eltern.Anzahl(), 5);
    erwarteAuswahl("Zander (101)", "9b: Zorn");
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    erwarteAuswahl("Zander (101)", "9b: Zorn");
}

TEST_F(AuswahlBleibt, NachKombinierendemLaden)
{
    TSprechtag andere;
    for (const char* l : {"Abel (1)", "Bauer (2)", "Zander (101)"})
        andere.LehrerUebernehmen(S(l));
    for (const char* e : {"1a: Arndt", "5c: Brandt"})
        andere.ElternUebernehmen(S(e));
    datei = ordner.filePath(QStringLiteral("andere.qvt"));
    ASSERT_TRUE(Datei::Speichern(andere, datei, Inhalt::Lehrer | Inhalt::Eltern).ok());

    waehle("Zander (101)", "9b: Zorn");
    BeimNaechstenDialog([](QWidget* d) {
        d->findChild<QRadioButton*>(S("Hinzufuegen"))->click();
        d->findChild<QPushButton*>(S("OkBtn"))->click();
    });
    finde<QPushButton>("LadenBtn", haupt().Lehrer())->click();
    ASSERT_EQ(tag().Lehrer.Anzahl(), 4);
    ASSERT_EQ(tag().Eltern.Anzahl(), 4);
    erwarteAuswahl("Zander (101)", "9b: Zorn");
}

} // namespace
