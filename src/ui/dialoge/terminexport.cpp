#include "dialoge/terminexport.h"

#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/okabbruch.h"
#include "gemeinsam/titelraum.h"
#include "model/sprechtag.h"
#include "termine/export.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

    m_datumEdit = new QDateEdit(this);
    m_datumEdit->setObjectName(QStringLiteral("TermineDatumEdit"));
    m_datumEdit->setAccessibleName(QStringLiteral("Datum des Elternsprechtags"));
    m_datumEdit->setCalendarPopup(true);
    m_datumEdit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    auto* datumLb = new QLabel(QStringLiteral("&Datum des Elternsprechtags:"), this);
    datumLb->setBuddy(m_datumEdit);

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
    felder->addRow(datumLb, m_datumEdit);
    felder->addRow(ordnerLb, ordnerZeile);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(erklaerung);
    layout->addLayout(felder);
    layout->addStretch();
    layout->addLayout(OkAbbruchZeile(this, QStringLiteral("E&xportieren")));
    setMinimumWidth(520);
    RaumFuerTitel(this);

    connect(wahl, &QPushButton::clicked, this, &TTermineForm::ordnerWaehlen);
}

bool TTermineForm::Exportieren(const TSprechtag& tag)
{
    m_tag = &tag;
    // Every opening starts from what was remembered: a cancelled dialog leaves no trace.
    m_datumEdit->setDate(m_datum.isValid() ? m_datum : QDate::currentDate());
    m_ordnerEdit->setText(QDir::toNativeSeparators(m_ordner));
    m_datumEdit->setFocus();
    const bool ok = exec() == QDialog::Accepted;
    m_tag = nullptr;
    return ok;
}

void TTermineForm::ordnerWaehlen()
{
    Dateiwahl::TAnfrage a;
    a.titel = QStringLiteral("Zielordner für die Termine wählen");
    a.ordner = m_ordnerEdit->text().trimmed().isEmpty() ? m_ordner : m_ordnerEdit->text().trimmed();
    a.ordnerWahl = true;
    const QString gewaehlt = Dateiwahl::Waehle(this, a);
    if (!gewaehlt.isEmpty())
        m_ordnerEdit->setText(QDir::toNativeSeparators(gewaehlt));
}

void TTermineForm::accept()
{
    if (!m_tag)
        return QDialog::accept();
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
    const QDate datum = m_datumEdit->date();
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
    Meldung::Info(this, Termine::Bericht(e));
    QDialog::accept();
}
