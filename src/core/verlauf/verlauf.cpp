#include "verlauf/verlauf.h"

#include <QLocale>
#include <algorithm>

namespace {

qint64 ListenKosten(const QStringList& l)
{
    qint64 k = l.size() * qint64(sizeof(QString));
    for (const QString& s : l)
        k += 32 + s.size() * 2;
    return k;
}

qint64 RecordKosten(const TLehrer& r)
{
    return qint64(sizeof(TLehrer)) + ListenKosten(r.Ablehnungen) + ListenKosten(r.Zeitplan);
}

qint64 RecordKosten(const TEltern& r)
{
    return qint64(sizeof(TEltern)) + ListenKosten(r.Sprechwuensche) + ListenKosten(r.Geschwister.Liste())
           + ListenKosten(r.Erteilt) + ListenKosten(r.Zeitplan.Liste()) + ListenKosten(r.Einladungen)
           + ListenKosten(r.Vorrang);
}

template <class R>
qint64 AenderungsKosten(const TListenAenderung<R>& a)
{
    qint64 k = 0;
    // Only what was taken out is held by the step alone; what it put in is also the day's.
    for (const auto& s : a.vorher)
        k += 64 + s.name.size() * 4 + RecordKosten(*s.record);
    k += qint64(a.nachher.size()) * 64;
    return k;
}

bool PausenGleich(const TPause& a, const TPause& b)
{
    return a.Start() == b.Start() && a.Dauer() == b.Dauer() && a.SlotVon() == b.SlotVon() && a.SlotBis() == b.SlotBis();
}

} // namespace

bool TTagRest::GleichWie(const TTagRest& a) const
{
    return Vorgaben == a.Vorgaben && PlaeneGueltig == a.PlaeneGueltig && FreieTermineAnzeigen == a.FreieTermineAnzeigen
           && Vorschau == a.Vorschau && Plan == a.Plan && Unterricht == a.Unterricht && GemeinsameGespraeche == a.GemeinsameGespraeche && StatistikKennung == a.StatistikKennung
           && std::equal(Pausen.begin(), Pausen.end(), a.Pausen.begin(), a.Pausen.end(), PausenGleich);
}

TVerlauf::TVerlauf(TSprechtag& tag)
    : m_tag(tag)
{
    NeuBeginnen();
}

void TVerlauf::NeuBeginnen()
{
    m_lehrer = Verlauf::StandVon(m_tag.Lehrer);
    m_eltern = Verlauf::StandVon(m_tag.Eltern);
    m_rest = restVon();
    m_basisZustand = m_tag.m_zustand;
    m_schritte.clear();
    m_index = 0;
    m_kosten = 0;
    melden(false);
}

std::shared_ptr<const TTagRest> TVerlauf::restVon() const
{
    auto r = std::make_shared<TTagRest>();
    r->Vorgaben = m_tag.Vorgaben;
    r->Pausen.reserve(m_tag.Pausen.size());
    for (const auto& p : m_tag.Pausen)
        r->Pausen.push_back(*p);
    r->PlaeneGueltig = m_tag.PlaeneGueltig;
    r->FreieTermineAnzeigen = m_tag.FreieTermineAnzeigen;
    r->Vorschau = m_tag.Vorschau;
    r->Plan = m_tag.Plan;
    r->Unterricht = m_tag.Unterricht;
    r->GemeinsameGespraeche = m_tag.GemeinsameGespraeche;
    r->Seed = m_tag.Zufall.Seed();
    // Not awaited: texts still being worked out are kept as the promise they are.
    r->Statistik = m_tag.m_statistik;
    r->StatistikAusstehend = m_tag.m_statistikAusstehend;
    r->StatistikKennung = m_tag.m_statistikKennung;
    return r;
}

void TVerlauf::restSetzen(const TTagRest& r)
{
    m_tag.Vorgaben = r.Vorgaben;
    m_tag.Pausen.clear();
    for (const TPause& p : r.Pausen)
        m_tag.Pausen.push_back(std::make_unique<TPause>(p, m_tag.Vorgaben));
    m_tag.PlaeneGueltig = r.PlaeneGueltig;
    m_tag.FreieTermineAnzeigen = r.FreieTermineAnzeigen;
    m_tag.Vorschau = r.Vorschau;
    m_tag.Plan = r.Plan;
    m_tag.Unterricht = r.Unterricht;
    m_tag.GemeinsameGespraeche = r.GemeinsameGespraeche;
    m_tag.Zufall.SetSeed(r.Seed);
    m_tag.m_statistik = r.Statistik;
    m_tag.m_statistikAusstehend = r.StatistikAusstehend;
    m_tag.m_statistikKennung = r.StatistikKennung;
}

void TVerlauf::SeedAngleichen()
{
    // Saving draws from the generator; that is no step of its own, but the step that
    // follows must go back to the number as it is now.
    if (m_rest->Seed == m_tag.Zufall.Seed())
        return;
    auto r = std::make_shared<TTagRest>(*m_rest);
    r->Seed = m_tag.Zufall.Seed();
    m_rest = std::move(r);
}

void TVerlauf::Einfalten()
{
    if (m_tiefe > 0) {
        m_offenGeaendert = true;
        return;
    }
    Verlauf::Vergleiche(m_lehrer, m_tag.Lehrer);
    Verlauf::Vergleiche(m_eltern, m_tag.Eltern);
    m_basisZustand = m_tag.m_zustand;
}

bool TVerlauf::Oeffnen(const QString& name, bool sofort)
{
    if (m_tiefe++ == 0) {
        SeedAngleichen();
        m_offenName = name;
        m_offenOhneName = name.isEmpty();
        m_offenSofort = sofort;
        m_offenGeaendert = false;
        return true;
    }
    m_offenSofort = m_offenSofort || sofort;
    return false;
}

void TVerlauf::Schliessen()
{
    if (m_tiefe == 0 || --m_tiefe > 0)
        return;
    if (m_offenGeaendert)
        abschliessen(m_offenName, m_offenSofort);
}

void TVerlauf::Geaendert(const QString& name, bool sofort)
{
    if (m_tiefe > 0) {
        m_offenGeaendert = true;
        m_offenSofort = m_offenSofort || sofort;
        // A step opened without a name is called after the last named change in it.
        if (m_offenOhneName && !name.isEmpty())
            m_offenName = name;
        return;
    }
    abschliessen(name, sofort);
}

void TVerlauf::abschliessen(const QString& name, bool sofort)
{
    TVerlaufsSchritt s;
    s.Name = name.isEmpty() ? QStringLiteral("Änderung") : name;
    s.Lehrer = Verlauf::Vergleiche(m_lehrer, m_tag.Lehrer);
    s.Eltern = Verlauf::Vergleiche(m_eltern, m_tag.Eltern);
    auto rest = restVon();
    if (!rest->GleichWie(*m_rest)) {
        s.RestVorher = m_rest;
        s.RestNachher = rest;
        m_rest = std::move(rest);
    } else if (rest->Seed != m_rest->Seed) {
        m_rest = std::move(rest);
    }
    s.ZustandVorher = m_basisZustand;
    s.ZustandNachher = m_tag.m_zustand;
    m_basisZustand = m_tag.m_zustand;
    if (s.Lehrer.leer() && s.Eltern.leer() && !s.RestNachher) {
        melden(sofort);
        return;
    }
    s.Kosten = 256 + AenderungsKosten(s.Lehrer) + AenderungsKosten(s.Eltern) + (s.RestVorher ? 4096 : 0);

    // A new step ends every way forward.
    for (auto it = m_schritte.begin() + m_index; it != m_schritte.end(); ++it)
        m_kosten -= it->Kosten;
    m_schritte.erase(m_schritte.begin() + m_index, m_schritte.end());
    m_kosten += s.Kosten;
    m_schritte.push_back(std::move(s));
    m_index = qsizetype(m_schritte.size());
    kuerzen();
    melden(sofort);
}

void TVerlauf::kuerzen()
{
    qsizetype weg = 0;
    qint64 kosten = m_kosten;
    const qsizetype n = qsizetype(m_schritte.size());
    while (n - weg > m_grenze || (kosten > m_budget && m_index - weg > 1)) {
        kosten -= m_schritte[size_t(weg)].Kosten;
        ++weg;
    }
    if (weg == 0)
        return;
    m_schritte.erase(m_schritte.begin(), m_schritte.begin() + weg);
    m_index -= weg;
    m_kosten = kosten;
}

void TVerlauf::SetGrenzen(int schritte, qint64 budget)
{
    m_grenze = std::max(1, schritte);
    m_budget = budget;
    kuerzen();
}

QString TVerlauf::RueckgaengigName() const
{
    return KannRueckgaengig() ? m_schritte[size_t(m_index - 1)].Name : QString();
}

QString TVerlauf::WiederholenName() const
{
    return KannWiederholen() ? m_schritte[size_t(m_index)].Name : QString();
}

bool TVerlauf::Rueckgaengig()
{
    if (m_tiefe > 0)
        return false;
    // The steps replay by position: the day must be exactly the picture first.
    abschliessen({}, false);
    if (!KannRueckgaengig())
        return false;
    const TVerlaufsSchritt& s = m_schritte[size_t(--m_index)];
    Verlauf::Spiele(m_tag.Lehrer, m_lehrer, s.Lehrer.nachher, s.Lehrer.vorher);
    Verlauf::Spiele(m_tag.Eltern, m_eltern, s.Eltern.nachher, s.Eltern.vorher);
    if (s.RestVorher) {
        restSetzen(*s.RestVorher);
        m_rest = s.RestVorher;
    }
    m_tag.m_zustand = m_basisZustand = s.ZustandVorher;
    ++m_tag.m_stand;
    melden(false);
    return true;
}

bool TVerlauf::Wiederholen()
{
    if (m_tiefe > 0)
        return false;
    abschliessen({}, false);
    if (!KannWiederholen())
        return false;
    const TVerlaufsSchritt& s = m_schritte[size_t(m_index++)];
    Verlauf::Spiele(m_tag.Lehrer, m_lehrer, s.Lehrer.vorher, s.Lehrer.nachher);
    Verlauf::Spiele(m_tag.Eltern, m_eltern, s.Eltern.vorher, s.Eltern.nachher);
    if (s.RestNachher) {
        restSetzen(*s.RestNachher);
        m_rest = s.RestNachher;
    }
    m_tag.m_zustand = m_basisZustand = s.ZustandNachher;
    ++m_tag.m_stand;
    melden(false);
    return true;
}

int TVerlauf::Beobachten(TBeobachter b)
{
    const int id = m_naechsterBeobachter++;
    m_beobachter.emplace_back(id, std::move(b));
    return id;
}

void TVerlauf::NichtMehrBeobachten(int id)
{
    std::erase_if(m_beobachter, [id](const auto& p) { return p.first == id; });
}

void TVerlauf::melden(bool sofort)
{
    // A copy: an observer may stop observing while being told.
    const auto beobachter = m_beobachter;
    for (const auto& [id, b] : beobachter)
        b(sofort);
}

TSchritt::TSchritt(TSprechtag& tag, const QString& name, TSichern sichern)
    : m_verlauf(tag.Verlauf())
{
    if (m_verlauf)
        m_aussen = m_verlauf->Oeffnen(name, sichern == TSichern::Sofort);
}

void TSchritt::Benennen(const QString& name)
{
    if (m_verlauf && m_aussen)
        m_verlauf->Umbenennen(name);
}

QString ImportSchrittName(int eintraege)
{
    if (eintraege == 1)
        return QStringLiteral("Import von 1 Eintrag");
    return QStringLiteral("Import von %1 Einträgen").arg(QLocale(QLocale::German).toString(eintraege));
}

TSchritt::~TSchritt()
{
    if (m_verlauf)
        m_verlauf->Schliessen();
}
