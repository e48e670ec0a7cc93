#pragma once
// "Pläne versenden": every family its plan and calendar file, every teacher the list of
// talks, by mail through the school's server. Tab "Empfänger und Text": families,
// teachers or both, all or the names chosen on the page, "nur die noch nicht
// versendeten" (from the send log; a plan that changed since its mail is offered as
// "geändert"), subject and text from templates, and the first message as it will arrive.
// Tab "Mailserver": the settings in qvt.ini's [Versand]. "Probe an mich senden" sends that
// first message to the organiser's own address; "Pläne senden" sends everything offered.

#include "versand.h"
#include "versand/auswahl.h"
#include "versand/einstellungen.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class TSprechtag;
class TVersandFortschritt;

struct TVersandKontext {
    TSprechtag* Tag = nullptr;
    /// The day's file; the send log lies beside it. Empty for a day never saved.
    QString TagDatei;
    /// Names chosen in the page's lists.
    QStringList GewaehlteEltern;
    QStringList GewaehlteLehrer;
    /// The school's name on the printed plans: {Schule} when the settings name none.
    QString SchulName;
    /// The date of the last appointment export, if any.
    QDate Datum;
    /// qvt.ini to read and to write.
    QString IniLesen;
    QString IniSchreiben;
};

class TVersandDialog : public QDialog {
    Q_OBJECT
public:
    explicit TVersandDialog(QWidget* eltern = nullptr);

    /// Shows the dialog for the day; the settings are written back to qvt.ini when it
    /// closes (the password never).
    void Ausfuehren(const TVersandKontext& kontext);

    /// Builds the offer and the preview anew from the fields.
    void Aktualisieren();
    /// "&Probe an mich senden" and "Pläne &senden".
    void ProbeSenden();
    void Senden();

    /// The offer as it stands.
    const std::vector<Versand::TAngebot>& Angebot() const { return m_angebot; }
    Versand::TVersandEinstellungen Einstellungen() const;
    TVersandFortschritt* Fortschritt() const { return m_fortschritt; }

protected:
    void done(int ergebnis) override;

private:
    void einstellungenZeigen(const Versand::TVersandEinstellungen& e);
    /// The template of the kind chosen in the combo box takes subject and text.
    void vorlageMerken();
    void vorlageZeigen();
    /// Checks settings, date and the day's file; fills `server` but for the password.
    /// False after a message naming the field.
    bool pruefen(Versand::TServer& server);
    /// The password (asked if need be) and the run's settings. False when the user
    /// cancelled the question.
    bool vorbereiten(Versand::TServer server, Versand::TLauf& lauf);
    Versand::TLaufBericht laufen(const std::vector<Versand::TNachricht>& nachrichten, Versand::TLauf lauf);
    Versand::TEmpfaenger empfaenger() const;

    TVersandKontext m_kontext;
    /// The PDF pages drawn for this opening of the dialog, by family or teacher: the
    /// preview is built anew as the user types, the pages only once.
    QHash<QString, QByteArray> m_pdfs;
    QDateTime m_stand;
    std::vector<Versand::TAngebot> m_angebot;
    QStringList m_ohneAdresse;
    Versand::TVorlage m_vorlageEltern;
    Versand::TVorlage m_vorlageLehrer;
    int m_vorlageArt = 0;
    /// A test mail went out in this run: the question before sending need not remind of it.
    bool m_probeAngekommen = false;
    TVersandFortschritt* m_fortschritt;
    /// Typing in subject or text shows the preview anew once the typing pauses.
    QTimer* m_verzoegert;

    QTabWidget* m_reiter;
    QRadioButton* m_familien;
    QRadioButton* m_lehrer;
    QRadioButton* m_beide;
    QRadioButton* m_alle;
    QRadioButton* m_gewaehlte;
    QCheckBox* m_nurNeue;
    QLineEdit* m_datum;
    QComboBox* m_vorlage;
    QLineEdit* m_betreff;
    QPlainTextEdit* m_text;
    QLabel* m_anzahl;
    QListWidget* m_liste;
    QPlainTextEdit* m_vorschau;

    QLineEdit* m_host;
    QSpinBox* m_port;
    QComboBox* m_tls;
    QLineEdit* m_benutzer;
    QLineEdit* m_absender;
    QLineEdit* m_absenderName;
    QLineEdit* m_schule;
    QDoubleSpinBox* m_pause;
    QLineEdit* m_eigene;
    QString m_zertifikate;

    QPushButton* m_probeBtn;
    QPushButton* m_sendenBtn;
    QPushButton* m_schliessenBtn;
};
