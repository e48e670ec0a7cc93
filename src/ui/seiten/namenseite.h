#pragma once
// What the teacher and parent pages share: the entry column, the sorted name list over one
// of the day's collections, the counter and "Alle löschen".

#include "seiten/seite.h"

#include <functional>

class QListView;
class QToolButton;
class TAnzeigeOptionen;
class TNamenEingabe;
class TNamenModell;
struct TEingabeTexte;

class TNamenSeite : public TSeite {
    Q_OBJECT
public:
    void Aufbereiten(bool fensterSichtbar) override;
    QPushButton* StandardKnopf() const override;

    /// Adds the typed name (Enter in the entry line or the submit button).
    void Uebernehmen();
    /// Asks, then removes every name of this page's kind.
    void AskLoesch();
    void ShowAnz();
    /// The collection changed elsewhere (loading, import): refill the list, keeping the
    /// selected name where it still exists.
    void ListeNeu();

    QListView* Liste() const { return m_liste; }
    TNamenEingabe* Eingabe() const { return m_eingabe; }
    /// Name of the selected entry, or empty.
    QString GewaehlterName() const;
    /// Position of the selected entry, or -1.
    int GewaehlterIndex() const;
    void Waehle(qsizetype index);
    /// Applies the shared font size to the name list and the buttons.
    void SchriftAnwenden();

    /// Writes pending edits of the details into the records. False when a typed time was
    /// invalid: it was reported, and the field shows the stored time again.
    virtual bool Sichern() { return true; }
    /// Shows the details of the selected entry.
    virtual void AuswahlZeigen() {}
    /// Deletes the selected entry with every reference to it, after the timetable
    /// question; then the following entry (or the new last one) is selected.
    void GewaehltenLoeschen();
    /// Renames the selected entry to `neu` with every reference, after the timetable
    /// question; refusals are reported.
    void GewaehltenUmbenennen(const QString& neu);

    /// Asked before an action that makes computed timetables invalid (renaming and
    /// deleting); false abandons the action.
    void SetPlaeneFrage(std::function<bool()> frage) { m_plaeneFrage = std::move(frage); }

signals:
    /// The selection of the list changed (the details follow it).
    void auswahlGeaendert();

protected:
    TNamenSeite(TSprechtag& tag, TAnzeigeOptionen& optionen, bool lehrer, const TEingabeTexte& texte, const QString& listenName,
                const QString& listenZugang, const QString& grossName, const QString& kleinName, QWidget* eltern);

    /// The row "Schriftgröße:" with the two font buttons.
    QWidget* SchriftZeile() const { return m_schriftZeile; }
    TAnzeigeOptionen& m_optionen;
    std::function<bool()> m_plaeneFrage;

    qsizetype Anzahl() const;
    TNamenModell* Modell() const { return m_modell; }

private:
    /// The name in the selected row of the list (which may lag behind the collection).
    QString zeilenName() const;

    bool m_lehrer;
    /// The selected entry by name, so that it stays selected when others are added.
    QString m_gewaehlt;
    TNamenEingabe* m_eingabe;
    QListView* m_liste;
    TNamenModell* m_modell;
    QWidget* m_schriftZeile;
    QToolButton* m_gross;
    QToolButton* m_klein;
};
