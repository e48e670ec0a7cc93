#include "dialoge/planeinstellungen.h"

#include "gemeinsam/meldungen.h"
#include "gemeinsam/titelraum.h"
#include "text/freitext.h"
#include "model/einstellungen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel* Hinweis(const QString& text, QWidget* eltern)
{
    auto* lb = new QLabel(text, eltern);
    lb->setTextFormat(Qt::PlainText);
    lb->setWordWrap(true);
    return lb;
}

/// "Druckformat" with its two items; the group's ids are the item indexes.
QGroupBox* FormatGruppe(const QString& name, const QString& a4, const QString& a6, QButtonGroup*& gruppe, QWidget* eltern)
{
    auto* box = new QGroupBox(QStringLiteral("Druckformat"), eltern);
    box->setObjectName(name);
    gruppe = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    int id = 0;
    for (const QString& text : {a4, a6}) {
        auto* rb = new QRadioButton(text, box);
        rb->setObjectName(name + (id == 0 ? QStringLiteral("A4") : QStringLiteral("A6")));
        rb->setAccessibleName(QStringLiteral("Druckformat ") + text.simplified().section(QLatin1Char(' '), 0, 1));
        gruppe->addButton(rb, id++);
        layout->addWidget(rb);
    }
    return box;
}

QStringList MemoZeilen(const QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

TPlanSetupForm::TPlanSetupForm(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("PlanSetupForm"));
    setWindowTitle(QStringLiteral("Zeitplaneinstellungen"));
    m_reiter = new QTabWidget(this);
    m_reiter->setObjectName(QStringLiteral("PlanSetupReiter"));

    // Allgemein
    auto* allgemein = new QWidget(m_reiter);
    m_schule = new QLineEdit(allgemein);
    m_schule->setObjectName(QStringLiteral("SchulNameEdit"));
    auto* schuleLb = new QLabel(QStringLiteral("&Name der Schule"), allgemein);
    schuleLb->setBuddy(m_schule);
    auto* schuleHinweis = Hinweis(QStringLiteral("Steht über jedem Zeitplan. Er gilt für alle Sprechtage und wird mit den "
                                                 "Programmeinstellungen gespeichert."),
                                  allgemein);
    m_schule->setAccessibleDescription(schuleHinweis->text());
    m_headline2 = new QLineEdit(allgemein);
    m_headline2->setObjectName(QStringLiteral("Headline2"));
    auto* headLb = new QLabel(QStringLiteral("&Zweite Zeitplan-Überschrift"), allgemein);
    headLb->setBuddy(m_headline2);
    auto* headHinweis = Hinweis(QStringLiteral("Dieser Text erscheint als zweite Überschrift auf jedem Zeitplan. Hier kann "
                                               "beispielsweise das Datum des Elternsprechtags erscheinen."),
                                allgemein);
    m_headline2->setAccessibleDescription(headHinweis->text());
    m_fussnote = new QCheckBox(QStringLiteral("&Fußnote drucken"), allgemein);
    m_fussnote->setObjectName(QStringLiteral("PrintQVTnote"));
    auto* fussHinweis = Hinweis(QStringLiteral("Die Zeitpläne tragen am unteren Rand den Text „Erstellt mit Kalumo“, "
                                               "sofern Sie ihn hier nicht abschalten."),
                                allgemein);
    m_fussnote->setAccessibleDescription(fussHinweis->text());
    auto* al = new QVBoxLayout(allgemein);
    al->addWidget(schuleLb);
    al->addWidget(m_schule);
    al->addWidget(schuleHinweis);
    al->addSpacing(8);
    al->addWidget(headLb);
    al->addWidget(m_headline2);
    al->addWidget(headHinweis);
    al->addSpacing(8);
    al->addWidget(m_fussnote);
    al->addWidget(fussHinweis);
    al->addStretch();

    // Lehrerzeitpläne
    auto* lehrer = new QWidget(m_reiter);
    auto* lehrerFmt = FormatGruppe(QStringLiteral("LehrerFmt"), QStringLiteral("DIN A4      <-- Standard"), QStringLiteral("DIN A6"),
                                   m_lehrerFmt, lehrer);
    m_freieTermine = new QCheckBox(QStringLiteral("Freie &Termine im Zeitplan anzeigen"), lehrer);
    m_freieTermine->setObjectName(QStringLiteral("FreieTermAnzCb"));
    auto* freiHinweis = Hinweis(QStringLiteral("Kennzeichnet Lücken in den Zeitplänen der Lehrer. Änderungen dieser Option werden "
                                               "erst nach dem Neu-Berechnen wirksam."),
                                lehrer);
    m_freieTermine->setAccessibleDescription(freiHinweis->text());
    auto* ll = new QVBoxLayout(lehrer);
    ll->addWidget(lehrerFmt);
    ll->addWidget(Hinweis(QStringLiteral("Aus Platzgründen wird empfohlen, die Pläne der Lehrer im Format A4 zu drucken."), lehrer));
    ll->addSpacing(8);
    ll->addWidget(m_freieTermine);
    ll->addWidget(freiHinweis);
    ll->addStretch();

    // Elternzeitpläne
    auto* eltern_ = new QWidget(m_reiter);
    auto* elternFmt = FormatGruppe(QStringLiteral("ElternFmt"), QStringLiteral("DIN A4"), QStringLiteral("DIN A6      <-- Standard"),
                                   m_elternFmt, eltern_);
    m_elternBrief = new QPlainTextEdit(eltern_);
    m_elternBrief->setObjectName(QStringLiteral("Memo1"));
    m_elternBrief->setTabChangesFocus(true);
    m_elternBrief->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* briefLb = new QLabel(QStringLiteral("&Einleitungstext (optional)"), eltern_);
    briefLb->setBuddy(m_elternBrief);
    auto* el = new QVBoxLayout(eltern_);
    el->addWidget(elternFmt);
    el->addWidget(briefLb);
    el->addWidget(m_elternBrief, 1);

    m_reiter->addTab(allgemein, QStringLiteral("Allgemein"));
    m_reiter->addTab(lehrer, QStringLiteral("Lehrerzeitpläne"));
    m_reiter->addTab(eltern_, QStringLiteral("Elternzeitpläne"));

    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    hilfe->setObjectName(QStringLiteral("HilfeBtn"));
    hilfe->setVisible(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe);
    knoepfe->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_reiter, 1);
    layout->addLayout(knoepfe);

    zeige(TPlanEinstellungen{}, false);
    resize(440, 400);
    RaumFuerTitel(this);
}

void TPlanSetupForm::zeige(const TPlanEinstellungen& plan, bool freieTermine)
{
    m_headline2->setText(plan.Headline2);
    m_fussnote->setChecked(plan.Fussnote);
    m_lehrerFmt->button(plan.LehrerFmt == TPlanEinstellungen::FormatA6 ? 1 : 0)->setChecked(true);
    m_elternFmt->button(plan.ElternFmt == TPlanEinstellungen::FormatA4 ? 0 : 1)->setChecked(true);
    m_elternBrief->setPlainText(plan.ElternBrief.join(QLatin1Char('\n')));
    m_freieTermine->setChecked(freieTermine);
}

std::pair<TPlanEinstellungen, bool> TPlanSetupForm::Bearbeiten(const TPlanEinstellungen& plan, bool freieTermineAnzeigen)
{
    zeige(plan, freieTermineAnzeigen);
    m_reiter->setCurrentIndex(0);
    exec();
    // The dialog has only "O&K": however it is closed, what it shows is taken.
    TPlanEinstellungen neu = plan;
    neu.Headline2 = m_headline2->text();
    neu.Fussnote = m_fussnote->isChecked();
    neu.LehrerFmt = m_lehrerFmt->checkedId();
    neu.ElternFmt = m_elternFmt->checkedId();
    neu.ElternBrief = MemoZeilen(m_elternBrief);
    return {neu, m_freieTermine->isChecked()};
}

QString TPlanSetupForm::SchulName() const
{
    return m_schule->text();
}

void TPlanSetupForm::SetSchulName(const QString& name)
{
    m_schule->setText(name);
}

void TPlanSetupForm::done(int ergebnis)
{
    struct Text {
        QWidget* feld;
        int reiter;
        QString was;
        QString text;
    };
    const Text texte[] = {
        {m_schule, 0, QStringLiteral("Der Name der Schule"), m_schule->text()},
        {m_headline2, 0, QStringLiteral("Die zweite Zeitplan-Überschrift"), m_headline2->text()},
        {m_elternBrief, 2, QStringLiteral("Der Einleitungstext der Elternzeitpläne"), m_elternBrief->toPlainText()},
    };
    for (const Text& t : texte) {
        const QString meldung = Freitext::Pruefe(t.was, t.text);
        if (meldung.isEmpty())
            continue;
        Meldung::Fehler(this, meldung);
        m_reiter->setCurrentIndex(t.reiter);
        t.feld->setFocus();
        return;
    }
    QDialog::done(ergebnis);
}
