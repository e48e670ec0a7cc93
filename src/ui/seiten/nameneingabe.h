#pragma once
// The entry column shared by the teacher and parent pages: heading, instruction, the entry
// line with its submit button, the counter and "Alle löschen".

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

struct TEingabeTexte {
    QString ueberschrift;
    QString anleitung;
    QString feldName;
    QString feldZugang;
    QString startText;
    QString knopfName;
    QString knopfHinweis;
    QString zaehlerName;
    QString loeschName;
};

class TNamenEingabe : public QWidget {
    Q_OBJECT
public:
    TNamenEingabe(const TEingabeTexte& texte, QWidget* eltern);

    QLineEdit* Feld() const { return m_feld; }
    QPushButton* SubmitBtn() const { return m_submit; }
    QPushButton* LoeschBtn() const { return m_loesch; }
    void SetZaehler(const QString& text);

signals:
    void uebernehmen();
    void alleLoeschen();
    /// The entry line got the focus: its submit button is the default button now.
    void feldBetreten();

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    QLineEdit* m_feld;
    QPushButton* m_submit;
    QLabel* m_zaehler;
    QPushButton* m_loesch;
};
