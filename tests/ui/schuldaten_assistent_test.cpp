// The school-data wizard driven through its steps: files and their guessed kinds, the
// preview with its controls, the result, and applying or cancelling.
#include "aktionen/einstellungen.h"
#include "aktionen/importaktionen.h"
#include "dialoge/schuldaten/assistent.h"
#include "fenster/statistikfenster.h"
#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/startordner.h"
#include "plattform/shell.h"
#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"
#include "ui_hilfen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QTabBar>
#include <QTabWidget>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

QString datei(const char* name)
{
    return QStringLiteral(KALUMO_TESTDATEN "/schuldaten/") + QString::fromUtf8(name);
}

class SchuldatenUi : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Dateiwahl::SetAbfang([this](const Dateiwahl::TAnfrage& a) {
            anfragen.push_back(a);
            return dateien.isEmpty() ? QString() : dateien.takeFirst();
        });
    }
    void TearDown() override
    {
        Dateiwahl::SetAbfang({});
        UiTest::TearDown();
    }

    /// Opens the wizard from the page and runs `schritte` inside it; the wizard is
    /// cancelled afterwards if the steps left it open.
    void imAssistenten(TForm2::Seite seite, const std::function<void(TSchuldatenAssistent*)>& schritte)
    {
        haupt().ZeigeSeite(seite);
        BeimNaechstenDialog([schritte](QWidget* d) {
            auto* a = qobject_cast<TSchuldatenAssistent*>(d);
            ASSERT_NE(a, nullptr) << d->metaObject()->className();
            schritte(a);
            if (a->isVisible())
                a->reject();
        });
        QWidget* leiste = seite == TForm2::Seite::Lehrer ? static_cast<QWidget*>(haupt().Lehrer())
                                                          : static_cast<QWidget*>(haupt().Eltern());
        finde<QPushButton>("SchuldatenBtn", leiste)->click();
    }

    void hinzufuegen(TSchuldatenAssistent* a, const QStringList& pfade)
    {
        for (const QString& p : pfade) {
            dateien << p;
            finde<QPushButton>("SchuldatenHinzuBtn", a)->click();
        }
    }

    static QStringList eintraege(QListWidget* liste)
    {
        QStringList t;
        for (int i = 0; i < liste->count(); ++i)
            t << liste->item(i)->text();
        return t;
    }

    QStringList dateien;
    std::vector<Dateiwahl::TAnfrage> anfragen;
};

TEST_F(SchuldatenUi, DurchAlleSchritteMitEigenemMusterUndUebernehmen)
{
    imAssistenten(TForm2::Seite::Lehrer, [this](TSchuldatenAssistent* a) {
        EXPECT_EQ(a->windowTitle(), QStringLiteral("Schuldaten importieren"));
        EXPECT_FALSE(a->button(QWizard::NextButton)->isEnabled()) << "without a file there is nothing to read";
        hinzufuegen(a, {datei("GPU004.TXT"), datei("utf8/GPU010.TXT"), datei("utf8/GPU002.TXT"),
                        datei("wuensche_faecher.csv")});
        EXPECT_EQ(eintraege(finde<QListWidget>("SchuldatenListe", a)),
                  (QStringList{"Lehrer: GPU004.TXT", "Schüler: GPU010.TXT", "Unterricht: GPU002.TXT",
                               "Sprechwünsche: wuensche_faecher.csv"}));
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::VorschauId);

        // The teachers' file as read: no header, seven records, the line numbers of the file.
        auto* tabelle = finde<QTableWidget>("SchuldatenTabelle", a);
        EXPECT_EQ(tabelle->rowCount(), 7);
        EXPECT_EQ(tabelle->item(1, 1)->text(), QStringLiteral("Müller"));
        EXPECT_EQ(tabelle->verticalHeaderItem(6)->text(), QStringLiteral("7"));
        EXPECT_TRUE(tabelle->horizontalHeaderItem(1)->text().contains(QStringLiteral("Nachname")));
        EXPECT_EQ(finde<QComboBox>("SchuldatenKodierungCb", a)->currentText(),
                  QStringLiteral("automatisch (Windows-1252)"));

        auto* muster = finde<QLineEdit>("SchuldatenLehrerMuster", a);
        EXPECT_EQ(muster->text(), QStringLiteral("{Titel} {Nachname} ({Raum})"));
        muster->setText(QStringLiteral("{Nachname} ({Kürzel})"));
        EXPECT_TRUE(finde<QLabel>("SchuldatenNamenVorschau", a)->text().contains(QStringLiteral("„Müller (MÜL)“")));
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::ErgebnisId);

        EXPECT_TRUE(tag().Lehrer.IstLeer()) << "nothing changes before the user confirms";
        const QString bericht = finde<QPlainTextEdit>("SchuldatenBericht", a)->toPlainText();
        EXPECT_TRUE(bericht.contains(QStringLiteral("GPU004.TXT, Zeile 6: kein Nachname"))) << bericht.toStdString();
        EXPECT_TRUE(bericht.contains(QStringLiteral("wuensche_faecher.csv, „Musik“ passt zu keiner Lehrkraft und zu "
                                                    "keinem Fach der Klasse 9c – 1 Zeile: 5")))
            << bericht.toStdString();
        EXPECT_TRUE(bericht.contains(QStringLiteral("GPU010.TXT, Zeile 4: 5a: Nowak, Łukasz → 5a: Nowak, Lukasz")));
        EXPECT_TRUE(finde<QLabel>("SchuldatenZusammenfassung", a)
                        ->text()
                        .startsWith(QStringLiteral("Neu: 5 Lehrer, 5 Eltern, 6 Sprechwünsche.")));
        a->button(QWizard::FinishButton)->click();
        EXPECT_FALSE(a->isVisible());
    });
    EXPECT_EQ(tag().Lehrer.Namen(), (QStringList{"Du Bois (DUB)", "Klein (KLE)", "Müller (MÜL)", "Schäfer (SÄF)",
                                                 "Weber (WEB)"}));
    EXPECT_EQ(tag().Eltern.Suche(QStringLiteral("7b: Weber, Lena"))->Sprechwuensche,
              (QStringList{"Weber (WEB)", "Müller (MÜL)", "Du Bois (DUB)"}));
    EXPECT_TRUE(meldungen.empty());
    // The next import starts with the pattern and folder of this one.
    const TSchuldatenAssistent* a = programm.Hauptfenster()->findChild<TSchuldatenAssistent*>();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Muster().Lehrer, QStringLiteral("{Nachname} ({Kürzel})"));
    EXPECT_EQ(a->Ordner(), QFileInfo(datei("wuensche_faecher.csv")).absolutePath());
}

TEST_F(SchuldatenUi, UmschreibenAbschaltbarUndBei1024x768AllesLesbar)
{
    imAssistenten(TForm2::Seite::Eltern, [this](TSchuldatenAssistent* a) {
        hinzufuegen(a, {datei("schueler_unicode.csv")});
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::VorschauId);
        EXPECT_LE(a->minimumSizeHint().width(), 1024);
        EXPECT_LE(a->minimumSizeHint().height(), 768);
        a->resize(1000, 720);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        // The automatic choices name what was detected, and the text is not cut.
        for (const char* name : {"SchuldatenKodierungCb", "SchuldatenTrennerCb", "SchuldatenKopfCb"}) {
            auto* cb = finde<QComboBox>(name, a);
            EXPECT_GE(cb->width(), cb->sizeHint().width()) << name << " " << cb->currentText().toStdString();
        }
        EXPECT_TRUE(finde<QLabel>("SchuldatenNamenVorschau", a)->text().contains(QStringLiteral("„8a: Yilmaz, Elif“")));
        auto* umschreiben = finde<QCheckBox>("SchuldatenUmschreibenCb", a);
        EXPECT_TRUE(umschreiben->isChecked());
        umschreiben->setChecked(false);
        EXPECT_TRUE(finde<QLabel>("SchuldatenNamenVorschau", a)->text().contains(QStringLiteral("„8a: Yılmaz, Elif“")));
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::ErgebnisId);
        auto* bericht = finde<QPlainTextEdit>("SchuldatenBericht", a);
        EXPECT_EQ(bericht->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_TRUE(bericht->toPlainText().contains(QStringLiteral("„8a: Yılmaz, Elif“ enthält das Zeichen")))
            << bericht->toPlainText().toStdString();
        a->back();
        umschreiben->setChecked(true);
        a->next();
        EXPECT_TRUE(bericht->toPlainText().contains(QStringLiteral("Zeile 2: 8a: Yılmaz, Elif → 8a: Yilmaz, Elif")));
        a->button(QWizard::FinishButton)->click();
    });
    EXPECT_TRUE(tag().Eltern.Enthaelt(QStringLiteral("8a: Yilmaz, Elif")));
}

TEST_F(SchuldatenUi, UmschreibenKommtAusDerEinstellungsdateiUndGehtNurMitDemImportZurueck)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("qvt.ini"));
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Schuldaten]\nUmschreiben=0\n");
    }
    TEinstellungen* e = programm.Einstellungen();
    e->SetPfad(ini);
    e->LoadIni();
    const auto gespeichert = [&] {
        EXPECT_TRUE(e->SaveIni().isEmpty());
        QFile f(ini);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    // Each run: the box as the last applied import left it, then set to `an`.
    const struct {
        bool vorher;
        bool an;
        bool uebernehmen;
        const char* danach;
    } laeufe[] = {
        {false, true, true, "Umschreiben=1"},
        {true, false, false, "Umschreiben=1"},
        {true, false, true, "Umschreiben=0"},
        {false, false, true, "Umschreiben=0"},
    };
    for (const auto& l : laeufe) {
        imAssistenten(TForm2::Seite::Eltern, [&](TSchuldatenAssistent* a) {
            hinzufuegen(a, {datei("schueler_unicode.csv")});
            a->next();
            ASSERT_EQ(a->currentId(), TSchuldatenAssistent::VorschauId);
            auto* umschreiben = finde<QCheckBox>("SchuldatenUmschreibenCb", a);
            EXPECT_EQ(umschreiben->isChecked(), l.vorher);
            umschreiben->setChecked(l.an);
            a->next();
            if (l.uebernehmen)
                a->button(QWizard::FinishButton)->click();
            else
                a->button(QWizard::CancelButton)->click();
        });
        EXPECT_TRUE(gespeichert().contains(QString::fromLatin1(l.danach))) << l.danach;
    }
    e->SetPfad(QString::fromLocal8Bit(qgetenv("KALUMO_INI")));
}

TEST_F(SchuldatenUi, StatistikReiterAlleLesbar)
{
    TStatForm* stat = programm.Statistik();
    auto* reiter = stat->findChild<QTabWidget*>(QStringLiteral("TabbedNotebook1"));
    ASSERT_NE(reiter, nullptr);
    EXPECT_FALSE(reiter->usesScrollButtons());
    // Without scroll arrows the window cannot get narrower than its tab titles.
    EXPECT_GE(reiter->minimumSizeHint().width(), reiter->tabBar()->sizeHint().width());
    EXPECT_LE(stat->minimumSizeHint().width(), 1024);
    EXPECT_EQ(reiter->tabText(reiter->count() - 1), QStringLiteral("Gründe"));
}

TEST_F(SchuldatenUi, AbbrechenInJedemSchrittLaesstDenTagUnveraendert)
{
    for (int schritt = 0; schritt < 3; ++schritt) {
        SCOPED_TRACE(schritt);
        imAssistenten(TForm2::Seite::Eltern, [&](TSchuldatenAssistent* a) {
            hinzufuegen(a, {datei("schueler_semikolon.csv")});
            EXPECT_EQ(eintraege(finde<QListWidget>("SchuldatenListe", a)),
                      QStringList{"Schüler: schueler_semikolon.csv"});
            for (int i = 0; i < schritt; ++i)
                a->next();
            if (schritt >= 1)
                finde<QLineEdit>("SchuldatenElternMuster", a)->setText(QStringLiteral("{Nachname}"));
            a->button(QWizard::CancelButton)->click();
        });
        EXPECT_TRUE(tag().Eltern.IstLeer());
        EXPECT_FALSE(tag().UngespeicherteAenderungen());
    }
    const TSchuldatenAssistent* a = programm.Hauptfenster()->findChild<TSchuldatenAssistent*>();
    EXPECT_EQ(a->Muster().Eltern, QStringLiteral("{Klasse}: {Nachname}, {Vorname}")) << "a cancelled import leaves no trace";
}

TEST_F(SchuldatenUi, FehlerInDateiUndZuordnungHaltenDenSchrittAn)
{
    imAssistenten(TForm2::Seite::Lehrer, [this](TSchuldatenAssistent* a) {
        // The file exists no more when the step is left.
        hinzufuegen(a, {datei("gibt_es_nicht.csv")});
        a->next();
        EXPECT_EQ(a->currentId(), TSchuldatenAssistent::DateienId);
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].art, Meldung::Art::Fehler);
        EXPECT_TRUE(meldungen[0].text.contains(QStringLiteral("gibt_es_nicht.csv")));
        finde<QPushButton>("SchuldatenEntfernenBtn", a)->click();
        EXPECT_FALSE(a->button(QWizard::NextButton)->isEnabled());

        // A Windows-1252 file read as UTF-8 is refused, and detection takes over again.
        hinzufuegen(a, {datei("lehrer_tab.txt")});
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::VorschauId);
        auto* kodierung = finde<QComboBox>("SchuldatenKodierungCb", a);
        kodierung->setCurrentIndex(kodierung->findText(QStringLiteral("UTF-8")));
        emit kodierung->activated(kodierung->currentIndex());
        ASSERT_EQ(meldungen.size(), 2u);
        EXPECT_TRUE(meldungen[1].text.contains(QStringLiteral("lehrer_tab.txt")));
        EXPECT_TRUE(meldungen[1].text.contains(QStringLiteral("UTF-8")));
        EXPECT_EQ(kodierung->currentIndex(), 0);
        const QTableWidgetItem* zelle = finde<QTableWidget>("SchuldatenTabelle", a)->item(0, 1);
        ASSERT_NE(zelle, nullptr);
        EXPECT_EQ(zelle->text(), QStringLiteral("Brändle"));

        // Taking the meaning "Nachname" off column 2 leaves no name column: the step stays.
        auto* spalte = finde<QComboBox>("SchuldatenSpalteCb", a);
        auto* feld = finde<QComboBox>("SchuldatenFeldCb", a);
        spalte->setCurrentIndex(1);
        EXPECT_EQ(feld->currentText(), QStringLiteral("Nachname"));
        feld->setCurrentIndex(0);
        emit feld->activated(0);
        spalte->setCurrentIndex(0);
        feld->setCurrentIndex(0);
        emit feld->activated(0);
        a->next();
        EXPECT_EQ(a->currentId(), TSchuldatenAssistent::VorschauId);
        ASSERT_EQ(meldungen.size(), 3u);
        EXPECT_TRUE(meldungen[2].text.contains(QStringLiteral("„Nachname“ oder „Kürzel“")));

        // Assigning it again lets the user go on.
        spalte->setCurrentIndex(1);
        feld->setCurrentIndex(feld->findText(QStringLiteral("Nachname")));
        emit feld->activated(feld->currentIndex());
        a->next();
        EXPECT_EQ(a->currentId(), TSchuldatenAssistent::ErgebnisId);
        a->button(QWizard::FinishButton)->click();
    });
    EXPECT_EQ(tag().Lehrer.Namen(), (QStringList{"Brändle (C 4)", "Dr. Lorenz"}));
}

TEST_F(SchuldatenUi, NeueWuenscheFragenVorDemVerwerfenDerZeitplaene)
{
    for (const char* n : {"Dr. Weber (R 101)", "Müller", "Du Bois (B 2)"})
        tag().LehrerUebernehmen(QString::fromUtf8(n));
    for (const char* n : {"7b: Weber, Lena", "7b: Özkan, Ümit", "5a: Meier, Zoë"})
        tag().ElternUebernehmen(QString::fromUtf8(n));
    tag().PlaeneGueltig = true;

    imAssistenten(TForm2::Seite::Eltern, [this](TSchuldatenAssistent* a) {
        hinzufuegen(a, {datei("GPU004.TXT"), datei("wuensche_kuerzel.csv")});
        a->next();
        a->next();
        antwort = Meldung::Antwort::Nein;
        a->button(QWizard::FinishButton)->click();
        EXPECT_TRUE(a->isVisible()) << "No keeps the wizard open";
        EXPECT_TRUE(tag().PlaeneGueltig);
        EXPECT_TRUE(tag().Eltern.Suche(QStringLiteral("7b: Weber, Lena"))->Sprechwuensche.isEmpty());
        antwort = Meldung::Antwort::Ja;
        a->button(QWizard::FinishButton)->click();
        EXPECT_FALSE(a->isVisible());
    });
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::LoeschFrage);
    EXPECT_FALSE(tag().PlaeneGueltig);
    EXPECT_EQ(tag().Eltern.Suche(QStringLiteral("7b: Weber, Lena"))->Sprechwuensche,
              (QStringList{"Dr. Weber (R 101)", "Du Bois (B 2)"}));
    EXPECT_EQ(tag().Lehrer.Anzahl(), 5);
}

TEST_F(SchuldatenUi, ErsterDateidialogOeffnetBeiDerTagesdateiNieImProgrammordner)
{
    QTemporaryDir dir;
    const QString tagesordner = dir.filePath(QStringLiteral("Sprechtage"));
    ASSERT_TRUE(QDir().mkpath(tagesordner));
    const struct {
        const char* fall;
        QString gemerkt;
        QString tagesdatei;
        QString erwartet;
    } faelle[] = {
        {"nichts gemerkt", QString(), tagesordner + QStringLiteral("/herbst.qvt"), tagesordner},
        {"Programmordner gemerkt", Shell::ProgrammOrdner(), tagesordner + QStringLiteral("/herbst.qvt"), tagesordner},
        {"Ordner gemerkt", dir.path(), tagesordner + QStringLiteral("/herbst.qvt"), dir.path()},
        {"ohne Tagesdatei", QString(), QString(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)},
    };
    for (const auto& f : faelle) {
        anfragen.clear();
        Startordner::SetTagesdateiQuelle([&f] { return f.tagesdatei; });
        programm.Import()->Assistent()->SetOrdner(f.gemerkt);
        imAssistenten(TForm2::Seite::Lehrer, [&](TSchuldatenAssistent* a) { hinzufuegen(a, {datei("lehrer_bom.csv")}); });
        ASSERT_EQ(anfragen.size(), 1u) << f.fall;
        EXPECT_EQ(anfragen[0].ordner, f.erwartet) << f.fall;
    }
}

} // namespace

namespace {

TEST_F(SchuldatenUi, EinladungsdateiUndErsterWunschAlsVorrangImErstenSchritt)
{
    imAssistenten(TForm2::Seite::Eltern, [this](TSchuldatenAssistent* a) {
        hinzufuegen(a, {datei("GPU004.TXT"), datei("utf8/GPU010.TXT"), datei("wuensche_kuerzel.csv")});
        auto* liste = finde<QListWidget>("SchuldatenListe", a);
        auto* einladungen = finde<QCheckBox>("SchuldatenEinladungenCb", a);
        liste->setCurrentRow(0);
        EXPECT_FALSE(einladungen->isEnabled()) << "a teachers' file holds no invitations";
        liste->setCurrentRow(2);
        ASSERT_TRUE(einladungen->isEnabled());
        einladungen->click();
        EXPECT_EQ(eintraege(liste), (QStringList{"Lehrer: GPU004.TXT", "Schüler: GPU010.TXT", "Einladungen: wuensche_kuerzel.csv"}));
        EXPECT_EQ(liste->currentRow(), 2);
        auto* erster = finde<QCheckBox>("SchuldatenErsterWunschVorrangCb", a);
        EXPECT_FALSE(erster->isChecked());
        erster->click();
        a->next();
        a->next();
        ASSERT_EQ(a->currentId(), TSchuldatenAssistent::ErgebnisId);
        a->button(QWizard::FinishButton)->click();
    });
    // Worked out from the file: Lena Weber is invited by WEB and DUB, Ümit Özkan by MÜL
    // and WEB (the second "web" is the same teacher).
    auto nachnamen = [this](const char* eintrag) {
        const TEltern* e = tag().Eltern.Suche(QString::fromUtf8(eintrag));
        EXPECT_NE(e, nullptr) << eintrag;
        QStringList n;
        if (!e)
            return n;
        for (const QString& l : e->Einladungen) {
            EXPECT_TRUE(e->Sprechwuensche.contains(l)) << "an invitation is a request";
            n << l.section(QStringLiteral(" ("), 0, 0).section(u' ', -1);
        }
        n.sort();
        return n;
    };
    EXPECT_EQ(nachnamen("7b: Weber, Lena"), (QStringList{"Bois", "Weber"}));
    EXPECT_EQ(nachnamen("7b: Özkan, Ümit"), (QStringList{"Müller", "Weber"}));
    const TSchuldatenAssistent* a = programm.Hauptfenster()->findChild<TSchuldatenAssistent*>();
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->Muster().ErsterWunschVorrang) << "the next import starts with the same choice";
}

} // namespace
