#include "seiten/namenseite.h"

#include "gemeinsam/meldungen.h"
#include "gemeinsam/namenmodell.h"
#include "model/sprechtag.h"
#include "seiten/nameneingabe.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>

TNamenSeite::TNamenSeite(TSprechtag& tag, bool lehrer, const TEingabeTexte& texte, const QString& listenName,
                         const QString& listenZugang, QWidget* eltern)
    : TSeite(tag, true, eltern)
    , m_lehrer(lehrer)
{
    m_eingabe = new TNamenEingabe(texte, this);
    m_modell = new TNamenModell([this] { return int(Anzahl()); },
                                [this](int i) { return m_lehrer ? m_tag.Lehrer.Name(i) : m_tag.Eltern.Name(i); }, this);
    m_liste = new QListView(this);
    m_liste->setObjectName(listenName);
    m_liste->setAccessibleName(listenZugang);
    m_liste->setModel(m_modell);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->setUniformItemSizes(true);

    connect(m_eingabe, &TNamenEingabe::uebernehmen, this, &TNamenSeite::Uebernehmen);
    connect(m_eingabe, &TNamenEingabe::alleLoeschen, this, &TNamenSeite::AskLoesch);
    connect(m_eingabe, &TNamenEingabe::feldBetreten, this, [this] { m_eingabe->SubmitBtn()->setDefault(true); });
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TNamenSeite::auswahlGeaendert);
    ShowAnz();
}

qsizetype TNamenSeite::Anzahl() const
{
    return m_lehrer ? m_tag.Lehrer.Anzahl() : m_tag.Eltern.Anzahl();
}

QPushButton* TNamenSeite::StandardKnopf() const
{
    return m_eingabe->SubmitBtn();
}

void TNamenSeite::Aufbereiten(bool fensterSichtbar)
{
    ShowAnz();
    if (fensterSichtbar)
        m_eingabe->Feld()->setFocus();
}

void TNamenSeite::ShowAnz()
{
    m_eingabe->SetZaehler(m_lehrer ? m_tag.AnzLehrerText() : m_tag.AnzElternText());
}

void TNamenSeite::ListeNeu()
{
    const QString vorher = GewaehlterName();
    m_modell->Neu();
    if (!vorher.isEmpty())
        Waehle(m_lehrer ? m_tag.Lehrer.IndexVon(vorher) : m_tag.Eltern.IndexVon(vorher));
    ShowAnz();
}

int TNamenSeite::GewaehlterIndex() const
{
    const QModelIndexList gewaehlt = m_liste->selectionModel()->selectedIndexes();
    if (gewaehlt.isEmpty() || gewaehlt.first().row() >= Anzahl())
        return -1;
    return gewaehlt.first().row();
}

QString TNamenSeite::GewaehlterName() const
{
    const int i = GewaehlterIndex();
    if (i < 0)
        return {};
    return m_lehrer ? m_tag.Lehrer.Name(i) : m_tag.Eltern.Name(i);
}

void TNamenSeite::Waehle(qsizetype index)
{
    if (index < 0 || index >= Anzahl()) {
        m_liste->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex mi = m_modell->index(int(index));
    m_liste->selectionModel()->setCurrentIndex(mi, QItemSelectionModel::ClearAndSelect);
    m_liste->scrollTo(mi);
}

void TNamenSeite::Uebernehmen()
{
    QLineEdit* feld = m_eingabe->Feld();
    const TNeuerName r = m_lehrer ? m_tag.LehrerUebernehmen(feld->text()) : m_tag.ElternUebernehmen(feld->text());
    switch (r.fehler) {
    case TNamensFehler::Leer:
        return;
    case TNamensFehler::Doppelt:
        Meldung::Info(this, NamensMeldung(r, m_lehrer));
        return;
    case TNamensFehler::FremdesZeichen:
        Meldung::Fehler(this, NamensMeldung(r, m_lehrer));
        return;
    case TNamensFehler::Keiner:
        break;
    }
    feld->clear();
    m_modell->Neu();
    ShowAnz();
    feld->setFocus();
    Waehle(r.index);
}

void TNamenSeite::AskLoesch()
{
    if (Anzahl() == 0)
        return;
    const QString frage =
        m_lehrer ? QStringLiteral("Wollen Sie wirklich alle Lehrer aus der Liste löschen?\rDamit werden auch alle Sprechwünsche "
                                  "gelöscht, da sie sich auf die Lehrer beziehen!")
                 : QStringLiteral("Wollen Sie wirklich alle Eltern aus der Liste löschen?\rDamit werden auch alle Sprechwünsche und "
                                  "alle Sprechwunschablehnungen seitens der Lehrer gelöscht, da sie sich auf die Eltern beziehen!");
    if (!Meldung::Frage(this, frage))
        return;
    if (m_lehrer)
        m_tag.LehrerLoesch();
    else
        m_tag.ElternLoesch();
    m_modell->Neu();
    ShowAnz();
    emit auswahlGeaendert();
}
