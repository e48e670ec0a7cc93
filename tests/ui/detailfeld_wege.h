#pragma once
// The ways a value typed into a field of the detail pages must reach the day, shared by the
// tests of the time and the e-mail fields (they commit on the same path): the small day
// both use, and the triggers that end an edit on either page.

#include "aktionen/dateiaktionen.h"
#include "ui_hilfen.h"

#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <vector>

class DetailfeldWege : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        for (const char* l : {"Abel (7)", "Bauer (3)"})
            tag().LehrerUebernehmen(QString::fromUtf8(l));
        for (const char* e : {"5a: Meier", "6b: Kurz"})
            tag().ElternUebernehmen(QString::fromUtf8(e));
        for (const auto& e : tag().Eltern)
            e.record->Sprechwuensche = {QStringLiteral("Abel (7)")};
        haupt().DatenNeu();
    }

    struct Anlass {
        const char* name;
        /// `gueltig`: the typed text is valid (a save then reaches its dialogs).
        std::function<void(bool gueltig)> ausloesen;
    };

    /// The triggers both pages share; `andererEintrag` selects another entry, `andererReiter`
    /// shows another detail tab; `offen` says why a refused value keeps the program open.
    std::vector<Anlass> anlaesse(std::function<void()> andererEintrag, std::function<void()> andererReiter,
                                 const char* offen)
    {
        return {
            {"Reiter der Details", [=](bool) { andererReiter(); }},
            {"Reiter des Hauptfensters", [this](bool) { finde<QTabWidget>("PageC")->setCurrentIndex(int(TForm2::Seite::Vorschau)); }},
            {"anderer Eintrag", [=](bool) { andererEintrag(); }},
            {"Speichern",
             [this](bool gueltig) {
                 // A refused value stops the save before its first dialog.
                 if (gueltig)
                     BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("AbbruchBtn"))->click(); });
                 EXPECT_FALSE(programm.Dateien()->SaveIt());
             }},
            {"Berechnen", [this](bool) { berechneUndWeiter(); }},
            {"Programmende",
             [this, offen](bool gueltig) {
                 antwort = Meldung::Antwort::Nein; // do not save
                 EXPECT_EQ(programm.Dateien()->DarfBeenden(), gueltig) << offen;
                 antwort = Meldung::Antwort::Ja;
             }},
        };
    }
};
