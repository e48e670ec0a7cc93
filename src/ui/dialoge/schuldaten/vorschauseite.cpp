#include "dialoge/schuldaten/vorschauseite.h"

#include "gemeinsam/meldungen.h"
#include "schuldaten/faecher.h"
#include "schuldaten/namensmuster.h"
#include "schuldaten/umschrift.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Schuldaten;

namespace {

constexpr TKodierung Kodierungen[] = {TKodierung::Utf8, TKodierung::Utf16LE, TKodierung::Utf16BE, TKodierung::Cp1252,
                                      TKodierung::Latin9};

QComboBox* Auswahl(const char* name, const QString& zugang, QWidget* eltern)
{
    auto* cb = new QComboBox(eltern);
    cb->setObjectName(QString::fromLatin1(name));
    cb->setAccessibleName(zugang);
    // The longest automatic choice readable whole, also at 1024×768. (A size policy that
    // follows the contents would build the popup list before the combo box is shown.)
    cb->setMinimumWidth(cb->fontMetrics().horizontalAdvance(QStringLiteral("automatisch (senkrechter Strich)")) + 40);
    return cb;
}

QLabel* Beschriftung(const QString& text, QWidget* buddy, QWidget* eltern)
{
    auto* lb = new QLabel(text, eltern);
    lb->setBuddy(buddy);
    return lb;
}

/// The first field that two readings of a file give differently, both ways.
QString ersterUnterschied(const TGeleseneQuelle& a, const TGeleseneQuelle& b)
{
    for (qsizetype i = 0; i < qMin(a.Zeilen.size(), b.Zeilen.size()); ++i)
        for (qsizetype j = 0; j < qMin(a.Zeilen[i].Felder.size(), b.Zeilen[i].Felder.size()); ++j)
            if (a.Zeilen[i].Felder[j] != b.Zeilen[i].Felder[j])
                return QStringLiteral("Zeile %1: „%2“ (%3) oder „%4“ (%5)")
                    .arg(a.Zeilen[i].Zeile)
                    .arg(a.Zeilen[i].Felder[j], KodierungsName(a.Kodierung), b.Zeilen[i].Felder[j],
                         KodierungsName(b.Kodierung));
    return {};
}

} // namespace

TSchuldatenVorschau::TSchuldatenVorschau(TSchuldatenStand& stand, QWidget* eltern)
    : QWizardPage(eltern)
    , m_stand(stand)
{
    setObjectName(QStringLiteral("SchuldatenVorschauSeite"));
    setTitle(QStringLiteral("Vorschau und Zuordnung"));
    setSubTitle(QStringLiteral("Prüfen Sie, ob die Zeilen richtig gelesen werden, und ordnen Sie die Spalten zu. "
                               "Jede Änderung liest die Datei sofort neu."));

    m_datei = Auswahl("SchuldatenDateiCb", QStringLiteral("Vorschau für Datei"), this);
    m_kodierung = Auswahl("SchuldatenKodierungCb", QStringLiteral("Kodierung"), this);
    m_trenner = Auswahl("SchuldatenTrennerCb", QStringLiteral("Trennzeichen"), this);
    m_kopf = Auswahl("SchuldatenKopfCb", QStringLiteral("Kopfzeile"), this);
    m_hinweis = new QLabel(this);
    m_hinweis->setObjectName(QStringLiteral("SchuldatenKodierungHinweis"));
    m_hinweis->setTextFormat(Qt::PlainText);
    m_hinweis->setWordWrap(true);
    m_hinweis->setStyleSheet(QStringLiteral("color: #a00000;"));

    m_tabelle = new QTableWidget(this);
    m_tabelle->setObjectName(QStringLiteral("SchuldatenTabelle"));
    m_tabelle->setAccessibleName(QStringLiteral("Gelesene Zeilen"));
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->setTabKeyNavigation(false);
    m_tabelle->verticalHeader()->setToolTip(QStringLiteral("Zeilennummer in der Datei"));

    m_spalte = Auswahl("SchuldatenSpalteCb", QStringLiteral("Spalte"), this);
    m_feld = Auswahl("SchuldatenFeldCb", QStringLiteral("Bedeutung der Spalte"), this);

    m_lehrerMuster = new QLineEdit(this);
    m_lehrerMuster->setObjectName(QStringLiteral("SchuldatenLehrerMuster"));
    m_lehrerMuster->setAccessibleName(QStringLiteral("Muster der Lehrernamen"));
    m_elternMuster = new QLineEdit(this);
    m_elternMuster->setObjectName(QStringLiteral("SchuldatenElternMuster"));
    m_elternMuster->setAccessibleName(QStringLiteral("Muster der Elternnamen"));
    for (QLineEdit* e : {m_lehrerMuster, m_elternMuster})
        e->setToolTip(QStringLiteral("Platzhalter: %1").arg(MusterPlatzhalter()));
    m_faecher = new QLineEdit(this);
    m_faecher->setObjectName(QStringLiteral("SchuldatenFaecher"));
    m_faecher->setAccessibleName(QStringLiteral("Eigene Fachkürzel"));
    m_faecher->setPlaceholderText(QStringLiteral("z. B. PK=Politik; NW=Naturwissenschaften"));
    m_faecher->setToolTip(QStringLiteral("Abkürzungen der Schule für Fächer, die Wünsche und Unterricht verbinden; "
                                         "die üblichen (M, D, E, Bio, ev, kath …) kennt Kalumo schon."));
    m_umschreiben = new QCheckBox(QStringLiteral("Namen &umschreiben: Buchstaben, die Kalumo nicht speichern kann, "
                                                 "ähnlich schreiben (ş → s, ł → l)"),
                                  this);
    m_umschreiben->setObjectName(QStringLiteral("SchuldatenUmschreibenCb"));
    m_umschreiben->setAccessibleName(QStringLiteral("Namen umschreiben"));
    m_umschreiben->setToolTip(QStringLiteral("Ohne diese Wahl werden solche Namen abgelehnt. Jede Änderung steht im "
                                             "Bericht."));
    m_namen = new QLabel(this);
    m_namen->setObjectName(QStringLiteral("SchuldatenNamenVorschau"));
    m_namen->setTextFormat(Qt::PlainText);
    m_namen->setWordWrap(true);
    m_namen->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Two choices per row: four in one row cut their texts at 1024 pixels.
    auto* lesen = new QGridLayout;
    lesen->addWidget(Beschriftung(QStringLiteral("&Vorschau für:"), m_datei, this), 0, 0);
    lesen->addWidget(m_datei, 0, 1, 1, 3);
    lesen->addWidget(Beschriftung(QStringLiteral("&Kodierung:"), m_kodierung, this), 1, 0);
    lesen->addWidget(m_kodierung, 1, 1);
    lesen->addWidget(Beschriftung(QStringLiteral("&Trennzeichen:"), m_trenner, this), 1, 2);
    lesen->addWidget(m_trenner, 1, 3);
    lesen->addWidget(Beschriftung(QStringLiteral("Kopfzei&le:"), m_kopf, this), 2, 0);
    lesen->addWidget(m_kopf, 2, 1);
    lesen->setColumnStretch(1, 1);
    lesen->setColumnStretch(3, 1);

    auto* spalten = new QHBoxLayout;
    spalten->addWidget(Beschriftung(QStringLiteral("&Spalte:"), m_spalte, this));
    spalten->addWidget(m_spalte, 1);
    spalten->addWidget(Beschriftung(QStringLiteral("Bedeutung de&r Spalte:"), m_feld, this));
    spalten->addWidget(m_feld, 1);

    auto* muster = new QGridLayout;
    muster->addWidget(Beschriftung(QStringLiteral("Lehrer&namen:"), m_lehrerMuster, this), 0, 0);
    muster->addWidget(m_lehrerMuster, 0, 1);
    muster->addWidget(Beschriftung(QStringLiteral("Elternna&men:"), m_elternMuster, this), 1, 0);
    muster->addWidget(m_elternMuster, 1, 1);
    auto* platz = new QLabel(QStringLiteral("Platzhalter: %1").arg(MusterPlatzhalter()), this);
    platz->setTextFormat(Qt::PlainText);
    muster->addWidget(platz, 2, 1);
    muster->addWidget(Beschriftung(QStringLiteral("Fa&chkürzel:"), m_faecher, this), 3, 0);
    muster->addWidget(m_faecher, 3, 1);
    muster->addWidget(m_umschreiben, 4, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lesen);
    layout->addWidget(m_hinweis);
    layout->addWidget(Beschriftung(QStringLiteral("&Gelesene Zeilen (höchstens 50):"), m_tabelle, this));
    layout->addWidget(m_tabelle, 1);
    layout->addLayout(spalten);
    layout->addLayout(muster);
    layout->addWidget(m_namen);

    m_trenner->addItem(QString(), QString());
    for (const char16_t t : Trennzeichen)
        m_trenner->addItem(TrennerName(QChar(t)), QString(QChar(t)));
    m_kopf->addItem(QString());
    m_kopf->addItem(QStringLiteral("erste Zeile ist Kopfzeile"));
    m_kopf->addItem(QStringLiteral("keine Kopfzeile"));
    m_kodierung->addItem(QString(), -1);
    for (const TKodierung k : Kodierungen)
        m_kodierung->addItem(KodierungsName(k), int(k));

    connect(m_datei, &QComboBox::activated, this, &TSchuldatenVorschau::dateiGewaehlt);
    for (QComboBox* cb : {m_kodierung, m_trenner, m_kopf})
        connect(cb, &QComboBox::activated, this, &TSchuldatenVorschau::leseneu);
    connect(m_spalte, &QComboBox::currentIndexChanged, this, &TSchuldatenVorschau::spalteGewaehlt);
    connect(m_feld, &QComboBox::activated, this, &TSchuldatenVorschau::feldGewaehlt);
    connect(m_lehrerMuster, &QLineEdit::textChanged, this, &TSchuldatenVorschau::musterGeaendert);
    connect(m_elternMuster, &QLineEdit::textChanged, this, &TSchuldatenVorschau::musterGeaendert);
    connect(m_faecher, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_fuelle)
            return;
        m_stand.Muster.Faecher = text;
        m_stand.Plan.reset();
    });
    connect(m_umschreiben, &QCheckBox::toggled, this, [this](bool an) {
        if (m_fuelle)
            return;
        m_stand.Muster.Umschreiben = an;
        m_stand.Plan.reset();
        namenZeigen();
    });
}

int TSchuldatenVorschau::aktuell() const
{
    const int i = m_datei->currentIndex();
    return i >= 0 && i < m_stand.Gelesen.size() ? i : -1;
}

void TSchuldatenVorschau::initializePage()
{
    m_fuelle = true;
    m_datei->clear();
    for (const TQuelle& q : std::as_const(m_stand.Quellen))
        m_datei->addItem(QStringLiteral("%1: %2").arg(ArtName(q.Art), QFileInfo(q.Pfad).fileName()));
    m_lehrerMuster->setText(m_stand.Muster.Lehrer);
    m_elternMuster->setText(m_stand.Muster.Eltern);
    m_umschreiben->setChecked(m_stand.Muster.Umschreiben);
    m_faecher->setText(m_stand.Muster.Faecher);
    m_fuelle = false;
    zeigen();
}

void TSchuldatenVorschau::dateiGewaehlt()
{
    zeigen();
}

void TSchuldatenVorschau::leseneu()
{
    const int i = aktuell();
    if (i < 0 || m_fuelle)
        return;
    TQuelle& q = m_stand.Quellen[i];
    const TQuelle vorher = q;
    const int k = m_kodierung->currentData().toInt();
    q.Kodierung = k < 0 ? std::nullopt : std::optional<TKodierung>(TKodierung(k));
    const QString t = m_trenner->currentData().toString();
    q.Trenner = t.isEmpty() ? std::nullopt : std::optional<QChar>(t[0]);
    q.Kopf = m_kopf->currentIndex() == 0 ? std::nullopt : std::optional<bool>(m_kopf->currentIndex() == 1);
    // Another reading gives other columns: they are assigned afresh.
    q.Zuordnung.reset();
    // Cancelled: the file stays as it was read before, with the choices that gave it.
    if (!m_stand.LiesImHintergrund(i, this)) {
        q = vorher;
        zeigen();
        return;
    }
    const QString fehler = m_stand.Gelesen[i].Fehler;
    if (!fehler.isEmpty()) {
        // The encoding chosen does not fit the bytes: say so and go back to detection.
        Meldung::Fehler(this, fehler);
        q.Kodierung.reset();
        if (!m_stand.LiesImHintergrund(i, this)) {
            q = vorher;
            m_stand.Lies(i);
        }
    }
    zeigen();
}

void TSchuldatenVorschau::zeigen()
{
    const int i = aktuell();
    if (i < 0)
        return;
    m_fuelle = true;
    const TQuelle& q = m_stand.Quellen[i];
    const TGeleseneQuelle& g = m_stand.Gelesen[i];

    m_kodierung->setItemText(0, QStringLiteral("automatisch (%1)").arg(KodierungsName(g.Kodierung)));
    m_kodierung->setCurrentIndex(q.Kodierung ? m_kodierung->findData(int(*q.Kodierung)) : 0);
    m_trenner->setItemText(0, QStringLiteral("automatisch (%1)").arg(TrennerName(g.Trenner)));
    m_trenner->setCurrentIndex(q.Trenner ? m_trenner->findData(QString(*q.Trenner)) : 0);
    m_kopf->setItemText(0, QStringLiteral("automatisch (%1)").arg(g.Kopf ? QStringLiteral("ja") : QStringLiteral("nein")));
    m_kopf->setCurrentIndex(q.Kopf ? (*q.Kopf ? 1 : 2) : 0);

    QString hinweis;
    if (g.Alternative && !q.Kodierung) {
        TQuelle anders = q;
        anders.Kodierung = g.Alternative;
        const QString beispiel = ersterUnterschied(g, LeseQuelle(anders));
        hinweis = QStringLiteral("Achtung: Als %1 gelesen ergäbe die Datei andere Zeichen. Bitte wählen Sie die "
                                 "Kodierung, deren Namen richtig aussehen.")
                      .arg(KodierungsName(*g.Alternative));
        if (!beispiel.isEmpty())
            hinweis += QLatin1Char(' ') + beispiel;
    }
    m_hinweis->setText(hinweis);
    m_hinweis->setVisible(!hinweis.isEmpty());

    // The table: every column with its number, header text and meaning.
    const int spalten = qMax(g.Spalten, int(g.Zuordnung.size()));
    const int zeilen = int(qMin<qsizetype>(g.Zeilen.size(), MaxZeilen));
    m_tabelle->clear();
    m_tabelle->setColumnCount(spalten);
    m_tabelle->setRowCount(zeilen);
    QStringList kopf;
    const int alteSpalte = m_spalte->currentIndex();
    m_spalte->clear();
    for (int s = 0; s < spalten; ++s) {
        const QString text = s < g.KopfFelder.size() ? g.KopfFelder[s].trimmed() : QString();
        const TFeld feld = s < g.Zuordnung.size() ? g.Zuordnung[s] : TFeld::Keins;
        QString titel = text.isEmpty() ? QString::number(s + 1) : QStringLiteral("%1 %2").arg(s + 1).arg(text);
        if (feld != TFeld::Keins)
            titel += QStringLiteral("\n→ %1").arg(FeldName(feld));
        kopf << titel;
        m_spalte->addItem(text.isEmpty() ? QStringLiteral("Spalte %1").arg(s + 1)
                                         : QStringLiteral("Spalte %1 („%2“)").arg(s + 1).arg(text));
    }
    m_tabelle->setHorizontalHeaderLabels(kopf);
    QStringList nummern;
    for (int z = 0; z < zeilen; ++z) {
        const TCsvZeile& zeile = g.Zeilen[z];
        nummern << QString::number(zeile.Zeile);
        for (int s = 0; s < zeile.Felder.size() && s < spalten; ++s)
            m_tabelle->setItem(z, s, new QTableWidgetItem(zeile.Felder[s]));
    }
    m_tabelle->setVerticalHeaderLabels(nummern);
    m_tabelle->resizeColumnsToContents();
    for (int s = 0; s < spalten; ++s)
        m_tabelle->setColumnWidth(s, qMin(m_tabelle->columnWidth(s), 220));

    m_feld->clear();
    for (const TFeld f : FelderFuer(q.Art))
        m_feld->addItem(FeldName(f), int(f));
    m_spalte->setCurrentIndex(alteSpalte >= 0 && alteSpalte < spalten ? alteSpalte : 0);
    m_fuelle = false;
    spalteGewaehlt();
    namenZeigen();
}

void TSchuldatenVorschau::spalteGewaehlt()
{
    const int i = aktuell();
    const int s = m_spalte->currentIndex();
    if (i < 0 || s < 0 || m_fuelle)
        return;
    const TZuordnung& z = m_stand.Gelesen[i].Zuordnung;
    const TFeld feld = s < z.size() ? z[s] : TFeld::Keins;
    m_feld->setCurrentIndex(qMax(0, m_feld->findData(int(feld))));
    m_tabelle->selectColumn(s);
}

void TSchuldatenVorschau::feldGewaehlt(int index)
{
    const int i = aktuell();
    const int s = m_spalte->currentIndex();
    if (i < 0 || s < 0)
        return;
    TGeleseneQuelle& g = m_stand.Gelesen[i];
    TZuordnung z = g.Zuordnung;
    while (z.size() <= s)
        z.append(TFeld::Keins);
    const TFeld feld = TFeld(m_feld->itemData(index).toInt());
    // A single meaning belongs to one column: choosing it here takes it from another.
    if (!MehrereSpalten(feld) && feld != TFeld::Keins)
        for (TFeld& f : z)
            if (f == feld)
                f = TFeld::Keins;
    z[s] = feld;
    g.Zuordnung = z;
    m_stand.Quellen[i].Zuordnung = z;
    m_stand.Plan.reset();
    zeigen();
}

void TSchuldatenVorschau::musterGeaendert()
{
    if (m_fuelle)
        return;
    m_stand.Muster.Lehrer = m_lehrerMuster->text();
    m_stand.Muster.Eltern = m_elternMuster->text();
    namenZeigen();
}

void TSchuldatenVorschau::namenZeigen()
{
    const int i = aktuell();
    if (i < 0)
        return;
    const TGeleseneQuelle& g = m_stand.Gelesen[i];
    QString text;
    if (g.Quelle.Art == TQuellArt::Lehrer || g.Quelle.Art == TQuellArt::Schueler) {
        const QString& muster = g.Quelle.Art == TQuellArt::Lehrer ? m_stand.Muster.Lehrer : m_stand.Muster.Eltern;
        QStringList namen;
        for (qsizetype z = 0; z < g.Zeilen.size() && namen.size() < 4; ++z)
            namen << QStringLiteral("„%1“").arg(m_stand.Muster.Umschreiben
                                                    ? InWindows1252(NameAusZeile(g, g.Zeilen[z], muster)).Text
                                                    : NameAusZeile(g, g.Zeilen[z], muster));
        text = QStringLiteral("So heißen die ersten Einträge: %1").arg(namen.join(QStringLiteral(", ")));
    }
    const QString fehlt = FehlendeSpalten(g.Zuordnung, g.Quelle.Art);
    if (!fehlt.isEmpty())
        text = fehlt + (text.isEmpty() ? QString() : QLatin1Char(' ') + text);
    m_namen->setText(text);
}

bool TSchuldatenVorschau::validatePage()
{
    for (qsizetype i = 0; i < m_stand.Gelesen.size(); ++i) {
        const TGeleseneQuelle& g = m_stand.Gelesen[i];
        const QString fehlt = FehlendeSpalten(g.Zuordnung, g.Quelle.Art);
        if (!fehlt.isEmpty()) {
            Meldung::Fehler(this, QStringLiteral("Die Datei „%1“ kann so nicht importiert werden.\n%2\n\nBitte ordnen "
                                                 "Sie die Spalte unter „Bedeutung der Spalte“ zu.")
                                      .arg(QDir::toNativeSeparators(g.Quelle.Pfad), fehlt));
            m_datei->setCurrentIndex(int(i));
            zeigen();
            return false;
        }
    }
    QString fachFehler;
    FachTabelleAusText(m_stand.Muster.Faecher, &fachFehler);
    if (!fachFehler.isEmpty()) {
        Meldung::Fehler(this, fachFehler);
        m_faecher->setFocus();
        return false;
    }
    for (const QString& muster : {m_stand.Muster.Lehrer, m_stand.Muster.Eltern})
        if (!muster.contains(QLatin1Char('{'))) {
            Meldung::Fehler(this, QStringLiteral("Das Namensmuster „%1“ enthält keinen Platzhalter; alle Namen wären "
                                                 "gleich.\nPlatzhalter: %2")
                                      .arg(muster, MusterPlatzhalter()));
            return false;
        }
    return true;
}
