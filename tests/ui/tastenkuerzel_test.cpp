// Alt+letter must reach exactly one control in whatever a window shows at once (one view,
// see ansichten.h). Every window of the program is walked.
#include "ansichten.h"
#include "ui_hilfen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

QString Beschreibung(QWidget* w, const QString& text)
{
    return QStringLiteral("%1 „%2“").arg(w->objectName().isEmpty() ? QString::fromUtf8(w->metaObject()->className()) : w->objectName(), text);
}

/// The mnemonic letters of one widget with what they belong to; labels only count with a
/// buddy, since without one Qt gives their letter no function.
QList<QPair<QKeySequence, QString>> Kuerzel(QWidget* w)
{
    QList<QPair<QKeySequence, QString>> k;
    auto nimm = [&](const QString& text) {
        const QKeySequence taste = QKeySequence::mnemonic(text);
        if (!taste.isEmpty())
            k.append({taste, Beschreibung(w, text)});
    };
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        nimm(b->text());
    else if (auto* lb = qobject_cast<QLabel*>(w); lb && lb->buddy())
        nimm(lb->text());
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        nimm(g->title());
    else if (auto* leiste = qobject_cast<QTabBar*>(w))
        for (int i = 0; i < leiste->count(); ++i)
            nimm(leiste->tabText(i));
    return k;
}

/// "Alt+P: SpeichernBtn „S&peichern“, CbRaumwechselPause „Pausen ein&planen“" per clash.
QStringList Doppelte(QWidget* fenster)
{
    QStringList doppelt;
    for (const Ansicht& ansicht : Ansichten(fenster)) {
        QMap<QString, QStringList> nachTaste;
        for (QWidget* w : ansicht)
            for (const auto& [taste, wer] : Kuerzel(w))
                nachTaste[taste.toString()] << wer;
        for (auto it = nachTaste.cbegin(); it != nachTaste.cend(); ++it) {
            const QString zeile = it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
            if (it.value().size() > 1 && !doppelt.contains(zeile))
                doppelt << zeile;
        }
    }
    return doppelt;
}

/// Labels whose letter is shown underlined but leads nowhere.
QStringList LabelsOhneZiel(QWidget* fenster)
{
    QStringList ohne;
    for (QLabel* lb : fenster->findChildren<QLabel*>()) {
        if (lb->window() != fenster || lb->textFormat() == Qt::PlainText || lb->buddy())
            continue;
        QString t = lb->text();
        t.replace(QStringLiteral("&&"), QString());
        if (!QKeySequence::mnemonic(lb->text()).isEmpty() && t.contains(QLatin1Char('&')))
            ohne << Beschreibung(lb, lb->text());
    }
    return ohne;
}

TEST_F(UiTest, KeinFensterHatEinTastenkuerzelDoppelt)
{
    int fenster = 0;
    for (QWidget* w : ProgrammFenster()) {
        ++fenster;
        SCOPED_TRACE((w->objectName() + QStringLiteral(" ") + w->windowTitle()).toStdString());
        EXPECT_EQ(Doppelte(w).join(QLatin1Char('\n')).toStdString(), "");
        EXPECT_EQ(LabelsOhneZiel(w).join(QLatin1Char('\n')).toStdString(), "");
    }
    EXPECT_GE(fenster, 10) << "main, start, progress and break windows and the dialogs";
}

TEST_F(UiTest, TastenkuerzelPruefungFindetEinenZusammenstoss)
{
    // The walk itself: two buttons in one view clash, the same letter on two tab pages not.
    QWidget fenster;
    auto* reiter = new QTabWidget(&fenster);
    auto* eins = new QWidget;
    auto* zwei = new QWidget;
    new QPushButton(QStringLiteral("&Speichern"), eins);
    new QPushButton(QStringLiteral("&Suchen"), zwei);
    reiter->addTab(eins, QStringLiteral("Eins"));
    reiter->addTab(zwei, QStringLiteral("Zwei"));
    EXPECT_TRUE(Doppelte(&fenster).isEmpty());
    new QPushButton(QStringLiteral("Pau&sen"), zwei);
    EXPECT_EQ(Doppelte(&fenster).size(), 1);
}

} // namespace
