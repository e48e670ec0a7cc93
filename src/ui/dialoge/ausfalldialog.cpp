#include "dialoge/ausfalldialog.h"

#include "dateisystem/schreiben.h"
#include "dialoge/druckerwahl.h"
#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/titelraum.h"
#include "model/sprechtag.h"
#include "textdruck.h"
#include "zeit/zeit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QPushButton* Knopf(const QString& text, const char* name, QWidget* eltern)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromUtf8(name));
    k->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QStringLiteral(" …")));
    k->setAutoDefault(false);
    return k;
}

} // namespace

TAusfallDialog::TAusfallDialog(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("AusfallForm"));
    setWindowTitle(QStringLiteral("Ausfall einer Lehrkraft"));
    setModal(true);

    auto* erklaerung = new QLabel(QStringLiteral("Die Termine der Lehrkraft außerhalb ihrer neuen Sprechzeit werden, wo es "
                                                 "geht, in der verbleibenden Zeit neu gesetzt; dafür werden möglichst wenige "
                                                 "andere Termine verlegt. Nichts ändert sich, bevor Sie „Übernehmen“ wählen."),
                                  this);
    erklaerung->setWordWrap(true);

    m_lehrer = new QComboBox(this);
    m_lehrer->setObjectName(QStringLiteral("AusfallLehrerCb"));
    m_lehrer->setAccessibleName(QStringLiteral("Lehrkraft"));
    auto* lehrerLb = new QLabel(QStringLiteral("&Lehrkraft:"), this);
    lehrerLb->setBuddy(m_lehrer);

    m_ganz = new QRadioButton(QStringLiteral("fällt &ganz aus"), this);
    m_ganz->setObjectName(QStringLiteral("RbAusfallGanz"));
    m_ab = new QRadioButton(QStringLiteral("&erst ab"), this);
    m_ab->setObjectName(QStringLiteral("RbAusfallAb"));
    m_bis = new QRadioButton(QStringLiteral("&nur bis"), this);
    m_bis->setObjectName(QStringLiteral("RbAusfallBis"));
    m_zeit = new QLineEdit(this);
    m_zeit->setObjectName(QStringLiteral("AusfallZeitEdit"));
    m_zeit->setAccessibleName(QStringLiteral("Uhrzeit"));
    m_zeit->setPlaceholderText(QStringLiteral("hh:mm"));
    m_zeit->setMaximumWidth(m_zeit->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 24);
    auto* zeitLb = new QLabel(QStringLiteral("&Uhrzeit:"), this);
    zeitLb->setBuddy(m_zeit);

    m_ergebnis = new QPlainTextEdit(this);
    m_ergebnis->setObjectName(QStringLiteral("AusfallErgebnis"));
    m_ergebnis->setAccessibleName(QStringLiteral("Ergebnis"));
    m_ergebnis->setReadOnly(true);
    m_ergebnis->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_ergebnis->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* ergebnisLb = new QLabel(QStringLiteral("E&rgebnis:"), this);
    ergebnisLb->setBuddy(m_ergebnis);

    m_druckenBtn = Knopf(QStringLiteral("&Drucken …"), "AusfallDruckenBtn", this);
    m_druckenBtn->setToolTip(QStringLiteral("Druckt das Ergebnis als Liste zum Anrufen der Familien"));
    m_druckenBtn->setAccessibleDescription(m_druckenBtn->toolTip());
    m_csvBtn = Knopf(QStringLiteral("Als &CSV speichern …"), "AusfallCsvBtn", this);
    m_csvBtn->setToolTip(QStringLiteral("Speichert die verlegten und abgesagten Termine für eine Tabellenkalkulation"));
    m_csvBtn->setAccessibleDescription(m_csvBtn->toolTip());
    // No default button: one Enter must not cancel a teacher's talks.
    m_uebernehmenBtn = Knopf(QStringLiteral("Überneh&men"), "AusfallUebernehmenBtn", this);
    m_uebernehmenBtn->setToolTip(QStringLiteral("Übernimmt das Ergebnis in den Tag; eine hier als CSV gespeicherte "
                                                "Anrufliste wird vorher auf genau dieses Ergebnis gebracht"));
    m_uebernehmenBtn->setAccessibleDescription(m_uebernehmenBtn->toolTip());
    m_abbrechenBtn = Knopf(QStringLiteral("&Abbrechen"), "AusfallAbbrechenBtn", this);

    auto* wahl = new QGridLayout;
    wahl->addWidget(lehrerLb, 0, 0);
    wahl->addWidget(m_lehrer, 0, 1, 1, 4);
    wahl->addWidget(m_ganz, 1, 1);
    wahl->addWidget(m_ab, 1, 2);
    wahl->addWidget(m_bis, 1, 3);
    auto* zeit = new QHBoxLayout;
    zeit->addWidget(zeitLb);
    zeit->addWidget(m_zeit);
    zeit->addStretch();
    wahl->addLayout(zeit, 1, 4);
    wahl->setColumnStretch(4, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_druckenBtn);
    knoepfe->addWidget(m_csvBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(m_uebernehmenBtn);
    knoepfe->addWidget(m_abbrechenBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(erklaerung);
    layout->addLayout(wahl);
    layout->addWidget(ergebnisLb);
    layout->addWidget(m_ergebnis, 1);
    layout->addLayout(knoepfe);

    connect(m_lehrer, &QComboBox::currentIndexChanged, this, &TAusfallDialog::neuPlanen);
    for (QRadioButton* rb : {m_ganz, m_ab, m_bis})
        connect(rb, &QRadioButton::toggled, this, [this, rb](bool an) {
            if (!an)
                return;
            neuPlanen();
            // The time is what the user has to give next.
            if (rb != m_ganz)
                m_zeit->setFocus();
        });
    // Every keystroke plans anew, so the result shown is always that of the fields as they
    // stand, and nothing typed can be left out of what "Übernehmen" applies.
    connect(m_zeit, &QLineEdit::textChanged, this, &TAusfallDialog::neuPlanen);
    connect(m_druckenBtn, &QPushButton::clicked, this, &TAusfallDialog::ListeDrucken);
    connect(m_csvBtn, &QPushButton::clicked, this, &TAusfallDialog::CsvSpeichern);
    connect(m_uebernehmenBtn, &QPushButton::clicked, this, &TAusfallDialog::Uebernehmen);
    connect(m_abbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);

    RaumFuerTitel(this);
    resize(620, 520);
}

std::optional<TAusfallWunsch> TAusfallDialog::wunsch(QString& hindernis) const
{
    TAusfallWunsch w;
    w.Lehrer = m_lehrer->currentText();
    if (w.Lehrer.isEmpty()) {
        hindernis = QStringLiteral("Bitte wählen Sie eine Lehrkraft.");
        return std::nullopt;
    }
    if (!m_ganz->isChecked() && !m_ab->isChecked() && !m_bis->isChecked()) {
        hindernis = QStringLiteral("Bitte wählen Sie „fällt ganz aus“, „erst ab“ oder „nur bis“.");
        return std::nullopt;
    }
    w.Art = m_ab->isChecked() ? TAusfallArt::Ab : m_bis->isChecked() ? TAusfallArt::Bis : TAusfallArt::Ganz;
    if (w.Art != TAusfallArt::Ganz) {
        const auto t = Zeit::ZeitText(m_zeit->text());
        if (!t) {
            hindernis = m_zeit->text().trimmed().isEmpty()
                            ? QStringLiteral("Bitte geben Sie im Feld „Uhrzeit“ an, ab oder bis wann die Lehrkraft da ist.")
                            : Zeit::UngueltigeZeitMeldung(m_zeit->text(), QStringLiteral("Uhrzeit"));
            return std::nullopt;
        }
        w.Zeit = *t;
    }
    return w;
}

void TAusfallDialog::neuPlanen()
{
    m_plan.reset();
    m_zeit->setEnabled(m_ab->isChecked() || m_bis->isChecked());
    QString hindernis;
    if (m_tag) {
        if (const auto w = wunsch(hindernis)) {
            hindernis = AusfallHindernis(*m_tag, *w);
            if (hindernis.isEmpty())
                m_plan = PlaneAusfall(*m_tag, *w);
        }
    }
    m_ergebnis->setPlainText(m_plan ? AusfallListe(*m_plan).join(u'\n') : hindernis);
    for (QPushButton* k : {m_druckenBtn, m_csvBtn, m_uebernehmenBtn})
        k->setEnabled(m_plan.has_value());
}

bool TAusfallDialog::Ausfuehren(TSprechtag& tag, const QString& vorauswahl)
{
    m_tag = &tag;
    {
        // Each opening starts afresh: nothing of a cancelled try stays behind.
        const QSignalBlocker b1(m_lehrer), b2(m_zeit), b3(m_ganz), b4(m_ab), b5(m_bis);
        m_lehrer->clear();
        m_lehrer->addItems(tag.Lehrer.Namen());
        const int i = vorauswahl.isEmpty() ? -1 : m_lehrer->findText(vorauswahl);
        m_lehrer->setCurrentIndex(i >= 0 ? i : 0);
        // Nothing chosen: the kind of drop-out is a decision, not a default.
        for (QRadioButton* rb : {m_ganz, m_ab, m_bis}) {
            rb->setAutoExclusive(false);
            rb->setChecked(false);
            rb->setAutoExclusive(true);
        }
        m_zeit->clear();
        m_csvPfad.clear();
    }
    neuPlanen();
    m_lehrer->setFocus();
    if (const QScreen* s = screen())
        resize(size().boundedTo(s->availableGeometry().size() * 9 / 10).expandedTo(minimumSizeHint()));
    const bool uebernehmen = exec() == QDialog::Accepted && m_plan;
    if (uebernehmen)
        WendeAusfallAn(tag, *m_plan);
    m_plan.reset();
    m_tag = nullptr;
    m_csvPfad.clear();
    return uebernehmen;
}

void TAusfallDialog::Uebernehmen()
{
    if (!m_plan)
        return;
    if (m_plan->Wunsch.Art == TAusfallArt::Ganz) {
        const auto n = m_plan->Abgesagt.size();
        const QString frage = n == 1 ? QStringLiteral("Den Termin von %1 absagen?").arg(m_plan->Lehrer)
                                     : QStringLiteral("Alle %1 Termine von %2 absagen?").arg(n).arg(m_plan->Lehrer);
        if (!Meldung::LoeschFrage(this, frage))
            return;
    }
    // A call list saved here is brought to exactly what is applied, before the day changes:
    // the list of families to phone must never be older than the day, nor missing.
    if (!m_csvPfad.isEmpty()) {
        const QString grund = Dateisystem::SchreibeAtomar(m_csvPfad, AusfallCsv(*m_plan));
        if (!grund.isEmpty()) {
            Meldung::Fehler(this, Dateisystem::NichtGespeichert(m_csvPfad, grund) + NichtUebernommen());
            return;
        }
    }
    accept();
}

QString TAusfallDialog::NichtUebernommen()
{
    return QStringLiteral("\rDer Ausfall ist nicht übernommen; der Tag ist unverändert.");
}

void TAusfallDialog::ListeDrucken()
{
    if (!m_plan || !m_drucker)
        return;
    QPrinter* drucker = m_drucker->Waehle(this);
    if (!drucker)
        return;
    if (const auto fehler = Textdruck::Drucke(*drucker, QStringLiteral("Ausfall %1").arg(m_plan->Lehrer), AusfallListe(*m_plan)))
        Meldung::Fehler(this, *fehler);
}

void TAusfallDialog::CsvSpeichern()
{
    if (!m_plan)
        return;
    Dateiwahl::TAnfrage anfrage;
    anfrage.speichern = true;
    anfrage.titel = QStringLiteral("Anrufliste speichern");
    anfrage.ordner = m_csvOrdner;
    anfrage.vorschlag = QStringLiteral("Ausfall.csv");
    anfrage.filter = QStringLiteral("CSV-Dateien (*.csv)");
    anfrage.endung = QStringLiteral("csv");
    const QString pfad = Dateiwahl::Waehle(this, anfrage);
    if (pfad.isEmpty())
        return;
    const QString grund = Dateisystem::SchreibeAtomar(pfad, AusfallCsv(*m_plan));
    if (!grund.isEmpty()) {
        Meldung::Fehler(this, Dateisystem::NichtGespeichert(pfad, grund) + NichtUebernommen());
        return;
    }
    m_csvOrdner = QFileInfo(pfad).absolutePath();
    m_csvPfad = pfad;
}
