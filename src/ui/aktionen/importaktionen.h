#pragma once
// "Importieren" on the pages "Lehrer", "Eltern" and "Vorschau": names or the covering
// letter from a text file, according to the page the button sits on; and the import of
// the school's own exports.

#include <QObject>
#include <QString>

class TForm2;
class TSchuldatenAssistent;
class TSprechtag;

class TImportAktionen : public QObject {
    Q_OBJECT
public:
    TImportAktionen(TSprechtag& tag, TForm2* haupt, QObject* eltern = nullptr);

    void ImportBtnClick();
    /// "Schuldaten importieren …" on the pages "Lehrer" and "Eltern".
    void SchuldatenBtnClick();

    TSchuldatenAssistent* Assistent() const { return m_assistent; }

    /// Start folder of the text file dialog (kept in the settings file).
    QString Ordner() const { return m_ordner; }
    void SetOrdner(const QString& ordner) { m_ordner = ordner; }

private:
    TSprechtag& m_tag;
    TForm2* m_haupt;
    QString m_ordner;
    TSchuldatenAssistent* m_assistent;
};
