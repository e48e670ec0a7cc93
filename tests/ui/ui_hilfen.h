#pragma once
// Shared pieces of the widget tests: a program with its windows, messages caught instead of
// shown, and finding widgets by their object names.

#include "dialoge/druckfortschritt.h"
#include "fenster/hauptfenster.h"
#include "fenster/rechenfenster.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"
#include "plattform/shell.h"
#include "programm.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>

struct TGefangeneMeldung {
    Meldung::Art art;
    QString text;
};

namespace ui_hilfen_intern {
// Waits for the next modal window to be shown and hands it to the action once its own event
// loop runs. Driven by the show event, so a busy machine or a wait window that processes
// events before the dialog opens cannot make it act too early.
class TDialogWaechter : public QObject {
public:
    explicit TDialogWaechter(std::function<void(QWidget*)> aktion)
        : m_aktion(std::move(aktion))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~TDialogWaechter() override { QCoreApplication::instance()->removeEventFilter(this); }

    static std::unique_ptr<TDialogWaechter>& Offen()
    {
        static std::unique_ptr<TDialogWaechter> offen;
        return offen;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        auto* w = qobject_cast<QWidget*>(objekt);
        // Once used, the watcher waits for its deletion; a window shown before that (the
        // progress window of a print the dialog started) is not its business.
        if (!m_aktion || ereignis->type() != QEvent::Show || !w || !w->isWindow() || !w->isModal())
            return false;
        QPointer<QWidget> dialog(w);
        auto aktion = std::move(m_aktion);
        QMetaObject::invokeMethod(
            w,
            [dialog, aktion] {
                if (dialog && dialog->isVisible())
                    aktion(dialog);
            },
            Qt::QueuedConnection);
        // Done: the action may wait for the next dialog itself.
        Offen().release()->deleteLater();
        return false;
    }

private:
    std::function<void(QWidget*)> m_aktion;
};
} // namespace ui_hilfen_intern

/// Runs `aktion` on the next modal dialog that opens (from inside its exec()).
inline void BeimNaechstenDialog(std::function<void(QWidget*)> aktion)
{
    ui_hilfen_intern::TDialogWaechter::Offen() = std::make_unique<ui_hilfen_intern::TDialogWaechter>(std::move(aktion));
}

/// True while an action of BeimNaechstenDialog still waits for its dialog; clears it.
inline bool DialogAktionOffen()
{
    auto& offen = ui_hilfen_intern::TDialogWaechter::Offen();
    const bool war = offen != nullptr;
    offen.reset();
    return war;
}

/// While it lives, every step of a print job's progress window is noted (its text), and
/// "Abbrechen" is pressed once `nach` plans or pages are done.
class TDruckAbbruchNach {
public:
    explicit TDruckAbbruchNach(int nach)
    {
        TDruckFortschrittFenster::SetBeobachter([this, nach](QProgressDialog& fenster, int fertig) {
            EXPECT_TRUE(fenster.isVisible());
            EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Drucken"));
            gesehen << fenster.labelText();
            if (fertig == nach)
                fenster.findChild<QPushButton*>(QStringLiteral("DruckAbbrechen"))->click();
        });
    }
    ~TDruckAbbruchNach() { TDruckFortschrittFenster::SetBeobachter({}); }
    TDruckAbbruchNach(const TDruckAbbruchNach&) = delete;
    TDruckAbbruchNach& operator=(const TDruckAbbruchNach&) = delete;

    QStringList gesehen;
};

class UiTest : public testing::Test {
protected:
    void SetUp() override
    {
        Meldung::SetAbfang([this](Meldung::Art art, const QString& text) {
            meldungen.push_back({art, text});
            return antwort;
        });
        programm.FensterErzeugen();
        haupt().show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        Meldung::SetAbfang({});
        EXPECT_FALSE(DialogAktionOffen()) << "a dialog the test waited for never opened";
        haupt().hide();
    }

    TForm2& haupt() { return *programm.Hauptfenster(); }
    TSprechtag& tag() { return programm.Tag(); }

    /// Presses "Zeitpläne be&rechnen" on its page and, at "Fertig!", "&Weiter".
    void berechneUndWeiter()
    {
        haupt().ZeigeSeite(TForm2::Seite::Plaene);
        finde<QPushButton>("ZeitPlanCalcBut")->click();
        ASSERT_TRUE(programm.Rechenfenster()->Fertig());
        programm.Rechenfenster()->WeiterBtn()->click();
    }

    /// The texts of the error messages caught so far, in order.
    std::vector<QString> fehlermeldungen() const
    {
        std::vector<QString> t;
        for (const auto& m : meldungen)
            if (m.art == Meldung::Art::Fehler)
                t.push_back(m.text);
        return t;
    }

    template <class W>
    W* finde(const char* name, QWidget* in = nullptr)
    {
        QWidget* wurzel = in ? in : static_cast<QWidget*>(&haupt());
        W* w = wurzel->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    TProgramm programm;
    std::vector<TGefangeneMeldung> meldungen;
    Meldung::Antwort antwort = Meldung::Antwort::Ja;
};
