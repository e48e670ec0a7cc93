#include "dialoge/schuldaten/dateienseite.h"

#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/startordner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Schuldaten;

TSchuldatenDateien::TSchuldatenDateien(TSchuldatenStand& stand, QWidget* eltern)
    : QWizardPage(eltern)
    , m_stand(stand)
{
    setObjectName(QStringLiteral("SchuldatenDateienSeite"));
    setTitle(QStringLiteral("Dateien wählen"));
    setSubTitle(QStringLiteral("Wählen Sie die Exporte der Schulverwaltung oder des Stundenplanprogramms und "
                               "geben Sie an, was jede Datei enthält. Für Sprechwünsche nach Kürzeln oder "
                               "Fächern wählen Sie auch die Lehrer- und die Unterrichtsdatei."));

    m_liste = new QListWidget(this);
    m_liste->setObjectName(QStringLiteral("SchuldatenListe"));
    m_liste->setAccessibleName(QStringLiteral("Gewählte Dateien"));
    auto* listeLb = new QLabel(QStringLiteral("Gewählte &Dateien:"), this);
    listeLb->setBuddy(m_liste);

    m_hinzu = new QPushButton(QStringLiteral("Datei &hinzufügen …"), this);
    m_hinzu->setObjectName(QStringLiteral("SchuldatenHinzuBtn"));
    m_hinzu->setAutoDefault(false);
    m_entfernen = new QPushButton(QStringLiteral("Datei &entfernen"), this);
    m_entfernen->setObjectName(QStringLiteral("SchuldatenEntfernenBtn"));
    m_entfernen->setAutoDefault(false);

    m_art = new QComboBox(this);
    m_art->setObjectName(QStringLiteral("SchuldatenArtCb"));
    m_art->setAccessibleName(QStringLiteral("Inhalt der gewählten Datei"));
    for (const TQuellArt a : AlleArten)
        m_art->addItem(ArtName(a), int(a));
    auto* artLb = new QLabel(QStringLiteral("&Inhalt der gewählten Datei:"), this);
    artLb->setBuddy(m_art);

    m_einladungen = new QCheckBox(QStringLiteral("Die D&atei enthält Einladungen von Lehrkräften"), this);
    m_einladungen->setObjectName(QStringLiteral("SchuldatenEinladungenCb"));
    m_einladungen->setToolTip(QStringLiteral("Für eine Wunschdatei: jeder Wunsch darin ist eine Einladung der Lehrkraft "
                                             "und wird vor allen anderen eingeplant."));
    m_einladungen->setAccessibleDescription(m_einladungen->toolTip());
    m_ersterVorrang = new QCheckBox(QStringLiteral("In Wunschdateien gilt der erste Wunsch &jeder Zeile als „Vorrang“"), this);
    m_ersterVorrang->setObjectName(QStringLiteral("SchuldatenErsterWunschVorrangCb"));
    m_ersterVorrang->setToolTip(QStringLiteral("Eine Spalte „Priorität“ oder „wichtig“ der Wunschdatei markiert den "
                                               "wichtigsten Wunsch auch ohne diese Wahl."));
    m_ersterVorrang->setAccessibleDescription(m_ersterVorrang->toolTip());

    auto* layout = new QGridLayout(this);
    layout->addWidget(listeLb, 0, 0, 1, 2);
    layout->addWidget(m_liste, 1, 0, 3, 1);
    layout->addWidget(m_hinzu, 1, 1);
    layout->addWidget(m_entfernen, 2, 1);
    layout->setRowStretch(3, 1);
    layout->addWidget(artLb, 4, 0, 1, 2);
    layout->addWidget(m_art, 5, 0);
    layout->addWidget(m_einladungen, 6, 0, 1, 2);
    layout->addWidget(m_ersterVorrang, 7, 0, 1, 2);

    connect(m_hinzu, &QPushButton::clicked, this, &TSchuldatenDateien::hinzuClick);
    connect(m_entfernen, &QPushButton::clicked, this, &TSchuldatenDateien::entfernenClick);
    connect(m_liste, &QListWidget::currentRowChanged, this, &TSchuldatenDateien::auswahlGeaendert);
    connect(m_art, &QComboBox::activated, this, &TSchuldatenDateien::artGeaendert);
    connect(m_einladungen, &QCheckBox::clicked, this, [this](bool an) {
        const int i = m_liste->currentRow();
        if (i < 0 || i >= m_stand.Quellen.size())
            return;
        m_stand.Quellen[i].Einladungen = an;
        m_stand.Gelesen.clear();
        m_stand.Plan.reset();
        listeNeu();
        m_liste->setCurrentRow(i);
    });
    connect(m_ersterVorrang, &QCheckBox::clicked, this, [this](bool an) {
        m_stand.Muster.ErsterWunschVorrang = an;
        m_stand.Plan.reset();
    });
    auswahlGeaendert();
}

void TSchuldatenDateien::Zuruecksetzen(TQuellArt vorschlag)
{
    m_vorschlag = vorschlag;
    m_stand.Quellen.clear();
    m_stand.Gelesen.clear();
    m_stand.Plan.reset();
    m_ersterVorrang->setChecked(m_stand.Muster.ErsterWunschVorrang);
    listeNeu();
}

void TSchuldatenDateien::DateiHinzufuegen(const QString& pfad)
{
    TQuelle q;
    q.Pfad = pfad;
    q.Art = ErrateArt(pfad).value_or(m_vorschlag);
    m_stand.Quellen.append(q);
    m_stand.Gelesen.clear();
    listeNeu();
    m_liste->setCurrentRow(m_liste->count() - 1);
    emit completeChanged();
}

void TSchuldatenDateien::hinzuClick()
{
    Dateiwahl::TAnfrage a;
    a.titel = QStringLiteral("Schuldatei wählen");
    // The school's files lie with the day's file rather than with the program.
    a.ordner = Startordner::Vorschlag(m_stand.Ordner);
    a.filter = QStringLiteral("Text- und CSV-Dateien (*.txt *.csv *.TXT *.CSV);;Alle Dateien (*)");
    const QString pfad = Dateiwahl::Waehle(this, a);
    if (pfad.isEmpty())
        return;
    m_stand.Ordner = QFileInfo(pfad).absolutePath();
    DateiHinzufuegen(pfad);
}

void TSchuldatenDateien::entfernenClick()
{
    const int i = m_liste->currentRow();
    if (i < 0 || i >= m_stand.Quellen.size())
        return;
    m_stand.Quellen.removeAt(i);
    m_stand.Gelesen.clear();
    listeNeu();
    m_liste->setCurrentRow(qMin(i, m_liste->count() - 1));
    emit completeChanged();
}

void TSchuldatenDateien::auswahlGeaendert()
{
    const int i = m_liste->currentRow();
    const bool gewaehlt = i >= 0 && i < m_stand.Quellen.size();
    m_entfernen->setEnabled(gewaehlt);
    m_art->setEnabled(gewaehlt);
    if (gewaehlt)
        m_art->setCurrentIndex(m_art->findData(int(m_stand.Quellen[i].Art)));
    const bool wuensche = gewaehlt && m_stand.Quellen[i].Art == TQuellArt::Wuensche;
    m_einladungen->setEnabled(wuensche);
    m_einladungen->setChecked(wuensche && m_stand.Quellen[i].Einladungen);
}

void TSchuldatenDateien::artGeaendert(int index)
{
    const int i = m_liste->currentRow();
    if (i < 0 || i >= m_stand.Quellen.size())
        return;
    TQuelle& q = m_stand.Quellen[i];
    q.Art = TQuellArt(m_art->itemData(index).toInt());
    // Columns chosen for another kind of file mean nothing for this one.
    q.Zuordnung.reset();
    // Only a wishes file can hold invitations.
    if (q.Art != TQuellArt::Wuensche)
        q.Einladungen = false;
    m_stand.Gelesen.clear();
    listeNeu();
    m_liste->setCurrentRow(i);
}

void TSchuldatenDateien::listeNeu()
{
    m_liste->clear();
    for (const TQuelle& q : std::as_const(m_stand.Quellen)) {
        const QString art = q.Einladungen ? QStringLiteral("Einladungen") : ArtName(q.Art);
        auto* eintrag = new QListWidgetItem(QStringLiteral("%1: %2").arg(art, QFileInfo(q.Pfad).fileName()), m_liste);
        eintrag->setToolTip(QDir::toNativeSeparators(q.Pfad));
    }
    auswahlGeaendert();
}

bool TSchuldatenDateien::isComplete() const
{
    return !m_stand.Quellen.isEmpty();
}

bool TSchuldatenDateien::validatePage()
{
    // The wizard has read every file by now, so that a file that cannot be read is named
    // before the preview shows anything.
    for (qsizetype i = 0; i < m_stand.Quellen.size(); ++i) {
        const QString fehler = i < m_stand.Gelesen.size() ? m_stand.Gelesen[i].Fehler : m_stand.Lies(i);
        if (!fehler.isEmpty()) {
            Meldung::Fehler(this, fehler);
            m_liste->setCurrentRow(int(i));
            return false;
        }
    }
    return true;
}
