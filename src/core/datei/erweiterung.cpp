#include "datei/erweiterung.h"

#include "datei/inhaltsmaske.h"
#include "datei/meldungen.h"
#include "datei/wert_codec.h"
#include "model/sprechtag.h"
#include "versand/adresse.h"

#include <QtEndian>
#include <type_traits>

namespace DateiErweiterung {

namespace {

class TTeilSchreiber {
public:
    void U16(quint16 w) { Anhaengen(&w, 2); }
    void U32(quint32 w) { Anhaengen(&w, 4); }
    void Text(const QString& t)
    {
        const QByteArray u = t.toUtf8();
        U32(quint32(u.size()));
        m_daten.append(u);
    }
    QByteArray& Daten() { return m_daten; }

private:
    template <typename T> void Anhaengen(T* w, int n)
    {
        const T le = qToLittleEndian(*w);
        m_daten.append(reinterpret_cast<const char*>(&le), n);
    }
    QByteArray m_daten;
};

class TTeilLeser {
public:
    explicit TTeilLeser(QByteArrayView daten) : m_daten(daten) {}

    bool AmEnde() const { return m_pos == m_daten.size(); }
    quint16 U16() { return qFromLittleEndian<quint16>(Nimm(2)); }
    quint32 U32() { return qFromLittleEndian<quint32>(Nimm(4)); }
    QByteArrayView Bytes(quint32 n) { return QByteArrayView(Nimm(n), qsizetype(n)); }
    QString Text()
    {
        const QByteArrayView u = Bytes(U32());
        QString t = QString::fromUtf8(u);
        // A text that does not survive the round trip was not written by us.
        if (t.toUtf8() != u)
            throw TDateiFehler(DateiMeldung::ErweiterungBeschaedigt());
        return t;
    }
    /// A count of items of at least `minBytes` each: never more than the rest can hold.
    quint32 Anzahl(int minBytes)
    {
        const quint32 n = U32();
        if (qint64(n) * minBytes > m_daten.size() - m_pos)
            throw TDateiFehler(DateiMeldung::ErweiterungBeschaedigt());
        return n;
    }

private:
    const char* Nimm(qint64 n)
    {
        if (n > m_daten.size() - m_pos)
            throw TDateiFehler(DateiMeldung::ErweiterungBeschaedigt());
        const char* p = m_daten.data() + m_pos;
        m_pos += n;
        return p;
    }
    QByteArrayView m_daten;
    qsizetype m_pos = 0;
};

void Teil(TTeilSchreiber& koerper, TTeil art, const QByteArray& inhalt)
{
    koerper.U16(quint16(art));
    koerper.U32(quint32(inhalt.size()));
    koerper.Daten().append(inhalt);
}

void SchreibeWert(TTeilSchreiber& t, const QString& text) { t.Text(text); }
void SchreibeWert(TTeilSchreiber& t, const QStringList& texte)
{
    t.U32(quint32(texte.size()));
    for (const QString& x : texte)
        t.Text(x);
}

// A value per record (a short name, a pupil number, addresses, teacher names): a count of
// the records that have one, each its name and the value; a text is the text itself, a
// list a count and the texts. Records without a value are left out, and a part without
// any record is not written at all.
template <typename Liste, typename Record, typename Feld>
void NamensTeil(TTeilSchreiber& koerper, TTeil art, const Liste& liste, Feld Record::*feld)
{
    quint32 n = 0;
    for (const auto& x : liste)
        n += ((*x.record).*feld).isEmpty() ? 0 : 1;
    if (!n)
        return;
    TTeilSchreiber t;
    t.U32(n);
    for (const auto& x : liste) {
        const Feld& wert = (*x.record).*feld;
        if (wert.isEmpty())
            continue;
        t.Text(x.name);
        SchreibeWert(t, wert);
    }
    Teil(koerper, art, t.Daten());
}

// Reads a part written by NamensTeil. `pruefe` sees every text of a value and throws
// when it must not be taken.
template <typename Wert, typename Pruefe>
void LiesNamensTeil(TTeilLeser& t, std::vector<std::pair<QString, Wert>>& liste, Pruefe pruefe)
{
    const quint32 n = t.Anzahl(8);
    liste.reserve(n);
    for (quint32 i = 0; i < n; ++i) {
        QString name = t.Text();
        Wert wert;
        if constexpr (std::is_same_v<Wert, QString>) {
            wert = t.Text();
            pruefe(wert);
        } else {
            const quint32 m = t.Anzahl(4);
            for (quint32 j = 0; j < m; ++j) {
                QString x = t.Text();
                pruefe(x);
                wert.append(std::move(x));
            }
        }
        liste.emplace_back(std::move(name), std::move(wert));
    }
}

template <typename Wert> void LiesNamensTeil(TTeilLeser& t, std::vector<std::pair<QString, Wert>>& liste)
{
    LiesNamensTeil(t, liste, [](const QString&) {});
}

quint16 Pruefsumme(QByteArrayView koerper) { return qChecksum(koerper, Qt::ChecksumIso3309); }

} // namespace

QByteArray Schreibe(const TSprechtag& tag, int maske)
{
    TTeilSchreiber koerper;
    if (maske & Inhalt::Lehrer) {
        NamensTeil(koerper, TTeil::LehrerKuerzel, tag.Lehrer, &TLehrer::Kuerzel);
        if (!tag.Unterricht.empty()) {
            TTeilSchreiber u;
            u.U32(quint32(tag.Unterricht.size()));
            for (const TUnterricht& s : tag.Unterricht) {
                u.Text(s.Klasse);
                u.Text(s.Kuerzel);
                u.Text(s.Fach);
            }
            Teil(koerper, TTeil::Unterricht, u.Daten());
        }
        NamensTeil(koerper, TTeil::LehrerEMail, tag.Lehrer, &TLehrer::EMail);
    }
    if (maske & Inhalt::Eltern) {
        NamensTeil(koerper, TTeil::Schuelernummern, tag.Eltern, &TEltern::Schuelernummer);
        NamensTeil(koerper, TTeil::ElternEMail, tag.Eltern, &TEltern::EMail);
    }
    if (maske & Inhalt::Sprech) {
        NamensTeil(koerper, TTeil::Einladungen, tag.Eltern, &TEltern::Einladungen);
        NamensTeil(koerper, TTeil::Vorrang, tag.Eltern, &TEltern::Vorrang);
    }
    if ((maske & Inhalt::Vorgaben) && tag.GemeinsameGespraeche) {
        TTeilSchreiber t;
        t.Daten().append(char(1));
        Teil(koerper, TTeil::GemeinsameGespraeche, t.Daten());
    }
    if (koerper.Daten().isEmpty())
        return {};

    TTeilSchreiber block;
    block.Daten().append(Marke, MarkeLaenge);
    block.U16(quint16(Version));
    block.U32(quint32(koerper.Daten().size()));
    block.Daten().append(koerper.Daten());
    block.U16(Pruefsumme(koerper.Daten()));
    return block.Daten();
}

std::optional<TDateiErweiterung> Lies(const QByteArray& rest)
{
    if (!rest.startsWith(QByteArrayView(Marke, MarkeLaenge)))
        return std::nullopt;
    TTeilLeser kopf(QByteArrayView(rest).sliced(MarkeLaenge));
    TDateiErweiterung e;
    e.Version = kopf.U16();
    const quint32 laenge = kopf.U32();
    const QByteArrayView koerper = kopf.Bytes(laenge);
    if (kopf.U16() != Pruefsumme(koerper) || e.Version < 1)
        throw TDateiFehler(DateiMeldung::ErweiterungBeschaedigt());

    TTeilLeser teile(koerper);
    while (!teile.AmEnde()) {
        const quint16 art = teile.U16();
        TTeilLeser t(teile.Bytes(teile.U32()));
        switch (TTeil(art)) {
        case TTeil::LehrerKuerzel:
            LiesNamensTeil(t, e.LehrerKuerzel);
            break;
        case TTeil::Schuelernummern:
            LiesNamensTeil(t, e.Schuelernummern);
            break;
        case TTeil::Unterricht: {
            const quint32 n = t.Anzahl(12);
            e.Unterricht.reserve(n);
            for (quint32 i = 0; i < n; ++i) {
                TUnterricht s;
                s.Klasse = t.Text();
                s.Kuerzel = t.Text();
                s.Fach = t.Text();
                e.Unterricht.push_back(std::move(s));
            }
            break;
        }
        case TTeil::LehrerEMail:
        case TTeil::ElternEMail:
            LiesNamensTeil(t, TTeil(art) == TTeil::LehrerEMail ? e.LehrerEMail : e.ElternEMail, [](const QString& a) {
                // A file is input like any other: an address that could add a mail
                // header is not taken from it either.
                if (!Versand::PruefeAdresse(a, QStringLiteral("E-Mail")).isEmpty())
                    throw TDateiFehler(DateiMeldung::ErweiterungBeschaedigt());
            });
            break;
        case TTeil::Einladungen:
            LiesNamensTeil(t, e.Einladungen);
            break;
        case TTeil::Vorrang:
            LiesNamensTeil(t, e.Vorrang);
            break;
        case TTeil::GemeinsameGespraeche:
            // Written only when on: any other content is not ours.
            if (t.Bytes(1)[0] != 1)
                throw TDateiFehler(DateiMeldung::ErweiterungBeschaedigt());
            e.GemeinsameGespraeche = true;
            break;
        default:
            ++e.UnbekannteTeile;
            continue;
        }
        if (!t.AmEnde())
            throw TDateiFehler(DateiMeldung::ErweiterungBeschaedigt());
    }
    return e;
}

} // namespace DateiErweiterung
