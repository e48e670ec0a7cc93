#pragma once
// "Termine exportieren": asks for the day's date (not part of the data file) and the target
// folder, then writes the list of every talk and the families' calendar files. The date is
// typed (taken exactly as typed or refused) or picked from a calendar, and the chosen day
// stands with its weekday above the buttons before anything is written. The dialog stays
// open on an error, so that a mistyped folder can be corrected; date and folder are
// remembered only after an export that worked.

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TSprechtag;

class TTermineForm : public QDialog {
    Q_OBJECT
public:
    explicit TTermineForm(QWidget* eltern);

    /// Shows the dialog for `tag`; true when the files were written.
    bool Exportieren(const TSprechtag& tag);

    /// The remembered date and folder (settings file); an invalid date means today.
    QDate Datum() const { return m_datum; }
    void SetDatum(QDate datum) { m_datum = datum; }
    QString Ordner() const { return m_ordner; }
    void SetOrdner(const QString& ordner) { m_ordner = ordner; }

    /// The folder proposed on opening: the remembered one when it lies in the folder of
    /// the day's file (or the day has no file), else the folder of the day's file, else
    /// the documents folder; never the program's folder.
    QString VorgeschlagenerOrdner() const;

    void accept() override;

private:
    void ordnerWaehlen();
    void kalenderZeigen();
    void datumGewaehlt(QDate datum);
    void tagZeigen();

    const TSprechtag* m_tag = nullptr;
    QLineEdit* m_datumEdit;
    QPushButton* m_kalenderBtn;
    QMenu* m_kalenderMenu;
    QCalendarWidget* m_kalender;
    QLabel* m_tagLb;
    QLineEdit* m_ordnerEdit;
    QDate m_datum;
    QString m_ordner;
    /// A past or weekend date the user has already confirmed in this opening.
    QDate m_bestaetigt;
};
