// Every control a keyboard user can reach must have a name a screen reader can speak: the
// name Qt hands to the screen reader (own name, caption, or buddy label) must not be empty,
// must not carry markup, and must not be the name of another control shown at the same time.
#include "ansichten.h"
#include "gemeinsam/dateiwahl.h"
#include "ui_hilfen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextEdit>

namespace {

bool IstBedienelement(QWidget* w)
{
    if (w->focusPolicy() == Qt::NoFocus)
        return false;
    // Parts of composite widgets (the line edit inside a spin box, a tab bar's scroll
    // buttons) are spoken through their owner.
    QWidget* p = w->parentWidget();
    if (p
        && (qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p) || p->inherits("QTabBar")
            || p->inherits("QAbstractScrollArea")))
        return false;
    if (w->inherits("QScrollBar") || w->inherits("QMenu") || w->inherits("QTabBar"))
        return false;
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w)
           || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QPlainTextEdit*>(w)
           || qobject_cast<QTextEdit*>(w);
}

QString Gesprochen(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    // On Linux Qt gives a combo box its current item as name and speaks its own name or
    // label through a relation.
    if (qobject_cast<QComboBox*>(w)) {
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        const auto beschriftet = a->relations(QAccessible::Labelled);
        return beschriftet.isEmpty() ? QString() : beschriftet.first().first->text(QAccessible::Name);
    }
    return a->text(QAccessible::Name);
}

QString Wer(QWidget* w)
{
    return QString::fromUtf8(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
}

/// One line per fault: a control without a name, a name with markup, two controls of one
/// view with the same name.
QString NamensFehler(QWidget* fenster)
{
    static const QRegularExpression markup(QStringLiteral("<\\s*/?\\s*[A-Za-z][^>]*>|&[a-z]+;"));
    QStringList fehler;
    for (const Ansicht& ansicht : Ansichten(fenster)) {
        QMap<QString, QStringList> nachName;
        for (QWidget* w : ansicht) {
            if (!IstBedienelement(w))
                continue;
            const QString name = Gesprochen(w);
            QString zeile;
            if (name.trimmed().isEmpty())
                zeile = QStringLiteral("ohne Namen: ") + Wer(w);
            else if (markup.match(name).hasMatch())
                zeile = QStringLiteral("Markup: ") + Wer(w) + QStringLiteral(" „") + name + QStringLiteral("“");
            else
                nachName[name.trimmed()] << Wer(w);
            if (!zeile.isEmpty() && !fehler.contains(zeile))
                fehler << zeile;
        }
        for (auto it = nachName.cbegin(); it != nachName.cend(); ++it) {
            const QString zeile = QStringLiteral("doppelt „") + it.key() + QStringLiteral("“: ") + it.value().join(QStringLiteral(", "));
            if (it.value().size() > 1 && !fehler.contains(zeile))
                fehler << zeile;
        }
    }
    return fehler.join(QLatin1Char('\n'));
}

TEST_F(UiTest, JedesBedienelementJedesFenstersHatEinenEigenenNamen)
{
    // The main window in the state with the most controls: plans shown.
    tag().PlaeneGueltig = true;
    haupt().ZeigeSeite(TForm2::Seite::Plaene);
    QStringList titel, klassen;
    for (QWidget* w : ProgrammFenster()) {
        klassen << QString::fromUtf8(w->metaObject()->className());
        SCOPED_TRACE((w->objectName() + QLatin1Char(' ') + w->windowTitle()).toStdString());
        EXPECT_EQ(NamensFehler(w).toStdString(), "");
        // A window is announced by its name; two alike could not be told apart.
        const QString name = Gesprochen(w);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(titel.contains(name)) << name.toStdString();
        titel << name;
    }
    // Windows made without a parent are walked as well as the main window's dialogs.
    for (const char* k : {"TForm2", "TPausenForm", "TWaitForm", "TCalcForm", "TOptimierFenster", "TPlanEditorForm"})
        EXPECT_TRUE(klassen.contains(QString::fromUtf8(k))) << k;
}

TEST_F(UiTest, DateidialogeHeissenAndersAlsDieFensterDesProgramms)
{
    QStringList titel;
    for (QWidget* w : ProgrammFenster())
        titel << Gesprochen(w);
    QStringList dialoge;
    Dateiwahl::SetAbfang([&](const Dateiwahl::TAnfrage& a) {
        dialoge << a.titel;
        return QString();
    });
    antwort = Meldung::Antwort::Ja;
    BeimNaechstenDialog([](QWidget* d) { static_cast<QDialog*>(d)->accept(); });
    finde<QPushButton>("SpeichernBtn")->click();
    finde<QPushButton>("LadenBtn")->click();
    Dateiwahl::SetAbfang({});
    ASSERT_EQ(dialoge.size(), 2);
    for (const QString& t : dialoge)
        EXPECT_FALSE(titel.contains(t)) << t.toStdString();
}

TEST_F(UiTest, MeldungsfensterSagenWelcherArtSieSind)
{
    // Real boxes this time: the interceptor is off.
    Meldung::SetAbfang({});
    struct Fall {
        std::function<void()> zeige;
        QString art;
    };
    const std::vector<Fall> faelle = {
        {[this] { Meldung::Info(&haupt(), QStringLiteral("Text")); }, QStringLiteral("Hinweis")},
        {[this] { Meldung::Fehler(&haupt(), QStringLiteral("Text")); }, QStringLiteral("Fehler")},
        {[this] { Meldung::Frage(&haupt(), QStringLiteral("Text")); }, QStringLiteral("Frage")},
    };
    QStringList namen;
    for (const Fall& f : faelle) {
        QString name, titel;
        BeimNaechstenDialog([&](QWidget* d) {
            name = Gesprochen(d);
            titel = d->windowTitle();
            static_cast<QMessageBox*>(d)->done(QMessageBox::Ok);
        });
        f.zeige();
        EXPECT_EQ(titel, QStringLiteral("Kalumo")) << "the caption stays the program's name";
        EXPECT_TRUE(name.contains(f.art)) << name.toStdString();
        namen << name;
    }
    namen.removeDuplicates();
    EXPECT_EQ(namen.size(), 3);
}

} // namespace
