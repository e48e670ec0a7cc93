#include "seiten/vorschauseite.h"

#include "bearbeiten/direkte_aenderungen.h"
#include "dateisystem/dateiendung.h"
#include "dialoge/druckerwahl.h"
#include "dialoge/vorschauspeicherdialog.h"
#include "dialoge/wartefenster.h"
#include "druckziel.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"
#include "plattform/shell.h"
#include "raster/keine_termine.h"
#include "text/freitext.h"
#include "textdruck.h"
#include "vorschau/kapazitaet.h"
#include "vorschau/vorschauliste.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

TVorschauSeite::TVorschauSeite(TSprechtag& tag, QWidget* eltern)
    : TSeite(tag, true, eltern)
    , m_ordner(Shell::ProgrammOrdner())
{
    setObjectName(QStringLiteral("TsPreview"));
    auto* inhalt = new QWidget(this);

    // Left half: the capacity preview.
    auto* statistik = new QGroupBox(QStringLiteral("Vorausschauende Statistik"), inhalt);
    statistik->setObjectName(QStringLiteral("PreviewStatistik"));
    auto* label3 = Erklaerung(QStringLiteral("Die Anzahl der Sprechwünsche wurde mit der tatsächlich verfügbaren Sprechzeit "
                                             "verglichen. Bei den aktuellen Einstellungen sind"),
                              statistik);
    label3->setObjectName(QStringLiteral("Label3"));
    m_prozent = new QLabel(QStringLiteral("0%"), statistik);
    m_prozent->setObjectName(QStringLiteral("PercentLabel"));
    m_prozent->setAlignment(Qt::AlignCenter);
    QFont gross = m_prozent->font();
    gross.setPointSizeF(gross.pointSizeF() * 2.4);
    gross.setBold(true);
    m_prozent->setFont(gross);
    m_label1 = Erklaerung(QString(), statistik);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_keineTermine = Erklaerung(QString(), statistik);
    m_keineTermine->setObjectName(QStringLiteral("KeineTermineVorschauLb"));
    Warnfarbe(m_keineTermine);
    m_keineTermine->setVisible(false);
    m_betroffene = new QLabel(QStringLiteral("0"), statistik);
    m_betroffene->setObjectName(QStringLiteral("BetroffeneLabel"));
    QFont fett = m_betroffene->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.4);
    m_betroffene->setFont(fett);
    m_label17 = new QLabel(statistik);
    m_label17->setObjectName(QStringLiteral("Label17"));
    auto* betroffenZeile = new QHBoxLayout;
    betroffenZeile->addWidget(m_betroffene);
    betroffenZeile->addWidget(m_label17, 1);
    auto* sl = new QVBoxLayout(statistik);
    sl->addWidget(label3);
    sl->addWidget(m_prozent);
    sl->addWidget(m_label1);
    sl->addWidget(m_keineTermine);
    sl->addSpacing(10);
    sl->addLayout(betroffenZeile);
    m_einladungen = Erklaerung(QString(), statistik);
    m_einladungen->setObjectName(QStringLiteral("EinladungenUeberKapazitaetLb"));
    m_einladungen->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_einladungen->setAccessibleName(QStringLiteral("Lehrer mit mehr Einladungen als Terminen"));
    Warnfarbe(m_einladungen);
    m_einladungen->setVisible(false);
    sl->addWidget(m_einladungen);
    sl->addStretch();
    for (QLabel* lb : {m_prozent, m_label1, m_betroffene, m_label17})
        lb->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_prozent->setAccessibleName(QStringLiteral("Anteil nicht erfüllbarer Sprechwünsche"));
    m_betroffene->setAccessibleName(QStringLiteral("Betroffene Lehrer"));

    // Right half: the preview lists.
    auto* listen = new QGroupBox(QStringLiteral("Vorschaulisten"), inhalt);
    auto* frage = Ueberschrift(QStringLiteral("Möchten Sie Vorschaulisten herausgeben?"), listen);
    frage->setWordWrap(true);
    auto* erklaerung = Erklaerung(QStringLiteral("Vorschaulisten zeigen jedem Lehrer vorab, welche Eltern ihn sprechen möchten. "
                                                 "So kann er Gespräche streichen, die nicht unbedingt nötig sind."),
                                  listen);
    auto* sollen = new QLabel(QStringLiteral("Sollen Vorschaulisten erzeugt werden? "), listen);
    m_ja = new QRadioButton(QStringLiteral("&Ja"), listen);
    m_ja->setObjectName(QStringLiteral("MkPreviewRad"));
    m_nein = new QRadioButton(QStringLiteral("&Nein"), listen);
    m_nein->setObjectName(QStringLiteral("RadioButton2"));
    m_nein->setChecked(true);
    for (QRadioButton* rb : {m_ja, m_nein})
        rb->setAccessibleDescription(sollen->text().trimmed());
    auto* jaNein = new QButtonGroup(listen);
    jaNein->addButton(m_ja);
    jaNein->addButton(m_nein);
    auto* frageZeile = new QHBoxLayout;
    frageZeile->addWidget(sollen);
    frageZeile->addWidget(m_ja);
    frageZeile->addWidget(m_nein);
    frageZeile->addStretch();

    m_panel = new QWidget(listen);
    m_panel->setObjectName(QStringLiteral("PreviewPanel"));
    m_memo = new QPlainTextEdit(m_panel);
    m_memo->setObjectName(QStringLiteral("PreviewMemo"));
    m_memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_memo->setTabChangesFocus(true);
    auto* memoLb = new QLabel(QStringLiteral("Einlei&tungstext"), m_panel);
    QFont kopf = memoLb->font();
    kopf.setBold(true);
    memoLb->setFont(kopf);
    memoLb->setBuddy(m_memo);
    m_memo->setAccessibleDescription(QStringLiteral("Platzhalter: %A Sprechtakt, %B Beginn, %C Ende, %D Anzahl der Termine"));
    m_memo->setToolTip(m_memo->accessibleDescription());
    m_betroffeneLehrer = new QRadioButton(QStringLiteral("für &betroffene Lehrer"), m_panel);
    m_betroffeneLehrer->setObjectName(QStringLiteral("RadioButton7"));
    m_betroffeneLehrer->setToolTip(QStringLiteral("Nur Lehrer, die mehr Sprechwünsche als freie Termine haben"));
    m_betroffeneLehrer->setAccessibleDescription(m_betroffeneLehrer->toolTip());
    m_alleLehrer = new QRadioButton(QStringLiteral("für a&lle Lehrer"), m_panel);
    m_alleLehrer->setObjectName(QStringLiteral("RadioButton6"));
    m_betroffeneLehrer->setChecked(true);
    auto* erzeugen = new QPushButton(QStringLiteral("&Erzeugen"), m_panel);
    erzeugen->setObjectName(QStringLiteral("MakePreviewsBtn"));
    erzeugen->setAutoDefault(false);
    erzeugen->setToolTip(QStringLiteral("Schreibt oder druckt die Vorschaulisten"));
    erzeugen->setAccessibleDescription(erzeugen->toolTip());
    auto* wahlZeile = new QHBoxLayout;
    wahlZeile->addWidget(m_betroffeneLehrer);
    wahlZeile->addWidget(m_alleLehrer);
    wahlZeile->addStretch();
    wahlZeile->addWidget(erzeugen);
    auto* pl = new QVBoxLayout(m_panel);
    pl->setContentsMargins(0, 0, 0, 0);
    pl->addWidget(memoLb);
    pl->addWidget(m_memo, 1);
    pl->addLayout(wahlZeile);

    auto* ll = new QVBoxLayout(listen);
    ll->addWidget(frage);
    ll->addWidget(erklaerung);
    ll->addLayout(frageZeile);
    ll->addWidget(m_panel, 1);
    ll->addStretch(0);

    auto* layout = new QHBoxLayout(inhalt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(statistik, 2);
    layout->addWidget(listen, 3);
    SetInhalt(inhalt);

    m_wahl = [](QWidget* eltern, const QString& ordner) {
        QFileDialog dlg(eltern, QStringLiteral("Vorschaulisten speichern"), ordner, QStringLiteral("Textdateien (*.txt)"));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QStringLiteral("txt"));
        return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first() : QString();
    };

    connect(m_ja, &QRadioButton::toggled, this, [this] {
        if (!m_zeigen)
            VorschauGewuenschtSetzen(m_tag, m_ja->isChecked());
        TestPreviewPanelVis();
    });
    connect(m_alleLehrer, &QRadioButton::toggled, this, [this](bool alle) {
        if (!m_zeigen)
            VorschauFuerAlleSetzen(m_tag, alle);
    });
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (m_zeigen)
            return;
        m_briefGemeldet = false;
        const QString text = m_memo->toPlainText();
        if (!Freitext::FremdeZeichen(text).isEmpty()) {
            // Not taken: the day keeps the letter as it was until the text can be stored.
            if (!m_briefOffen)
                m_briefStand = m_tag.Vorschau.Brief;
            m_briefOffen = true;
            return;
        }
        m_briefOffen = false;
        // Line by line as typed, so that an empty last line survives the round trip.
        VorschauBriefSetzen(m_tag, text.split(QLatin1Char('\n')));
    });
    m_memo->installEventFilter(this);
    connect(erzeugen, &QPushButton::clicked, this, &TVorschauSeite::MakePreviewsBtnClick);

    einstellungenZeigen();
}

void TVorschauSeite::SetFenster(TWaitForm* warten, TPreviewStoreForm* ausgabe, TDruckerWahl* drucker)
{
    m_warten = warten;
    m_ausgabe = ausgabe;
    m_drucker = drucker;
}

void TVorschauSeite::einstellungenZeigen()
{
    m_zeigen = true;
    const TVorschauEinstellungen& v = m_tag.Vorschau;
    (v.Gewuenscht ? m_ja : m_nein)->setChecked(true);
    (v.FuerAlleLehrer ? m_alleLehrer : m_betroffeneLehrer)->setChecked(true);
    // A letter still being corrected stays as typed, unless the day got another letter
    // meanwhile (a load or an import).
    if (!m_briefOffen || v.Brief != m_briefStand) {
        m_briefOffen = false;
        const QString brief = v.Brief.join(QLatin1Char('\n'));
        if (m_memo->toPlainText() != brief)
            m_memo->setPlainText(brief);
    }
    m_zeigen = false;
}

void TVorschauSeite::Aufbereiten(bool)
{
    einstellungenZeigen();
    TestPreviewPanelVis();
    // Every change of the day raises its change count: an unchanged count means the
    // figures shown are the day's.
    if (m_vorschauStand == m_tag.Stand())
        return;
    // The wait window repaints the main window at once and flickers; it is worth it only
    // for work long enough to be seen.
    std::optional<TWarten> warten;
    if (m_tag.AnzSprechwuensche() >= m_wartenAb)
        warten.emplace(m_warten, window());
    MakePreviewStatistics();
}

void TVorschauSeite::TestPreviewPanelVis()
{
    m_panel->setVisible(m_ja->isChecked());
}

void TVorschauSeite::MakePreviewStatistics()
{
    const TKapazitaet k = BerechneKapazitaet(m_tag);
    m_prozent->setText(KapazitaetProzentText(k.Unerfuellbar, k.Wuensche));
    m_label1->setText(KapazitaetUnerfuellbarText(k.Unerfuellbar, k.Wuensche));
    m_betroffene->setText(QString::number(k.Betroffene));
    m_label17->setText(KapazitaetBetroffeneText(k.Betroffene));
    const QString hinweis = Raster::KeineTermineHinweis(m_tag);
    m_keineTermine->setText(hinweis);
    m_keineTermine->setVisible(!hinweis.isEmpty());
    // A few lines at most, so that the page still fits the screen on a day where many
    // teachers invite too many.
    constexpr qsizetype Hoechstens = 4;
    QStringList ueber = EinladungenUeberKapazitaet(m_tag);
    if (ueber.size() > Hoechstens) {
        const qsizetype weitere = ueber.size() - Hoechstens;
        ueber.resize(Hoechstens);
        ueber << (weitere == 1 ? QStringLiteral("… und eine weitere Lehrkraft") : QStringLiteral("… und %1 weitere Lehrkräfte").arg(weitere));
    }
    m_einladungen->setText(ueber.join(QLatin1Char('\n')));
    m_einladungen->setVisible(!ueber.isEmpty());
    m_vorschauStand = m_tag.Stand();
}

bool TVorschauSeite::BriefPruefen()
{
    if (!m_briefOffen)
        return false;
    m_briefGemeldet = true;
    Meldung::Fehler(this, Freitext::Pruefe(QStringLiteral("Der Einleitungstext der Vorschaulisten"), m_memo->toPlainText()));
    return true;
}

bool TVorschauSeite::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == m_memo && e->type() == QEvent::FocusIn)
        m_briefGemeldet = false;
    if (objekt == m_memo && e->type() == QEvent::FocusOut && m_briefOffen) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        // Leaving the letter, not a message box or menu opening over it. Reported once the
        // focus change is complete, and only if "Erzeugen" did not report it already.
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
            QTimer::singleShot(0, this, [this] {
                if (m_briefOffen && !m_briefGemeldet)
                    BriefPruefen();
            });
    }
    return TSeite::eventFilter(objekt, e);
}

void TVorschauSeite::MakePreviewsBtnClick()
{
    // The lists would carry the letter the day still holds, not the one shown.
    if (BriefPruefen())
        return;
    if (m_drucker && !m_drucker->Vorlagen().Brief(this, m_tag))
        return;
    if (!m_ausgabe || m_ausgabe->exec() != QDialog::Accepted)
        return;
    QString pfad;
    if (m_ausgabe->CheckBox1()->isChecked()) {
        pfad = Dateisystem::MitEndung(m_wahl(this, m_ordner), QStringLiteral("txt"));
        if (pfad.isEmpty())
            m_ausgabe->CheckBox1()->setChecked(false);
        else
            m_ordner = QFileInfo(pfad).absolutePath();
    }
    QPrinter* drucker = nullptr;
    if (m_ausgabe->CheckBox2()->isChecked()) {
        drucker = m_drucker ? m_drucker->Waehle(this) : nullptr;
        if (!drucker)
            m_ausgabe->CheckBox2()->setChecked(false);
    }
    if (pfad.isEmpty() && !drucker)
        return;

    const QStringList zeilen = Vorschauliste::Zeilen(m_tag, m_tag.Vorschau.FuerAlleLehrer);
    std::optional<QString> fehler;
    {
        TWarten warten(m_warten, window());
        if (!pfad.isEmpty())
            fehler = Vorschauliste::SchreibeDatei(pfad, zeilen);
        // The printer gets the same lines, but not after a failed file: the command ends
        // at the first error.
        if (!fehler && drucker)
            fehler = Textdruck::Drucke(*drucker, QStringLiteral("Vorschaulisten"), zeilen);
    }
    if (fehler) {
        Meldung::Fehler(this, *fehler);
        return;
    }
    if (!pfad.isEmpty())
        Meldung::Info(this, Vorschauliste::DateiMeldung(QFileInfo(pfad).absoluteFilePath()));
    if (drucker) {
        const QString pdf = Druckziel::PdfDatei(*drucker);
        Meldung::Info(this, pdf.isEmpty() ? Vorschauliste::DruckMeldung()
                                          : Druckziel::PdfMeldung(QStringLiteral("Die Vorschaulisten"), pdf));
    }
}
