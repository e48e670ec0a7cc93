// Questions whose "Ja" deletes data must not delete anything on a single Enter. The first
// test finds such questions by their effect: every action that asks is answered "Ja", and
// where data are gone afterwards, the question must have been of the deleting kind (with
// "Nein" as default) - and no other question may claim to be one.
#include "gemeinsam/dateiwahl.h"
#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

/// Everything an answer could delete: names, requests, the validity of the plans.
struct TBestand {
    QStringList lehrer, eltern, wuensche;
    bool plaene = false;

    static TBestand Von(const TSprechtag& tag)
    {
        TBestand b;
        b.lehrer = tag.Lehrer.Namen();
        b.plaene = tag.PlaeneGueltig;
        for (int i = 0; i < tag.Eltern.Anzahl(); ++i) {
            b.eltern << tag.Eltern.Name(i);
            for (const QString& w : tag.Eltern.Record(i).Sprechwuensche)
                b.wuensche << tag.Eltern.Name(i) + QStringLiteral(" → ") + w;
        }
        return b;
    }
    /// Something of `vorher` is missing now (a rename keeps the count of names).
    bool VerliertGegenueber(const TBestand& vorher) const
    {
        return lehrer.size() < vorher.lehrer.size() || eltern.size() < vorher.eltern.size()
               || wuensche.size() < vorher.wuensche.size() || (vorher.plaene && !plaene);
    }
};

struct TFrageAnlass {
    const char* name;
    std::function<void(UiTest&, TForm2&)> ausloesen;
};

class Loeschfragen : public UiTest, public testing::WithParamInterface<TFrageAnlass> {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        for (const char* l : {"Abel (7)", "Bauer (3)"})
            tag().LehrerUebernehmen(S(l));
        for (const char* e : {"5a: Meier", "6b: Kurz"})
            tag().ElternUebernehmen(S(e));
        tag().Eltern.Suche(S("5a: Meier"))->Sprechwuensche = {S("Abel (7)"), S("Bauer (3)")};
        tag().Eltern.Suche(S("6b: Kurz"))->Sprechwuensche = {S("Bauer (3)")};
        tag().PlaeneGueltig = true;
        haupt().DatenNeu();
        Dateiwahl::SetAbfang([](const Dateiwahl::TAnfrage&) { return QString(); });
    }
    void TearDown() override
    {
        Dateiwahl::SetAbfang({});
        UiTest::TearDown();
    }
};

void Klick(TForm2& h, const char* knopf)
{
    // Several pages carry buttons of one name; the one on the shown page counts.
    for (QPushButton* b : h.findChildren<QPushButton*>(S(knopf)))
        if (b->isVisible()) {
            b->click();
            return;
        }
    ADD_FAILURE() << "kein sichtbarer Knopf " << knopf;
}

const TFrageAnlass anlaesse[] = {
    {"AlleLehrerLoeschen", [](UiTest&, TForm2& h) {
         h.ZeigeSeite(TForm2::Seite::Lehrer);
         Klick(h, "ButLehrerLoesch");
     }},
    {"AlleElternLoeschen", [](UiTest&, TForm2& h) {
         h.ZeigeSeite(TForm2::Seite::Eltern);
         Klick(h, "BitBtn10");
     }},
    {"LehrerLoeschenMitPlaenen", [](UiTest&, TForm2& h) {
         h.ZeigeSeite(TForm2::Seite::Lehrer);
         h.Lehrer()->Waehle(0);
         Klick(h, "LehrerDelBtn");
     }},
    {"ElternLoeschenMitPlaenen", [](UiTest&, TForm2& h) {
         h.ZeigeSeite(TForm2::Seite::Eltern);
         if (!h.Eltern()->DetailsAn())
             Klick(h, "SbElternDetails");
         h.Eltern()->Waehle(0);
         h.Eltern()->Tabs()->setCurrentIndex(2);
         Klick(h, "DelElternBtn");
     }},
    {"LehrerUmbenennenMitPlaenen", [](UiTest&, TForm2& h) {
         h.ZeigeSeite(TForm2::Seite::Lehrer);
         h.Lehrer()->Waehle(0);
         h.findChild<QLineEdit*>(S("LehrerRenameEdit"))->setText(S("Abel (8)"));
         Klick(h, "LehrerRenameBtn");
     }},
    {"ImportierenOhneDatei", [](UiTest&, TForm2& h) {
         h.ZeigeSeite(TForm2::Seite::Lehrer);
         Klick(h, "ImportBtn");
     }},
};

TEST_P(Loeschfragen, JaDasDatenLoeschtKommtNurAusEinerLoeschfrage)
{
    const TBestand vorher = TBestand::Von(tag());
    antwort = Meldung::Antwort::Ja;
    GetParam().ausloesen(*this, haupt());
    const bool verloren = TBestand::Von(tag()).VerliertGegenueber(vorher);

    std::vector<Meldung::Art> fragen;
    for (const TGefangeneMeldung& m : meldungen)
        if (m.art != Meldung::Art::Information && m.art != Meldung::Art::Fehler)
            fragen.push_back(m.art);
    ASSERT_FALSE(fragen.empty()) << "the action asks nothing";
    for (Meldung::Art art : fragen)
        EXPECT_EQ(art == Meldung::Art::LoeschFrage, verloren)
            << (verloren ? "data deleted after a question with Ja as default" : "a harmless question defaults to Nein");
}

INSTANTIATE_TEST_SUITE_P(Anlaesse, Loeschfragen, testing::ValuesIn(anlaesse),
                         [](const testing::TestParamInfo<TFrageAnlass>& i) { return std::string(i.param.name); });

// The real message box: "Nein" is the default and Escape button, so Enter and Escape alike
// keep every teacher.
class LoeschfrageImFenster : public Loeschfragen {};

TEST_F(LoeschfrageImFenster, EnterUndEscapeLoeschenNichts)
{
    haupt().ZeigeSeite(TForm2::Seite::Lehrer);
    Meldung::SetAbfang({});
    for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Escape}) {
        QString vorgabe;
        BeimNaechstenDialog([&](QWidget* d) {
            auto* box = qobject_cast<QMessageBox*>(d);
            ASSERT_NE(box, nullptr);
            vorgabe = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, taste);
        });
        Klick(haupt(), "ButLehrerLoesch");
        EXPECT_EQ(vorgabe, S("&Nein"));
        EXPECT_EQ(tag().Lehrer.Anzahl(), 2);
        EXPECT_EQ(tag().Eltern.Suche(S("5a: Meier"))->Sprechwuensche.size(), 2);
    }
}

} // namespace
