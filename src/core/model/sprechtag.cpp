#include "model/sprechtag.h"

#include "text/cp1252.h"
#include "verlauf/verlauf.h"

TSprechtag::TSprechtag()
    : m_verlauf(std::make_unique<TVerlauf>(*this))
{
}

TSprechtag::~TSprechtag() = default;

void TSprechtag::Geaendert(const QString& schritt, TSichern sichern)
{
    ++m_stand;
    m_zustand = neueKennung();
    if (m_verlauf)
        m_verlauf->Geaendert(schritt, sichern == TSichern::Sofort);
}

void TSprechtag::NebenbeiGeaendert()
{
    ++m_stand;
    m_zustand = neueKennung();
    if (m_verlauf)
        m_verlauf->Einfalten();
}

void TSprechtag::AlsGespeichertMarkieren()
{
    m_gespeicherterZustand = m_zustand;
    if (m_verlauf) {
        m_verlauf->SeedAngleichen();
        m_verlauf->Melden();
    }
}

bool TSprechtag::Rueckgaengig()
{
    return m_verlauf && m_verlauf->Rueckgaengig();
}

bool TSprechtag::Wiederholen()
{
    return m_verlauf && m_verlauf->Wiederholen();
}

TNeuerName TSprechtag::PruefeName(const QString& name, bool lehrer) const
{
    TNeuerName r;
    if (name.isEmpty()) {
        r.fehler = TNamensFehler::Leer;
    } else if (lehrer ? Lehrer.Enthaelt(name) : Eltern.Enthaelt(name)) {
        r.fehler = TNamensFehler::Doppelt;
    } else if (const auto z = Cp1252::ErstesFremdesZeichen(name)) {
        r.fehler = TNamensFehler::FremdesZeichen;
        r.zeichen = *z;
    }
    return r;
}

TNeuerName TSprechtag::LehrerUebernehmen(const QString& name)
{
    TNeuerName r = PruefeName(name, true);
    if (r.ok()) {
        r.index = Lehrer.Einfuegen(name);
        Geaendert(QStringLiteral("Lehrer „%1“ hinzufügen").arg(name));
    }
    return r;
}

TNeuerName TSprechtag::ElternUebernehmen(const QString& name)
{
    TNeuerName r = PruefeName(name, false);
    if (r.ok()) {
        r.index = Eltern.Einfuegen(name);
        Geaendert(QStringLiteral("Eltern „%1“ hinzufügen").arg(name));
    }
    return r;
}

void TSprechtag::LehrerEntfernen(const QString& name)
{
    const qsizetype i = Lehrer.IndexVon(name);
    if (i < 0)
        return;
    // The clean-up compares exactly: a request spelled in another case (possible after
    // combining files) names somebody else as far as the lists are concerned.
    const QString genau = Lehrer.Name(i);
    Lehrer.Entfernen(i);
    for (const auto& e : Eltern) {
        e.record->Sprechwuensche.removeAll(genau);
        e.record->Einladungen.removeAll(genau);
        e.record->Vorrang.removeAll(genau);
    }
    Geaendert(QStringLiteral("Lehrer „%1“ löschen").arg(genau));
}

void TSprechtag::ElternEntfernen(const QString& name)
{
    const qsizetype i = Eltern.IndexVon(name);
    if (i < 0)
        return;
    const QString genau = Eltern.Name(i);
    for (const QString& geschwister : Eltern.Record(i).Geschwister) {
        if (TEltern* s = Eltern.Suche(geschwister); s && s != &Eltern.Record(i))
            s->Geschwister.EntferneGenau(genau);
    }
    Eltern.Entfernen(i);
    for (const auto& l : Lehrer)
        l.record->Ablehnungen.removeAll(genau);
    Geaendert(QStringLiteral("Eltern „%1“ löschen").arg(genau));
}

void TSprechtag::LehrerLoesch()
{
    Lehrer.Leeren();
    for (const auto& e : Eltern) {
        e.record->Sprechwuensche.clear();
        e.record->Einladungen.clear();
        e.record->Vorrang.clear();
    }
    Unterricht.clear(); // lessons name teachers by short name: none is left to name
    Geaendert(QStringLiteral("Alle Lehrer löschen"));
}

void TSprechtag::ElternLoesch()
{
    Eltern.Leeren();
    for (const auto& l : Lehrer)
        l.record->Ablehnungen.clear();
    Geaendert(QStringLiteral("Alle Eltern löschen"));
}

QString TSprechtag::AnzLehrerText() const
{
    return Lehrer.IstLeer() ? QStringLiteral("Keine Lehrer") : QStringLiteral("%1 Lehrer").arg(Lehrer.Anzahl());
}

QString TSprechtag::AnzElternText() const
{
    return Eltern.IstLeer() ? QStringLiteral("Keine Eltern") : QStringLiteral("%1 Eltern").arg(Eltern.Anzahl());
}

int TSprechtag::AnzWuensche(const QString& lehrer) const
{
    int n = 0;
    for (const auto& e : Eltern)
        for (const QString& w : e.record->Sprechwuensche)
            if (Namen::Gleich(w, lehrer)) {
                ++n;
                break;
            }
    return n;
}

int TSprechtag::AnzSprechwuensche() const
{
    int n = 0;
    for (const auto& e : Eltern)
        n += int(e.record->Sprechwuensche.size());
    return n;
}

void TSprechtag::SetSprechStart(double t)
{
    Vorgaben.SprechStart = t;
    for (const auto& l : Lehrer) {
        TLehrer& r = *l.record;
        if (r.StartZeit < t)
            r.StartZeit = t;
        if (r.EndZeit < t)
            r.EndZeit = t;
    }
    BerechnePausenSlots();
    Geaendert(QStringLiteral("Sprechbeginn ändern"));
}

void TSprechtag::SetSprechEnde(double t)
{
    Vorgaben.SprechEnde = t;
    BerechnePausenSlots();
    Geaendert(QStringLiteral("Sprechende ändern"));
}

bool TSprechtag::SetSprechTakt(int minuten)
{
    if (minuten < 1 || minuten > 45)
        return false;
    Vorgaben.SprechTakt = quint8(minuten);
    BerechnePausenSlots();
    Geaendert(QStringLiteral("Sprechtakt ändern"));
    return true;
}

void TSprechtag::SetRaumwechselPause(bool an)
{
    Vorgaben.RaumwechselPause = an;
    Geaendert(QStringLiteral("„Pausen einplanen“ ändern"));
}

void TSprechtag::BerechnePausenSlots()
{
    for (const auto& p : Pausen)
        p->BerechneSlots();
}

void TSprechtag::statistikAbholen() const
{
    if (!m_statistikAusstehend)
        return;
    // Taken out first: a result that cannot be had leaves the texts as they were rather
    // than waiting again on every read.
    QFuture<TStatistikTexte> f = std::move(*m_statistikAusstehend);
    m_statistikAusstehend.reset();
    f.waitForFinished();
    if (f.resultCount() > 0)
        m_statistik = f.result();
}

const TStatistikTexte& TSprechtag::Statistik() const
{
    statistikAbholen();
    return m_statistik;
}

TStatistikTexte& TSprechtag::StatistikAendern()
{
    statistikAbholen();
    m_statistikKennung = neueKennung();
    return m_statistik;
}

void TSprechtag::StatistikSetzen(TStatistikTexte texte)
{
    m_statistikAusstehend.reset();
    m_statistik = std::move(texte);
    m_statistikKennung = neueKennung();
}

void TSprechtag::StatistikSpaeter(QFuture<TStatistikTexte> ausstehend)
{
    m_statistikAusstehend = std::move(ausstehend);
    m_statistikKennung = neueKennung();
}

std::unique_ptr<TSprechtag> TSprechtag::Abbild() const
{
    auto k = std::make_unique<TSprechtag>();
    k->m_verlauf.reset();
    k->Lehrer = Lehrer.Kopie();
    k->Eltern = Eltern.Kopie();
    k->Vorgaben = Vorgaben;
    for (const auto& p : Pausen)
        k->Pausen.push_back(std::make_unique<TPause>(*p, k->Vorgaben));
    k->PlaeneGueltig = PlaeneGueltig;
    k->FreieTermineAnzeigen = FreieTermineAnzeigen;
    k->Vorschau = Vorschau;
    k->Plan = Plan;
    k->Unterricht = Unterricht;
    k->GemeinsameGespraeche = GemeinsameGespraeche;
    k->Zufall = Zufall;
    k->m_statistik = m_statistik;
    k->m_statistikKennung = m_statistikKennung;
    k->m_stand = m_stand;
    k->m_zustand = m_zustand;
    k->m_gespeicherterZustand = m_gespeicherterZustand;
    k->m_kennungen = m_kennungen;
    return k;
}

TPause* TSprechtag::NeuePause()
{
    return PauseAnhaengen(std::make_unique<TPause>(Vorgaben));
}

TPause* TSprechtag::PauseAnhaengen(std::unique_ptr<TPause> pause)
{
    if (int(Pausen.size()) >= MaxPausen)
        return nullptr;
    Pausen.push_back(std::move(pause));
    Geaendert(QStringLiteral("Pause hinzufügen"));
    return Pausen.back().get();
}

void TSprechtag::PauseEntfernen(int index)
{
    if (index < 0 || index >= int(Pausen.size()))
        return;
    Pausen.erase(Pausen.begin() + index);
    Geaendert(QStringLiteral("Pause löschen"));
}

QString NamensMeldung(const TNeuerName& ergebnis, bool lehrer)
{
    switch (ergebnis.fehler) {
    case TNamensFehler::Doppelt:
        return lehrer ? QStringLiteral("Diesen Lehrer gibt es in der Liste schon!")
                      : QStringLiteral("Diese Eltern gibt es in der Liste schon!");
    case TNamensFehler::FremdesZeichen:
        return QStringLiteral("Der Name enthält das Zeichen %1, das Kalumo nicht speichern kann.\r"
                              "Bitte schreiben Sie den Namen ohne dieses Zeichen.")
            .arg(Cp1252::ZeichenBeschreibung(ergebnis.zeichen));
    case TNamensFehler::Keiner:
    case TNamensFehler::Leer:
        break;
    }
    return {};
}
