#pragma once
// "Termine exportieren": asks for the day's date (not part of the data file) and the target
// folder, then writes the list of every talk and the families' calendar files. The dialog
// stays open on an error, so that a mistyped folder can be corrected; date and folder are
// remembered only after an export that worked.

#include <QDate>
#include <QDialog>

class QDateEdit;
class QLineEdit;
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

    void accept() override;

private:
    void ordnerWaehlen();

    const TSprechtag* m_tag = nullptr;
    QDateEdit* m_datumEdit;
    QLineEdit* m_ordnerEdit;
    QDate m_datum;
    QString m_ordner;
};
