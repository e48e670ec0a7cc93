#pragma once
// Shared pieces of the widget tests: a program with its windows, messages caught instead of
// shown, and finding widgets by their object names.

#include "fenster/hauptfenster.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"
#include "plattform/shell.h"
#include "programm.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

struct TGefangeneMeldung {
    Meldung::Art art;
    QString text;
};

/// Runs `aktion` on the next modal dialog that opens (from inside its exec()).
inline void BeimNaechstenDialog(std::function<void(QWidget*)> aktion)
{
    QTimer::singleShot(0, [aktion] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        aktion(d);
    });
}

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
        haupt().hide();
    }

    TForm2& haupt() { return *programm.Hauptfenster(); }
    TSprechtag& tag() { return programm.Tag(); }

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
