#pragma once
// Common frame of the five main-window pages: the row with the load, save and (on some
// pages) import buttons, and the page preparation the main window runs on every change.

#include <QWidget>

class QPushButton;
class TSprechtag;

class TDateiLeiste : public QWidget {
    Q_OBJECT
public:
    TDateiLeiste(bool mitImport, QWidget* eltern);

    QPushButton* LadenBtn() const { return m_laden; }
    QPushButton* SpeichernBtn() const { return m_speichern; }
    QPushButton* ImportBtn() const { return m_import; }
    QPushButton* SchuldatenBtn() const { return m_schuldaten; }
    /// Adds "Schuldaten importieren …" beside the text import (pages of names only).
    void MitSchuldaten();

signals:
    void laden();
    void speichern();
    void importieren();
    void schuldaten();

private:
    QPushButton* m_laden;
    QPushButton* m_speichern;
    QPushButton* m_import = nullptr;
    QPushButton* m_schuldaten = nullptr;
};

class TSeite : public QWidget {
    Q_OBJECT
public:
    TSeite(TSprechtag& tag, bool mitImport, QWidget* eltern);

    /// Refreshes the page from the day's records (page preparation).
    virtual void Aufbereiten(bool fensterSichtbar) = 0;
    /// The button Enter triggers while this page is shown; nullptr for none.
    virtual QPushButton* StandardKnopf() const { return nullptr; }

    TDateiLeiste* Leiste() const { return m_leiste; }

protected:
    /// Puts the page's own content above the file row.
    void SetInhalt(QWidget* inhalt);
    /// Puts a row of actions between the content and the file row: it stays in view while
    /// the content scrolls.
    void SetAktionen(QWidget* aktionen);

    TSprechtag& m_tag;

private:
    TDateiLeiste* m_leiste;
};

/// A heading label in the page style.
class QLabel;
QLabel* Ueberschrift(const QString& text, QWidget* eltern);
/// A label in bold.
QLabel* Fett(const QString& text, QWidget* eltern);
/// A wrapped explanatory text.
QLabel* Erklaerung(const QString& text, QWidget* eltern);
/// Bold dark red, for a warning that stays on the page while its cause lasts.
void Warnfarbe(QLabel* lb);
