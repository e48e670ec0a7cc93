#include "dialoge/terminexport.h"

#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/okabbruch.h"
#include "gemeinsam/startordner.h"
#include "gemeinsam/titelraum.h"
#include "model/sprechtag.h"
#include "termine/datum.h"
#include "termine/export.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

TTermineForm::TTermineForm(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("TermineForm"));
    setWindowTitle(QStringLiteral("Termine exportieren"));

    auto* erklaerung = new QLabel(
        QStringLiteral("Kalumo schreibt in den Zielordner die Liste aller Termine (Termine.csv, für Tabellenprogramme) "
                       "und in dessen Unterordner „Kalender“ für jede Familie eine Kalenderdatei (.ics), die sich "
                       "auf dem Telefon oder im Kalenderprogramm öffnen lässt. Vorhandene Dateien gleichen Namens "
                       "werden ersetzt."),
        this);
    erklaerung->setWordWrap(true);

    m_datumEdit = new QLineEdit(this);
    m_datumEdit->setObjectName(QStringLiteral("TermineDatumEdit"));
    m_datumEdit->setAccessibleName(QStringLiteral("Datum des Elternsprechtags"));
    m_datumEdit->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    m_datumEdit->setMaxLength(20);
    auto* datumLb = new QLabel(QStringLiteral("&Datum des Elternsprechtags:"), this);
    datumLb->setBuddy(m_datumEdit);
    m_kalenderBtn = new QPushButton(QStringLiteral("&Kalender …"), this);
    m_kalenderBtn->setObjectName(QStringLiteral("TermineKalenderBtn"));
    m_kalenderBtn->setAccessibleName(QStringLiteral("Datum im Kalender wählen"));
    m_kalenderBtn->setAutoDefault(false);
    m_kalenderMenu = new QMenu(this);
    m_kalender = new QCalendarWidget(m_kalenderMenu);
    m_kalender->setObjectName(QStringLiteral("TermineKalender"));
    m_kalender->setAccessibleName(QStringLiteral("Kalender"));
    m_kalender->setLocale(QLocale(QLocale::German, QLocale::Germany));
    m_kalender->setFirstDayOfWeek(Qt::Monday);
    m_kalender->setGridVisible(true);
    auto* kalenderAktion = new QWidgetAction(m_kalenderMenu);
    kalenderAktion->setDefaultWidget(m_kalender);
    m_kalenderMenu->addAction(kalenderAktion);
    auto* datumZeile = new QHBoxLayout;
    datumZeile->addWidget(m_datumEdit, 1);
    datumZeile->addWidget(m_kalenderBtn);
    m_tagLb = new QLabel(this);
    m_tagLb->setObjectName(QStringLiteral("TermineTagLb"));
    m_tagLb->setAccessibleName(QStringLiteral("Gewählter Tag"));
    m_tagLb->setWordWrap(true);
    QFont fett = m_tagLb->font();
    fett.setBold(true);
    m_tagLb->setFont(fett);

    m_ordnerEdit = new QLineEdit(this);
    m_ordnerEdit->setObjectName(QStringLiteral("TermineOrdnerEdit"));
    m_ordnerEdit->setAccessibleName(QStringLiteral("Zielordner"));
    m_ordnerEdit->setMinimumWidth(300);
    auto* wahl = new QPushButton(QStringLiteral("D&urchsuchen …"), this);
    wahl->setObjectName(QStringLiteral("TermineOrdnerBtn"));
    wahl->setAccessibleName(QStringLiteral("Zielordner wählen"));
    wahl->setAutoDefault(false);
    auto* ordnerLb = new QLabel(QStringLiteral("&Zielordner:"), this);
    ordnerLb->setBuddy(m_ordnerEdit);
    auto* ordnerZeile = new QHBoxLayout;
    ordnerZeile->addWidget(m_ordnerEdit, 1);
    ordnerZeile->addWidget(wahl);

    auto* felder = new QFormLayout;
    felder->addRow(datumLb, datumZeile);
    felder->addRow(ordnerLb, ordnerZeile);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(erklaerung);
    layout->addLayout(felder);
    layout->addWidget(m_tagLb);
    layout->addStretch();
    layout->addLayout(OkAbbruchZeile(this, QStringLiteral("E&xportieren")));
    setMinimumWidth(520);
    RaumFuerTitel(this);

    connect(wahl, &QPushButton::clicked, this, &TTermineForm::ordnerWaehlen);
    connect(m_kalenderBtn, &QPushButton::clicked, this, &TTermineForm::kalenderZeigen);
    connect(m_kalender, &QCalendarWidget::clicked, this, &TTermineForm::datumGewaehlt);
    connect(m_kalender, &QCalendarWidget::activated, this, &TTermineForm::datumGewaehlt);
    connect(m_datumEdit, &QLineEdit::textChanged, this, &TTermineForm::tagZeigen);
}

QString TTermineForm::VorgeschlagenerOrdner() const
{
    const QString tagOrdner = Startordner::Tagesordner();
    if (!m_ordner.isEmpty() && !Startordner::IstProgrammOrdner(m_ordner)) {
        const QString gemerkt = QDir::cleanPath(QDir(m_ordner).absolutePath());
        const QString tag = QDir::cleanPath(tagOrdner);
        if (tagOrdner.isEmpty() || gemerkt == tag || gemerkt.startsWith(tag + u'/'))
            return m_ordner;
    }
    return tagOrdner.isEmpty() ? Startordner::Vorschlag(QString()) : tagOrdner;
}

void TTermineForm::tagZeigen()
{
    const TDatumEingabe d = Termine::LiesDatum(m_datumEdit->text());
    m_tagLb->setText(d.ok() ? QStringLiteral("Termine für ") + Termine::DatumMitWochentag(d.Datum) : d.Fehler);
}

void TTermineForm::kalenderZeigen()
{
    const TDatumEingabe d = Termine::LiesDatum(m_datumEdit->text());
    m_kalender->setSelectedDate(d.ok() ? d.Datum : QDate::currentDate());
    m_kalenderMenu->popup(m_kalenderBtn->mapToGlobal(QPoint(0, m_kalenderBtn->height())));
    m_kalender->setFocus();
}

void TTermineForm::datumGewaehlt(QDate datum)
{
    m_kalenderMenu->close();
    m_datumEdit->setText(datum.toString(QStringLiteral("dd.MM.yyyy")));
    m_datumEdit->setFocus();
}

bool TTermineForm::Exportieren(const TSprechtag& tag)
{
    m_tag = &tag;
    // Every opening starts from what was remembered: a cancelled dialog leaves no trace.
    m_datumEdit->setText((m_datum.isValid() ? m_datum : QDate::currentDate()).toString(QStringLiteral("dd.MM.yyyy")));
    m_ordnerEdit->setText(QDir::toNativeSeparators(VorgeschlagenerOrdner()));
    m_bestaetigt = QDate();
    tagZeigen();
    m_datumEdit->setFocus();
    const bool ok = exec() == QDialog::Accepted;
    m_tag = nullptr;
    return ok;
}

void TTermineForm::ordnerWaehlen()
{
    Dateiwahl::TAnfrage a;
    a.titel = QStringLiteral("Zielordner für die Termine wählen");
    a.ordner = m_ordnerEdit->text().trimmed().isEmpty() ? VorgeschlagenerOrdner() : m_ordnerEdit->text().trimmed();
    a.ordnerWahl = true;
    const QString gewaehlt = Dateiwahl::Waehle(this, a);
    if (!gewaehlt.isEmpty())
        m_ordnerEdit->setText(QDir::toNativeSeparators(gewaehlt));
}

void TTermineForm::accept()
{
    if (!m_tag)
        return QDialog::accept();
    const TDatumEingabe eingabe = Termine::LiesDatum(m_datumEdit->text());
    if (!eingabe.ok()) {
        Meldung::Fehler(this, eingabe.Fehler);
        m_datumEdit->setFocus();
        m_datumEdit->selectAll();
        return;
    }
    const QString ordner = QDir::fromNativeSeparators(m_ordnerEdit->text().trimmed());
    if (ordner.isEmpty()) {
        Meldung::Fehler(this, QStringLiteral("Bitte geben Sie einen Zielordner an."));
        m_ordnerEdit->setFocus();
        return;
    }
    // A relative path would land wherever the program happened to be started.
    if (QDir::isRelativePath(ordner)) {
        Meldung::Fehler(this, QStringLiteral("Bitte geben Sie den Zielordner mit vollständigem Pfad an "
                                             "(z. B. über „Durchsuchen …“)."));
        m_ordnerEdit->setFocus();
        return;
    }
    const QDate datum = eingabe.Datum;
    if (datum != m_bestaetigt) {
        const QString frage = Termine::DatumRueckfrage(datum, QDate::currentDate());
        if (!frage.isEmpty()) {
            if (!Meldung::Frage(this, frage)) {
                m_datumEdit->setFocus();
                return;
            }
            // Asked once: a retry after a folder error does not ask again.
            m_bestaetigt = datum;
        }
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TTerminExport e = Termine::Exportiere(*m_tag, ordner, datum, QDateTime::currentDateTimeUtc());
    QApplication::restoreOverrideCursor();
    if (!e.ok()) {
        Meldung::Fehler(this, e.Fehler);
        m_ordnerEdit->setFocus();
        return;
    }
    m_datum = datum;
    m_ordner = ordner;
    // Files were written either way; talks that could not be exported are named loudly.
    if (e.Vollstaendig())
        Meldung::Info(this, Termine::Bericht(e));
    else
        Meldung::Fehler(this, Termine::Bericht(e));
    QDialog::accept();
}
