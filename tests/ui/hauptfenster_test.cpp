#include "dialoge/pausendialog.h"
#include "ui_hilfen.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

using Seite = TForm2::Seite;

TEST_F(UiTest, SeitenfolgeUndZurueckWeiter)
{
    auto* back = finde<QPushButton>("BackBtn");
    auto* fwd = finde<QPushButton>("FwdBtn");
    auto* pageC = finde<QTabWidget>("PageC");
    haupt().ZeigeSeite(Seite::Vorgaben);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(fwd->isEnabled());

    const QStringList tabs = {QStringLiteral("Vorgaben"), QStringLiteral("Lehrer"), QStringLiteral("Eltern"), QStringLiteral("Vorschau"),
                              QStringLiteral("Zeitpläne")};
    for (int i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(pageC->tabText(i), tabs[i]);

    for (int i = 1; i < 5; ++i) {
        fwd->click();
        EXPECT_EQ(pageC->currentIndex(), i);
        EXPECT_TRUE(back->isEnabled());
        EXPECT_EQ(fwd->isEnabled(), i < 4);
    }
    back->click();
    EXPECT_EQ(haupt().AktiveSeite(), Seite::Vorschau);
    pageC->setCurrentIndex(0);
    EXPECT_FALSE(back->isEnabled());
}

TEST_F(UiTest, VorgabenZeigenDieStandardwerte)
{
    haupt().ZeigeSeite(Seite::Vorgaben);
    EXPECT_EQ(finde<QComboBox>("SprechStartStd")->currentText(), QStringLiteral("15"));
    EXPECT_EQ(finde<QComboBox>("SprechStartMin")->currentText(), QStringLiteral("00"));
    EXPECT_EQ(finde<QComboBox>("SprechEndeStd")->currentText(), QStringLiteral("18"));
    EXPECT_EQ(finde<QComboBox>("SprechTaktCb")->currentText(), QStringLiteral("10"));
}

TEST_F(UiTest, VorgabenAendernDenTag)
{
    haupt().ZeigeSeite(Seite::Vorgaben);
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("A")).ok());
    finde<QComboBox>("SprechStartStd")->setCurrentIndex(16 - 6);
    EXPECT_EQ(tag().Vorgaben.SprechStart, Zeit::Kodiere(16, 0));
    EXPECT_EQ(tag().Lehrer.Record(0).StartZeit, Zeit::Kodiere(16, 0));
    finde<QComboBox>("SprechTaktCb")->setCurrentIndex(14);
    EXPECT_EQ(tag().Vorgaben.SprechTakt, 15);
    finde<QComboBox>("SprechEndeMin")->setCurrentIndex(6);
    EXPECT_EQ(Zeit::Anzeige(tag().Vorgaben.SprechEnde), QStringLiteral("18:30"));
}

struct NamenFall {
    const char* seite;
    const char* feld;
    const char* knopf;
    const char* liste;
    const char* zaehler;
    const char* doppelt;
    const char* leer;
    const char* einer;
};

class NamenSeiten : public UiTest, public testing::WithParamInterface<NamenFall> {};

TEST_P(NamenSeiten, EnterUebernimmtUndDoppelteWerdenAbgewiesen)
{
    const NamenFall& f = GetParam();
    haupt().ZeigeSeite(QString::fromUtf8(f.seite) == QStringLiteral("Lehrer") ? Seite::Lehrer : Seite::Eltern);
    auto* feld = finde<QLineEdit>(f.feld);
    auto* liste = finde<QListView>(f.liste);
    auto* zaehler = finde<QLabel>(f.zaehler);
    EXPECT_EQ(zaehler->text(), QString::fromUtf8(f.leer));

    feld->setFocus();
    feld->setText(QStringLiteral("Müller"));
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_EQ(liste->model()->rowCount(), 1);
    EXPECT_TRUE(feld->text().isEmpty());
    EXPECT_EQ(zaehler->text(), QString::fromUtf8(f.einer));
    EXPECT_TRUE(meldungen.empty());

    feld->setText(QStringLiteral("MÜLLER"));
    QTest::keyClick(feld, Qt::Key_Return);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
    EXPECT_EQ(meldungen[0].text, QString::fromUtf8(f.doppelt));
    EXPECT_EQ(liste->model()->rowCount(), 1);
    EXPECT_EQ(feld->text(), QStringLiteral("MÜLLER")) << "the field keeps the refused name";

    feld->setText(QStringLiteral("Ağa"));
    finde<QPushButton>(f.knopf)->click();
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[1].art, Meldung::Art::Fehler);
    EXPECT_TRUE(meldungen[1].text.contains(QStringLiteral("ğ")));
    EXPECT_EQ(liste->model()->rowCount(), 1);

    feld->setText(QStringLiteral("Abel"));
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_EQ(liste->model()->data(liste->model()->index(0, 0)).toString(), QStringLiteral("Abel"));
    EXPECT_EQ(liste->currentIndex().row(), 0) << "the new name is selected";
    EXPECT_EQ(zaehler->text(), QStringLiteral("2 ") + QString::fromUtf8(f.seite));
}

TEST_P(NamenSeiten, AlleLoeschenFragtNurBeiVollerListe)
{
    const NamenFall& f = GetParam();
    const bool lehrer = QString::fromUtf8(f.seite) == QStringLiteral("Lehrer");
    haupt().ZeigeSeite(lehrer ? Seite::Lehrer : Seite::Eltern);
    auto* loesch = haupt().findChild<QPushButton*>(lehrer ? QStringLiteral("ButLehrerLoesch") : QStringLiteral("BitBtn10"));
    loesch->click();
    EXPECT_TRUE(meldungen.empty());

    auto* feld = finde<QLineEdit>(f.feld);
    feld->setText(QStringLiteral("X"));
    QTest::keyClick(feld, Qt::Key_Return);
    antwort = Meldung::Antwort::Nein;
    loesch->click();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::LoeschFrage);
    EXPECT_EQ(finde<QListView>(f.liste)->model()->rowCount(), 1);
    antwort = Meldung::Antwort::Ja;
    loesch->click();
    EXPECT_EQ(finde<QListView>(f.liste)->model()->rowCount(), 0);
    EXPECT_EQ(finde<QLabel>(f.zaehler)->text(), QString::fromUtf8(f.leer));
}

INSTANTIATE_TEST_SUITE_P(LehrerUndEltern, NamenSeiten,
                         testing::Values(NamenFall{"Lehrer", "InpLehrer", "LehrerSubmitBtn", "LehrerBox", "AnzLehrerPanel",
                                                   "Diesen Lehrer gibt es in der Liste schon!", "Keine Lehrer", "1 Lehrer"},
                                         NamenFall{"Eltern", "InpEltern", "ElternSubmitBtn", "ElternBox", "AnzElternPanel",
                                                   "Diese Eltern gibt es in der Liste schon!", "Keine Eltern", "1 Eltern"}));

TEST_F(UiTest, UnberuehrterStarttextWirdAlsNameUebernommen)
{
    haupt().ZeigeSeite(Seite::Lehrer);
    auto* feld = finde<QLineEdit>("InpLehrer");
    QTest::keyClick(feld, Qt::Key_Return);
    ASSERT_EQ(tag().Lehrer.Anzahl(), 1);
    EXPECT_EQ(tag().Lehrer.Name(0), QStringLiteral("Lehrername (RaumNr)"));
}

TEST_F(UiTest, ElftePauseWirdAbgewiesen)
{
    haupt().ZeigeSeite(Seite::Vorgaben);
    for (int i = 0; i < 10; ++i)
        tag().NeuePause()->SetStart(Zeit::Kodiere(15, 10 * i));
    haupt().PageCChange();
    auto* liste = finde<QListWidget>("PausenBox");
    ASSERT_EQ(liste->count(), 10);
    finde<QPushButton>("PausePlus")->click();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Es sind maximal zehn Pausen möglich."));
    EXPECT_EQ(liste->count(), 10);
    EXPECT_EQ(tag().Pausen.size(), 10u);
}

TEST_F(UiTest, NeuePauseAbbrechenLaesstAllesWieVorher)
{
    haupt().ZeigeSeite(Seite::Vorgaben);
    tag().AlsGespeichertMarkieren();
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("AbbruchBtn"))->click(); });
    finde<QPushButton>("PausePlus")->click();
    EXPECT_TRUE(tag().Pausen.empty());
    EXPECT_EQ(finde<QListWidget>("PausenBox")->count(), 0);
    EXPECT_FALSE(tag().UngespeicherteAenderungen());
}

TEST_F(UiTest, NeuePauseMitOkErscheintSortiertInDerListe)
{
    haupt().ZeigeSeite(Seite::Vorgaben);
    tag().NeuePause(); // 17:00 - 17:30
    BeimNaechstenDialog([](QWidget* d) {
        d->findChild<QLineEdit*>(QStringLiteral("EditStart"))->setText(QStringLiteral("16:05"));
        d->findChild<QLineEdit*>(QStringLiteral("EditDauer"))->setText(QStringLiteral("0:20"));
        d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    finde<QPushButton>("PausePlus")->click();
    ASSERT_EQ(tag().Pausen.size(), 2u);
    EXPECT_EQ(tag().Pausen[1]->SlotVon(), 7);
    auto* liste = finde<QListWidget>("PausenBox");
    ASSERT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->item(0)->text().trimmed(), QStringLiteral("16:05 Uhr - 16:25 Uhr"));
    EXPECT_EQ(liste->item(1)->text().trimmed(), QStringLiteral("17:00 Uhr - 17:30 Uhr"));

    // Deleting the first line removes the break it shows, not the first of the day.
    liste->setCurrentRow(0);
    finde<QPushButton>("PauseMinus")->click();
    ASSERT_EQ(tag().Pausen.size(), 1u);
    EXPECT_EQ(Zeit::Anzeige(tag().Pausen[0]->Start()), QStringLiteral("17:00"));
}

TEST_F(UiTest, PauseBearbeitenMitOkOhneAenderungLaesstDenTagGesichert)
{
    haupt().ZeigeSeite(Seite::Vorgaben);
    tag().NeuePause(); // 17:00 - 17:30
    haupt().DatenNeu();
    tag().AlsGespeichertMarkieren();
    auto* liste = finde<QListWidget>("PausenBox");
    liste->setCurrentRow(0);
    BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
    emit liste->itemActivated(liste->item(0));
    EXPECT_FALSE(tag().UngespeicherteAenderungen());

    liste->setCurrentRow(0);
    BeimNaechstenDialog([](QWidget* d) {
        d->findChild<QLineEdit*>(QStringLiteral("EditDauer"))->setText(QStringLiteral("0:40"));
        d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    emit liste->itemActivated(liste->item(0));
    EXPECT_TRUE(tag().UngespeicherteAenderungen());
    EXPECT_EQ(tag().Pausen[0]->Dauer(), Zeit::Kodiere(0, 40));
}

TEST_F(UiTest, UngueltigeZeitImPausendialogBleibtImFeld)
{
    haupt().ZeigeSeite(Seite::Vorgaben);
    BeimNaechstenDialog([this](QWidget* d) {
        d->findChild<QLineEdit*>(QStringLiteral("EditStart"))->setText(QStringLiteral("25:00"));
        d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        EXPECT_TRUE(d->isVisible()) << "an invalid time keeps the dialog open";
        ASSERT_FALSE(meldungen.empty());
        EXPECT_EQ(meldungen.back().text, QString::fromUtf8("Pausenbeginn: „25:00“ ist keine gültige Uhrzeit. Bitte geben "
                                                           "Sie sie als hh:mm, hh.mm oder hhmm ein, etwa 16:30, 16.30 oder 1630."));
        d->findChild<QPushButton*>(QStringLiteral("AbbruchBtn"))->click();
    });
    finde<QPushButton>("PausePlus")->click();
    EXPECT_TRUE(tag().Pausen.empty());
}

TEST_F(UiTest, HilfeOhnePdfBetrachterZeigtDasHandbuchImBrowser)
{
    const QString pdf = Shell::ProgrammOrdner() + QStringLiteral("Handbuch.pdf");
    const QString html = Shell::ProgrammOrdner() + QStringLiteral("QVTDOC1.HTM");
    const struct {
        const char* fall;
        bool betrachter;
        QStringList gelingt; // files the opener manages to open
        QStringList versucht;
        QStringList meldungTeile; // empty: no message
    } faelle[] = {
        {"PDF-Betrachter da", true, {pdf, html}, {pdf}, {}},
        {"kein PDF-Betrachter, Browser da", false, {pdf, html}, {html},
         {QStringLiteral("kein Programm zum Anzeigen von PDF-Dateien eingerichtet. Das Handbuch „%1“").arg(pdf),
          QStringLiteral("als Internetseite „%1“ in Ihrem Browser geöffnet").arg(html)}},
        {"Betrachter scheitert, Browser da", true, {html}, {pdf, html},
         {QStringLiteral("Das Handbuch „%1“ konnte nicht geöffnet werden.").arg(pdf),
          QStringLiteral("als Internetseite „%1“ in Ihrem Browser geöffnet").arg(html)}},
        {"weder Betrachter noch Browser", false, {}, {html},
         {QStringLiteral("Das Handbuch „%1“ kann deshalb nicht angezeigt werden.").arg(pdf),
          QStringLiteral("Auch die Internetseite „%1“ mit demselben Handbuch ließ sich nicht im Browser öffnen.").arg(html),
          QStringLiteral("PDF-Betrachter benötigt")}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        meldungen.clear();
        QStringList versucht;
        Shell::SetPdfPruefung([&f] { return f.betrachter; });
        Shell::SetOeffner([&](const QUrl& url) {
            versucht << url.toLocalFile();
            return f.gelingt.contains(url.toLocalFile());
        });
        finde<QPushButton>("HelpBtn")->click();
        Shell::SetOeffner({});
        Shell::SetPdfPruefung({});
        EXPECT_EQ(versucht, f.versucht);
        if (f.meldungTeile.isEmpty()) {
            EXPECT_TRUE(meldungen.empty());
            continue;
        }
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
        for (const QString& teil : f.meldungTeile)
            EXPECT_TRUE(meldungen[0].text.contains(teil)) << meldungen[0].text.toStdString();
    }
}

TEST_F(UiTest, FensterTitelNenntDieDatei)
{
    EXPECT_EQ(haupt().windowTitle(), QStringLiteral("Kalumo"));
    haupt().SetDateiName(QStringLiteral("/tmp/ordner/herbst.qvt"));
    EXPECT_EQ(haupt().windowTitle(), QStringLiteral("Kalumo - herbst.qvt"));
    // Window systems append an application display name to every caption that does not end
    // with it ("Kalumo - herbst.qvt — Kalumo"). None may be set: the display name then
    // follows the application name instead of being a text of its own.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Probe"));
    const QString anzeige = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(anzeige, QStringLiteral("Probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Kalumo")) << "message box captions";
}

TEST_F(UiTest, MindestgroesseDesHauptfensters)
{
    haupt().resize(500, 300);
    EXPECT_EQ(haupt().width(), 629);
    EXPECT_EQ(haupt().height(), 460);
    haupt().resize(600, 700);
    EXPECT_EQ(haupt().width(), 629);
    EXPECT_EQ(haupt().height(), 700);
}

} // namespace

#include "ansichten.h"
#include "gemeinsam/titelraum.h"

namespace {

TEST_F(UiTest, JedesFensterHatPlatzFuerSeinenTitel)
{
    for (QWidget* w : ProgrammFenster()) {
        if (w->windowFlags() & Qt::FramelessWindowHint)
            continue;
        SCOPED_TRACE(w->windowTitle().toStdString());
        const int schmalste = std::max(w->minimumWidth(), w->minimumSizeHint().width());
        EXPECT_GE(schmalste, TitelBreite(w));
    }
}

} // namespace
