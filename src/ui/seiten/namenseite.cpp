#include "seiten/namenseite.h"

#include "gemeinsam/meldungen.h"
#include "gemeinsam/namenmodell.h"
#include "gemeinsam/zeilenhoehe.h"
#include "model/sprechtag.h"
#include "seiten/nameneingabe.h"
#include "verlauf/verlauf.h"

#include "bearbeiten/umbenennen.h"
#include "gemeinsam/anzeigeoptionen.h"

#include <QHBoxLayout>
#include <optional>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QListView>
#include <QPushButton>

TNamenSeite::TNamenSeite(TSprechtag& tag, TAnzeigeOptionen& optionen, bool lehrer, const TEingabeTexte& texte,
                         const QString& listenName, const QString& listenZugang, const QString& grossName,
                         const QString& kleinName, QWidget* eltern)
    : TSeite(tag, true, eltern)
    , m_optionen(optionen)
    , m_lehrer(lehrer)
{
    Leiste()->MitSchuldaten();
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
    ZeilenhoeheSichern(m_liste);

    connect(m_eingabe, &TNamenEingabe::uebernehmen, this, &TNamenSeite::Uebernehmen);
    connect(m_eingabe, &TNamenEingabe::alleLoeschen, this, &TNamenSeite::AskLoesch);
    connect(m_eingabe, &TNamenEingabe::feldBetreten, this, [this] { m_eingabe->SubmitBtn()->setDefault(true); });
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_gewaehlt = zeilenName();
        emit auswahlGeaendert();
    });

    // Two sizes for both name lists; the choice is shared with the other page.
    m_schriftZeile = new QWidget(this);
    auto* zeile = new QHBoxLayout(m_schriftZeile);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(new QLabel(QStringLiteral("Schriftgröße:"), m_schriftZeile));
    m_gross = new QToolButton(m_schriftZeile);
    m_gross->setObjectName(grossName);
    m_klein = new QToolButton(m_schriftZeile);
    m_klein->setObjectName(kleinName);
    for (QToolButton* k : {m_gross, m_klein}) {
        k->setText(QStringLiteral("Abc"));
        k->setCheckable(true);
        k->setAutoExclusive(true);
        zeile->addWidget(k);
    }
    m_gross->setAccessibleName(QStringLiteral("Große Schrift"));
    m_klein->setAccessibleName(QStringLiteral("Kleine Schrift"));
    QFont gross = m_gross->font();
    gross.setPointSizeF(gross.pointSizeF() + 2);
    m_gross->setFont(gross);
    QFont klein = m_klein->font();
    klein.setPointSizeF(klein.pointSizeF() - 1);
    m_klein->setFont(klein);
    zeile->addStretch();
    connect(m_gross, &QToolButton::clicked, this, [this] { m_optionen.SetGrosseSchrift(true); });
    connect(m_klein, &QToolButton::clicked, this, [this] { m_optionen.SetGrosseSchrift(false); });
    connect(&m_optionen, &TAnzeigeOptionen::geaendert, this, &TNamenSeite::SchriftAnwenden);
    SchriftAnwenden();
    ShowAnz();
}

void TNamenSeite::SchriftAnwenden()
{
    const bool gross = m_optionen.GrosseSchrift();
    m_gross->setChecked(gross);
    m_klein->setChecked(!gross);
    QFont f = font();
    f.setPointSizeF(font().pointSizeF() + (gross ? 2 : 0));
    m_liste->setFont(f);
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
    const QString vorher = m_gewaehlt;
    m_modell->Neu();
    m_gewaehlt.clear();
    // The reset drops the selection without a signal; the details must not go on showing
    // an entry that is gone.
    const qsizetype i = vorher.isEmpty() ? -1 : (m_lehrer ? m_tag.Lehrer.IndexVon(vorher) : m_tag.Eltern.IndexVon(vorher));
    if (i >= 0)
        Waehle(i);
    else
        emit auswahlGeaendert();
    ShowAnz();
}

QString TNamenSeite::zeilenName() const
{
    const QModelIndexList gewaehlt = m_liste->selectionModel()->selectedIndexes();
    if (gewaehlt.isEmpty() || gewaehlt.first().row() >= Anzahl())
        return {};
    const int i = gewaehlt.first().row();
    return m_lehrer ? m_tag.Lehrer.Name(i) : m_tag.Eltern.Name(i);
}

int TNamenSeite::GewaehlterIndex() const
{
    // By name: an import or a load may have moved the entry before the list is refilled.
    if (m_gewaehlt.isEmpty())
        return -1;
    return int(m_lehrer ? m_tag.Lehrer.IndexVon(m_gewaehlt) : m_tag.Eltern.IndexVon(m_gewaehlt));
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
    m_gewaehlt.clear();
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
    if (!Meldung::LoeschFrage(this, frage))
        return;
    // One step with the plans it invalidates; it takes the name of the deletion.
    TSchritt schritt(m_tag, {});
    // The plans would name people who are gone: they become invalid, with consent.
    if (m_plaeneFrage && !m_plaeneFrage())
        return;
    if (m_lehrer)
        m_tag.LehrerLoesch();
    else
        m_tag.ElternLoesch();
    m_modell->Neu();
    m_gewaehlt.clear();
    ShowAnz();
    emit auswahlGeaendert();
}

void TNamenSeite::GewaehltenLoeschen()
{
    const int i = GewaehlterIndex();
    if (i < 0)
        return;
    // A reported time stops the action; the user sees the field and may delete again.
    if (!Sichern())
        return;
    TSchritt schritt(m_tag, {});
    if (m_plaeneFrage && !m_plaeneFrage())
        return;
    if (m_lehrer)
        m_tag.LehrerEntfernen(m_tag.Lehrer.Name(i));
    else
        m_tag.ElternEntfernen(m_tag.Eltern.Name(i));
    ListeNeu();
    Waehle(i < Anzahl() ? i : i - 1);
    m_eingabe->Feld()->setFocus();
    AuswahlZeigen();
}

void TNamenSeite::GewaehltenUmbenennen(const QString& neu)
{
    const QString alt = GewaehlterName();
    if (alt.isEmpty())
        return;
    if (!Sichern())
        return;
    std::optional<TSchritt> schritt(std::in_place, m_tag, QString());
    // Asked before the new name is looked at, so also when it is left unchanged.
    if (m_plaeneFrage && !m_plaeneFrage())
        return;
    const TUmbenennung r = m_lehrer ? LehrerUmbenennen(m_tag, alt, neu) : ElternUmbenennen(m_tag, alt, neu);
    schritt.reset(); // before the message: the step ends with the operation
    if (r.Status == TUmbenennStatus::Abgelehnt) {
        Meldung::Info(this, r.Meldung);
        return;
    }
    if (r.Status != TUmbenennStatus::Umbenannt)
        return;
    ListeNeu();
    Waehle(r.Position);
    AuswahlZeigen();
    m_eingabe->Feld()->setFocus();
}
