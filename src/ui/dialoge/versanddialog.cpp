#include "dialoge/versanddialog.h"

#include "dialoge/versandfortschritt.h"
#include "gemeinsam/meldungen.h"
#include "gemeinsam/titelraum.h"
#include "mailanhang.h"
#include "ini/inidatei.h"
#include "model/sprechtag.h"
#include "plattform/passwort.h"
#include "termine/datum.h"
#include "versand.h"
#include "versand/adresse.h"
#include "versand/protokoll.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The server's refusal of user or password: the remembered password is wrong.
bool AnmeldungAbgelehnt(const QString& abbruch)
{
    return abbruch.startsWith(QStringLiteral("Der Mailserver hat die Anmeldung abgelehnt"));
}

QLineEdit* Feld(const char* name, const QString& zugang, QWidget* eltern)
{
    auto* f = new QLineEdit(eltern);
    f->setObjectName(QString::fromUtf8(name));
    f->setAccessibleName(zugang);
    return f;
}

QLabel* Beschriftung(const QString& text, QWidget* buddy)
{
    auto* lb = new QLabel(text, buddy->parentWidget());
    lb->setBuddy(buddy);
    return lb;
}

QString Groesse(qsizetype bytes)
{
    return bytes < 1024 ? QStringLiteral("%1 Bytes").arg(bytes) : QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
}

QString MitName(const QString& name, const QString& adresse)
{
    return name.isEmpty() ? adresse : QStringLiteral("%1 <%2>").arg(name, adresse);
}

} // namespace

TVersandDialog::TVersandDialog(QWidget* eltern)
    : QDialog(eltern)
    , m_vorlageEltern(Versand::StandardVorlageEltern())
    , m_vorlageLehrer(Versand::StandardVorlageLehrer())
{
    setObjectName(QStringLiteral("VersandForm"));
    setWindowTitle(QStringLiteral("Pläne versenden"));
    setModal(true);
    m_fortschritt = new TVersandFortschritt(this);

    // --- Empfänger und Text ---
    auto* seite1 = new QWidget;
    seite1->setObjectName(QStringLiteral("VersandEmpfaengerSeite"));
    auto* wer = new QGroupBox(QStringLiteral("Empfänger"), seite1);
    m_familien = new QRadioButton(QStringLiteral("&Familien"), wer);
    m_familien->setObjectName(QStringLiteral("RbVersandFamilien"));
    m_lehrer = new QRadioButton(QStringLiteral("&Lehrkräfte"), wer);
    m_lehrer->setObjectName(QStringLiteral("RbVersandLehrer"));
    m_beide = new QRadioButton(QStringLiteral("Familien &und Lehrkräfte"), wer);
    m_beide->setObjectName(QStringLiteral("RbVersandBeide"));
    m_alle = new QRadioButton(QStringLiteral("&alle"), wer);
    m_alle->setObjectName(QStringLiteral("RbVersandAlle"));
    m_alle->setAccessibleName(QStringLiteral("an alle"));
    m_gewaehlte = new QRadioButton(QStringLiteral("nur die &gewählten"), wer);
    m_gewaehlte->setObjectName(QStringLiteral("RbVersandGewaehlte"));
    m_gewaehlte->setToolTip(QStringLiteral("Die auf der Seite „Zeitpläne“ markierten Eltern und Lehrer"));
    // Two choices in one box: each its own group, so that checking one leaves the other.
    auto* gruppeArt = new QButtonGroup(wer);
    for (QRadioButton* r : {m_familien, m_lehrer, m_beide})
        gruppeArt->addButton(r);
    auto* gruppeUmfang = new QButtonGroup(wer);
    for (QRadioButton* r : {m_alle, m_gewaehlte})
        gruppeUmfang->addButton(r);
    m_familien->setChecked(true);
    m_alle->setChecked(true);
    m_nurNeue = new QCheckBox(QStringLiteral("nur die noch nicht &versendeten"), wer);
    m_nurNeue->setObjectName(QStringLiteral("CbVersandNurNeue"));
    m_nurNeue->setToolTip(QStringLiteral("Laut Versandprotokoll schon versendete Pläne auslassen; geänderte Pläne werden "
                                         "wieder angeboten"));
    m_datum = Feld("VersandDatumEdit", QStringLiteral("Datum des Elternsprechtags"), wer);
    m_datum->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    auto* werRaster = new QGridLayout(wer);
    werRaster->addWidget(m_familien, 0, 0);
    werRaster->addWidget(m_lehrer, 0, 1);
    werRaster->addWidget(m_beide, 0, 2);
    werRaster->addWidget(m_alle, 1, 0);
    werRaster->addWidget(m_gewaehlte, 1, 1, 1, 2);
    werRaster->addWidget(m_nurNeue, 2, 0, 1, 3);
    werRaster->addWidget(Beschriftung(QStringLiteral("&Datum des Elternsprechtags:"), m_datum), 3, 0);
    werRaster->addWidget(m_datum, 3, 1);
    werRaster->setColumnStretch(3, 1);

    m_vorlage = new QComboBox(seite1);
    m_vorlage->setObjectName(QStringLiteral("VersandVorlageCb"));
    m_vorlage->setAccessibleName(QStringLiteral("Vorlage für"));
    m_vorlage->addItems({QStringLiteral("Familien"), QStringLiteral("Lehrkräfte")});
    m_betreff = Feld("VersandBetreffEdit", QStringLiteral("Betreff"), seite1);
    m_text = new QPlainTextEdit(seite1);
    m_text->setObjectName(QStringLiteral("VersandTextEdit"));
    m_text->setAccessibleName(QStringLiteral("Text der Nachricht"));
    m_text->setTabChangesFocus(true);
    auto* felder = new QLabel(QStringLiteral("Felder: {Name}, {Schule}, {Datum}, {Termine} (die Termine als Zeilen)"), seite1);
    felder->setWordWrap(true);
    auto* links = new QGridLayout;
    links->addWidget(Beschriftung(QStringLiteral("V&orlage für:"), m_vorlage), 0, 0);
    links->addWidget(m_vorlage, 0, 1);
    links->addWidget(Beschriftung(QStringLiteral("&Betreff:"), m_betreff), 1, 0);
    links->addWidget(m_betreff, 1, 1);
    links->addWidget(Beschriftung(QStringLiteral("Te&xt:"), m_text), 2, 0, Qt::AlignTop);
    links->addWidget(m_text, 2, 1);
    links->addWidget(felder, 3, 1);
    links->setRowStretch(2, 1);

    m_anzahl = new QLabel(seite1);
    m_anzahl->setObjectName(QStringLiteral("VersandAnzahlLb"));
    m_anzahl->setTextFormat(Qt::PlainText);
    m_anzahl->setWordWrap(true);
    m_liste = new QListWidget(seite1);
    m_liste->setObjectName(QStringLiteral("VersandListe"));
    m_liste->setAccessibleName(QStringLiteral("Nachrichten"));
    m_vorschau = new QPlainTextEdit(seite1);
    m_vorschau->setObjectName(QStringLiteral("VersandVorschau"));
    m_vorschau->setAccessibleName(QStringLiteral("Vorschau der ersten Nachricht"));
    m_vorschau->setReadOnly(true);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Beschriftung(QStringLiteral("Nac&hrichten:"), m_liste));
    rechts->addWidget(m_liste, 1);
    rechts->addWidget(Beschriftung(QStringLiteral("Vors&chau der ersten Nachricht:"), m_vorschau));
    rechts->addWidget(m_vorschau, 2);

    auto* mitte = new QHBoxLayout;
    mitte->addLayout(links, 1);
    mitte->addLayout(rechts, 1);
    auto* layout1 = new QVBoxLayout(seite1);
    layout1->addWidget(wer);
    layout1->addWidget(m_anzahl);
    layout1->addLayout(mitte, 1);

    // --- Mailserver ---
    auto* seite2 = new QWidget;
    seite2->setObjectName(QStringLiteral("VersandServerSeite"));
    m_host = Feld("VersandHostEdit", QStringLiteral("Mailserver"), seite2);
    m_host->setPlaceholderText(QStringLiteral("mail.schule.de"));
    m_port = new QSpinBox(seite2);
    m_port->setObjectName(QStringLiteral("VersandPortEdit"));
    m_port->setAccessibleName(QStringLiteral("Port"));
    m_port->setRange(1, 65535);
    m_tls = new QComboBox(seite2);
    m_tls->setObjectName(QStringLiteral("VersandTlsCb"));
    m_tls->setAccessibleName(QStringLiteral("Verschlüsselung"));
    m_tls->addItem(QStringLiteral("STARTTLS (meist Port 587)"), QStringLiteral("starttls"));
    m_tls->addItem(QStringLiteral("TLS (meist Port 465)"), QStringLiteral("tls"));
    m_tls->addItem(QStringLiteral("keine (nur ein Server auf diesem Rechner)"), QStringLiteral("keine"));
    m_benutzer = Feld("VersandBenutzerEdit", QStringLiteral("Benutzername"), seite2);
    m_absender = Feld("VersandAbsenderEdit", QStringLiteral("Absenderadresse"), seite2);
    m_absender->setPlaceholderText(QStringLiteral("sekretariat@schule.de"));
    m_absenderName = Feld("VersandAbsenderNameEdit", QStringLiteral("Absendername"), seite2);
    m_schule = Feld("VersandSchuleEdit", QStringLiteral("Name der Schule"), seite2);
    m_pause = new QDoubleSpinBox(seite2);
    m_pause->setObjectName(QStringLiteral("VersandPauseEdit"));
    m_pause->setAccessibleName(QStringLiteral("Pause zwischen Nachrichten in Sekunden"));
    m_pause->setRange(0, 600);
    m_pause->setDecimals(1);
    m_pause->setSingleStep(0.5);
    m_eigene = Feld("VersandEigeneEdit", QStringLiteral("Eigene Adresse für die Probe"), seite2);
    auto* form = new QFormLayout;
    form->addRow(Beschriftung(QStringLiteral("Se&rver:"), m_host), m_host);
    form->addRow(Beschriftung(QStringLiteral("P&ort:"), m_port), m_port);
    form->addRow(Beschriftung(QStringLiteral("&Verschlüsselung:"), m_tls), m_tls);
    form->addRow(Beschriftung(QStringLiteral("&Benutzername:"), m_benutzer), m_benutzer);
    form->addRow(Beschriftung(QStringLiteral("&Absenderadresse:"), m_absender), m_absender);
    form->addRow(Beschriftung(QStringLiteral("Absender&name:"), m_absenderName), m_absenderName);
    form->addRow(Beschriftung(QStringLiteral("Sch&ule (für {Schule}):"), m_schule), m_schule);
    form->addRow(Beschriftung(QStringLiteral("Pause zwischen Nachrichten (Se&kunden):"), m_pause), m_pause);
    form->addRow(Beschriftung(QStringLiteral("Ei&gene Adresse:"), m_eigene), m_eigene);
    m_eigene->setToolTip(QStringLiteral("„Probe an mich senden“ schickt die erste Nachricht hierhin"));
    auto* hinweis = new QLabel(QStringLiteral("Das Passwort wird im Schlüsselbund des Desktops aufbewahrt, nie in der "
                                              "Einstellungsdatei. Gibt es keinen Schlüsselbund, fragt Kalumo einmal je "
                                              "Programmlauf danach. Zertifikate werden immer geprüft."),
                               seite2);
    hinweis->setWordWrap(true);
    auto* layout2 = new QVBoxLayout(seite2);
    layout2->addLayout(form);
    layout2->addWidget(hinweis);
    layout2->addStretch();

    m_reiter = new QTabWidget(this);
    m_reiter->setObjectName(QStringLiteral("VersandReiter"));
    m_reiter->addTab(seite1, QStringLiteral("&Empfänger und Text"));
    m_reiter->addTab(seite2, QStringLiteral("&Mailserver"));

    m_probeBtn = new QPushButton(QStringLiteral("&Probe an mich senden"), this);
    m_probeBtn->setObjectName(QStringLiteral("VersandProbeBtn"));
    m_probeBtn->setAccessibleName(QStringLiteral("Probe an die eigene Adresse senden"));
    m_sendenBtn = new QPushButton(QStringLiteral("Pläne &senden"), this);
    m_sendenBtn->setObjectName(QStringLiteral("VersandSendenBtn"));
    m_sendenBtn->setAccessibleName(QStringLiteral("Pläne senden"));
    m_schliessenBtn = new QPushButton(QStringLiteral("Schl&ießen"), this);
    m_schliessenBtn->setObjectName(QStringLiteral("VersandSchliessenDialogBtn"));
    m_schliessenBtn->setAccessibleName(QStringLiteral("Schließen"));
    for (QPushButton* k : {m_probeBtn, m_sendenBtn, m_schliessenBtn})
        k->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_probeBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(m_sendenBtn);
    knoepfe->addWidget(m_schliessenBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_reiter, 1);
    layout->addLayout(knoepfe);
    resize(900, 640);
    RaumFuerTitel(this);
    // The fields hold the templates from the start: every later read takes them back.
    vorlageZeigen();

    for (QRadioButton* r : {m_familien, m_lehrer, m_beide, m_alle, m_gewaehlte})
        connect(r, &QRadioButton::toggled, this, [this](bool an) {
            if (an)
                Aktualisieren();
        });
    connect(m_nurNeue, &QCheckBox::toggled, this, &TVersandDialog::Aktualisieren);
    connect(m_datum, &QLineEdit::editingFinished, this, &TVersandDialog::Aktualisieren);
    connect(m_vorlage, &QComboBox::currentIndexChanged, this, [this] {
        vorlageMerken();
        m_vorlageArt = m_vorlage->currentIndex();
        vorlageZeigen();
        Aktualisieren();
    });
    m_verzoegert = new QTimer(this);
    m_verzoegert->setSingleShot(true);
    m_verzoegert->setInterval(400);
    connect(m_verzoegert, &QTimer::timeout, this, &TVersandDialog::Aktualisieren);
    connect(m_betreff, &QLineEdit::textEdited, m_verzoegert, qOverload<>(&QTimer::start));
    connect(m_text, &QPlainTextEdit::textChanged, m_verzoegert, qOverload<>(&QTimer::start));
    connect(m_reiter, &QTabWidget::currentChanged, this, &TVersandDialog::Aktualisieren);
    connect(m_probeBtn, &QPushButton::clicked, this, &TVersandDialog::ProbeSenden);
    connect(m_sendenBtn, &QPushButton::clicked, this, &TVersandDialog::Senden);
    connect(m_schliessenBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TVersandDialog::einstellungenZeigen(const Versand::TVersandEinstellungen& e)
{
    m_host->setText(e.Host);
    m_port->setValue(e.Port);
    m_tls->setCurrentIndex(qMax(0, m_tls->findData(e.Tls)));
    m_benutzer->setText(e.Benutzer);
    m_absender->setText(e.Absender);
    m_absenderName->setText(e.AbsenderName);
    m_schule->setText(e.Schule);
    m_pause->setValue(e.PauseSekunden);
    m_eigene->setText(e.EigeneAdresse);
    m_zertifikate = e.Zertifikate;
}

Versand::TVersandEinstellungen TVersandDialog::Einstellungen() const
{
    Versand::TVersandEinstellungen e;
    e.Host = m_host->text().trimmed();
    e.Port = m_port->value();
    e.Tls = m_tls->currentData().toString();
    e.Benutzer = m_benutzer->text();
    e.Absender = m_absender->text().trimmed();
    e.AbsenderName = m_absenderName->text();
    e.Schule = m_schule->text();
    e.PauseSekunden = m_pause->value();
    e.Zertifikate = m_zertifikate;
    e.EigeneAdresse = m_eigene->text().trimmed();
    return e;
}

void TVersandDialog::vorlageMerken()
{
    Versand::TVorlage& v = m_vorlageArt == 0 ? m_vorlageEltern : m_vorlageLehrer;
    v.Betreff = m_betreff->text();
    v.Text = m_text->toPlainText();
}

void TVersandDialog::vorlageZeigen()
{
    const Versand::TVorlage& v = m_vorlageArt == 0 ? m_vorlageEltern : m_vorlageLehrer;
    m_betreff->setText(v.Betreff);
    m_text->setPlainText(v.Text);
}

Versand::TEmpfaenger TVersandDialog::empfaenger() const
{
    if (m_lehrer->isChecked())
        return Versand::TEmpfaenger::Lehrer;
    return m_beide->isChecked() ? Versand::TEmpfaenger::Alle : Versand::TEmpfaenger::Eltern;
}

void TVersandDialog::Ausfuehren(const TVersandKontext& kontext)
{
    m_kontext = kontext;
    m_pdfs.clear();
    m_stand = QDateTime::currentDateTime();
    const Versand::TVersandEinstellungen gelesen = Versand::VersandEinstellungenLesen(IniLesen(kontext.IniLesen));
    einstellungenZeigen(gelesen);
    if (m_datum->text().trimmed().isEmpty() && kontext.Datum.isValid())
        m_datum->setText(kontext.Datum.toString(QStringLiteral("dd.MM.yyyy")));
    const qsizetype gewaehlt = kontext.GewaehlteEltern.size() + kontext.GewaehlteLehrer.size();
    m_gewaehlte->setText(QStringLiteral("nur die &gewählten (%1)").arg(gewaehlt));
    m_gewaehlte->setAccessibleName(QStringLiteral("nur die gewählten"));
    m_gewaehlte->setEnabled(gewaehlt > 0);
    m_alle->setChecked(true);
    m_nurNeue->setChecked(true);
    m_reiter->setCurrentIndex(0);
    Aktualisieren();
    exec();
}

void TVersandDialog::done(int ergebnis)
{
    vorlageMerken();
    const Versand::TVersandEinstellungen e = Einstellungen();
    if (!(e == Versand::VersandEinstellungenLesen(IniLesen(m_kontext.IniLesen)))) {
        const QString f = Versand::VersandEinstellungenSchreiben(m_kontext.IniSchreiben, e);
        if (!f.isEmpty())
            Meldung::Fehler(this, f);
    }
    QDialog::done(ergebnis);
}

void TVersandDialog::Aktualisieren()
{
    m_verzoegert->stop();
    if (!m_kontext.Tag)
        return;
    vorlageMerken();
    m_angebot.clear();
    m_ohneAdresse.clear();
    m_liste->clear();
    const TDatumEingabe datum = Termine::LiesDatum(m_datum->text());
    if (!datum.ok()) {
        m_anzahl->setText(QStringLiteral("Bitte das Datum des Elternsprechtags angeben."));
        m_vorschau->setPlainText(m_datum->text().trimmed().isEmpty() ? m_anzahl->text() : datum.Fehler);
        return;
    }
    const Versand::TVersandEinstellungen e = Einstellungen();
    Versand::TAngaben a;
    a.Datum = datum.Datum;
    a.Stempel = QDateTime::currentDateTimeUtc();
    a.Absender = e.Absender;
    a.AbsenderName = e.AbsenderName;
    a.Schule = !e.Schule.isEmpty() ? e.Schule : !m_kontext.SchulName.isEmpty() ? m_kontext.SchulName : e.AbsenderName;
    a.Eltern = m_vorlageEltern;
    a.Lehrer = m_vorlageLehrer;
    const TSprechtag& tag = *m_kontext.Tag;
    const TPlanTexte planTexte = TPlanTexte::Aus(tag.Plan, m_kontext.SchulName);
    const TTuerTexte tuerTexte = TTuerTexte::Aus(tag.Plan, m_kontext.SchulName, m_stand);
    const Versand::TNachrichten n = Versand::Baue(
        tag, empfaenger(), a,
        [&](const QStringList& eintraege) {
            QByteArray& pdf = m_pdfs[QStringLiteral("E\n") + eintraege.join(u'\n')];
            if (pdf.isEmpty())
                pdf = MailAnhang::FamilienPlan(tag, eintraege, planTexte);
            return pdf;
        },
        [&](const QString& lehrer) {
            QByteArray& pdf = m_pdfs[QStringLiteral("L\n") + lehrer];
            if (pdf.isEmpty())
                pdf = MailAnhang::Tuerliste(tag, lehrer, tuerTexte);
            return pdf;
        });
    QString lesefehler;
    const std::vector<Versand::TProtokollZeile> protokoll =
        m_kontext.TagDatei.isEmpty() ? std::vector<Versand::TProtokollZeile>()
                                     : Versand::ProtokollLesen(Versand::ProtokollPfad(m_kontext.TagDatei), &lesefehler);
    Versand::TAuswahl auswahl;
    auswahl.NurNeue = m_nurNeue->isChecked();
    if (m_gewaehlte->isChecked())
        auswahl.Namen = m_kontext.GewaehlteEltern + m_kontext.GewaehlteLehrer;
    m_angebot = Versand::Anbieten(n.Liste, auswahl, Versand::TProtokollStand(protokoll));
    m_ohneAdresse = n.OhneAdresse;

    int geaendert = 0;
    for (const Versand::TAngebot& x : m_angebot) {
        geaendert += x.Stand == Versand::TVersandStand::Geaendert;
        m_liste->addItem(QStringLiteral("%1 – %2 (%3)")
                             .arg(x.Nachricht.Was, x.Nachricht.Mail.An.join(QStringLiteral(", ")), Versand::StandText(x.Stand)));
    }
    for (const QString& name : m_ohneAdresse) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 – keine E-Mail-Adresse").arg(name), m_liste);
        item->setFlags(Qt::NoItemFlags);
    }
    QString anzahl = m_angebot.size() == 1 ? QStringLiteral("1 Nachricht wird versendet")
                                           : QStringLiteral("%1 Nachrichten werden versendet").arg(m_angebot.size());
    if (geaendert)
        anzahl += QStringLiteral(", davon %1 geändert").arg(geaendert);
    anzahl += u'.';
    if (!m_ohneAdresse.isEmpty())
        anzahl += QStringLiteral(" Ohne E-Mail-Adresse: %1.").arg(m_ohneAdresse.size());
    if (!lesefehler.isEmpty())
        anzahl += u' ' + lesefehler;
    m_anzahl->setText(anzahl);

    if (m_angebot.empty()) {
        m_vorschau->setPlainText(QStringLiteral("Keine Nachricht zu versenden."));
        return;
    }
    const Versand::TMail& m = m_angebot.front().Nachricht.Mail;
    QStringList an;
    for (const QString& adresse : m.An)
        an << MitName(m.EmpfaengerName, adresse);
    QString t = QStringLiteral("Von: %1\nAn: %2\nBetreff: %3\n\n%4\n").arg(MitName(m.AbsenderName, m.Absender), an.join(QStringLiteral(", ")), m.Betreff, m.Text);
    t += QStringLiteral("\nAnhänge:");
    if (m.Anhaenge.empty())
        t += QStringLiteral(" keine");
    for (const Versand::TAnhang& x : m.Anhaenge)
        t += QStringLiteral("\n  %1 (%2)").arg(x.Name, Groesse(x.Daten.size()));
    m_vorschau->setPlainText(t);
}

bool TVersandDialog::pruefen(Versand::TServer& s)
{
    const Versand::TVersandEinstellungen e = Einstellungen();
    QString f = Versand::PruefeVersandEinstellungen(e);
    s.Host = e.Host;
    s.Port = e.Port;
    Versand::TlsAusText(e.Tls, s.Tls);
    s.Benutzer = e.Benutzer;
    s.CaDatei = e.Zertifikate;
    if (f.isEmpty())
        f = Versand::PruefeServer(s);
    if (!f.isEmpty()) {
        m_reiter->setCurrentIndex(1);
        Meldung::Fehler(this, f);
        return false;
    }
    const TDatumEingabe datum = Termine::LiesDatum(m_datum->text());
    if (!datum.ok()) {
        m_reiter->setCurrentIndex(0);
        Meldung::Fehler(this, m_datum->text().trimmed().isEmpty()
                                  ? QStringLiteral("Bitte im Feld „Datum des Elternsprechtags“ das Datum angeben (TT.MM.JJJJ).")
                                  : QStringLiteral("Datum des Elternsprechtags: ") + datum.Fehler);
        m_datum->setFocus();
        return false;
    }
    if (m_kontext.TagDatei.isEmpty()) {
        Meldung::Fehler(this, QStringLiteral("Bitte speichern Sie den Tag zuerst. Das Versandprotokoll liegt neben der "
                                             "Tagesdatei und verhindert, dass ein Plan zweimal versendet wird."));
        return false;
    }
    return true;
}

bool TVersandDialog::vorbereiten(Versand::TServer s, Versand::TLauf& lauf)
{
    const Versand::TVersandEinstellungen e = Einstellungen();
    if (!s.Benutzer.isEmpty()) {
        const auto passwort = Passwort::Holen(this, Passwort::Konto(s.Host, s.Port, s.Benutzer),
                                              QStringLiteral("Passwort für „%1“ auf dem Mailserver „%2“:").arg(s.Benutzer, s.Host));
        if (!passwort)
            return false;
        s.Passwort = *passwort;
    }
    lauf.Server = s;
    lauf.Absender = e.Absender;
    lauf.Protokoll = Versand::ProtokollPfad(m_kontext.TagDatei);
    lauf.NurNeue = m_nurNeue->isChecked();
    lauf.PauseMs = int(e.PauseSekunden * 1000);
    return true;
}

Versand::TLaufBericht TVersandDialog::laufen(const std::vector<Versand::TNachricht>& nachrichten, Versand::TLauf lauf)
{
    const Versand::TLaufBericht b = m_fortschritt->Ausfuehren(nachrichten, lauf);
    if (AnmeldungAbgelehnt(b.Abbruch))
        Passwort::Vergessen(Passwort::Konto(lauf.Server.Host, lauf.Server.Port, lauf.Server.Benutzer));
    Aktualisieren();
    return b;
}

void TVersandDialog::ProbeSenden()
{
    Aktualisieren();
    Versand::TServer s;
    if (!pruefen(s))
        return;
    const QString eigene = m_eigene->text().trimmed();
    if (eigene.isEmpty()) {
        m_reiter->setCurrentIndex(1);
        Meldung::Fehler(this, QStringLiteral("Bitte im Feld „Eigene Adresse“ Ihre E-Mail-Adresse für die Probe angeben."));
        m_eigene->setFocus();
        return;
    }
    if (m_angebot.empty()) {
        Meldung::Fehler(this, QStringLiteral("Es gibt keine Nachricht, die als Probe dienen könnte."));
        return;
    }
    Versand::TLauf lauf;
    if (!vorbereiten(s, lauf))
        return;
    lauf.NurNeue = false;
    m_probeAngekommen = laufen({Versand::Probe(m_angebot.front().Nachricht, eigene)}, lauf).AllesAngenommen() || m_probeAngekommen;
}

void TVersandDialog::Senden()
{
    Aktualisieren();
    Versand::TServer s;
    if (!pruefen(s))
        return;
    if (m_angebot.empty()) {
        Meldung::Info(this, m_nurNeue->isChecked() ? QStringLiteral("Es gibt keine Nachricht zu versenden: alle gewählten Pläne "
                                                                     "sind laut Versandprotokoll schon versendet.")
                                                   : QStringLiteral("Es gibt keine Nachricht zu versenden."));
        return;
    }
    Versand::TLauf lauf;
    if (!vorbereiten(s, lauf))
        return;
    QString frage = m_angebot.size() == 1
                        ? QStringLiteral("1 Nachricht jetzt über „%1“ versenden?").arg(lauf.Server.Host)
                        : QStringLiteral("%1 Nachrichten jetzt über „%2“ versenden?").arg(m_angebot.size()).arg(lauf.Server.Host);
    // The date goes into every calendar file: a slip is cheap to catch here.
    const QDate datum = Termine::LiesDatum(m_datum->text()).Datum;
    QStringList gruende;
    if (datum < QDate::currentDate())
        gruende << QStringLiteral("liegt in der Vergangenheit");
    if (datum.dayOfWeek() >= 6)
        gruende << QStringLiteral("ist ein %1").arg(QLocale(QLocale::German).dayName(datum.dayOfWeek(), QLocale::LongFormat));
    if (!gruende.isEmpty())
        frage += QStringLiteral("\rAchtung: Der %1 %2.").arg(datum.toString(QStringLiteral("dd.MM.yyyy")), gruende.join(QStringLiteral(" und ")));
    if (!m_probeAngekommen)
        frage += QStringLiteral("\rIn diesem Programmlauf ging noch keine Probe an Ihre eigene Adresse („Probe an mich senden“).");
    if (!Meldung::Frage(this, frage))
        return;
    std::vector<Versand::TNachricht> nachrichten;
    nachrichten.reserve(m_angebot.size());
    for (const Versand::TAngebot& x : m_angebot)
        nachrichten.push_back(x.Nachricht);
    laufen(nachrichten, lauf);
}
