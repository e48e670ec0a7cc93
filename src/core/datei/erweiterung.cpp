#include "datei/erweiterung.h"

#include "datei/inhaltsmaske.h"
#include "datei/meldungen.h"
#include "datei/wert_codec.h"
#include "model/sprechtag.h"
#include "versand/adresse.h"

#include <QtEndian>

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

// Addresses per record: a count of records, each its name, a count and the addresses.
template <typename Liste> void EMailTeil(TTeilSchreiber& koerper, TTeil art, const Liste& liste)
{
    TTeilSchreiber t;
    quint32 n = 0;
    for (const auto& x : liste)
        n += x.record->EMail.isEmpty() ? 0 : 1;
    if (!n)
        return;
    t.U32(n);
    for (const auto& x : liste)
        if (!x.record->EMail.isEmpty()) {
            t.Text(x.name);
            t.U32(quint32(x.record->EMail.size()));
            for (const QString& a : x.record->EMail)
                t.Text(a);
        }
    Teil(koerper, art, t.Daten());
}

// Names per entry: a count of entries, each its name, a count and the teacher names.
void NamenTeil(TTeilSchreiber& koerper, TTeil art, const TNamensListe<TEltern>& eltern,
               QStringList TEltern::*liste)
{
    TTeilSchreiber t;
    quint32 n = 0;
    for (const auto& e : eltern)
        n += (e.record.get()->*liste).isEmpty() ? 0 : 1;
    if (!n)
        return;
    t.U32(n);
    for (const auto& e : eltern) {
        const QStringList& namen = e.record.get()->*liste;
        if (namen.isEmpty())
            continue;
        t.Text(e.name);
        t.U32(quint32(namen.size()));
        for (const QString& l : namen)
            t.Text(l);
    }
    Teil(koerper, art, t.Daten());
}

quint16 Pruefsumme(QByteArrayView koerper) { return qChecksum(koerper, Qt::ChecksumIso3309); }

} // namespace

QByteArray Schreibe(const TSprechtag& tag, int maske)
{
    TTeilSchreiber koerper;
    if (maske & Inhalt::Lehrer) {
        TTeilSchreiber t;
        quint32 n = 0;
        for (const auto& l : tag.Lehrer)
            n += l.record->Kuerzel.isEmpty() ? 0 : 1;
        if (n) {
            t.U32(n);
            for (const auto& l : tag.Lehrer)
                if (!l.record->Kuerzel.isEmpty()) {
                    t.Text(l.name);
                    t.Text(l.record->Kuerzel);
                }
            Teil(koerper, TTeil::LehrerKuerzel, t.Daten());
        }
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
        EMailTeil(koerper, TTeil::LehrerEMail, tag.Lehrer);
    }
    if (maske & Inhalt::Eltern) {
        TTeilSchreiber t;
        quint32 n = 0;
        for (const auto& e : tag.Eltern)
            n += e.record->Schuelernummer.isEmpty() ? 0 : 1;
        if (n) {
            t.U32(n);
            for (const auto& e : tag.Eltern)
                if (!e.record->Schuelernummer.isEmpty()) {
                    t.Text(e.name);
                    t.Text(e.record->Schuelernummer);
                }
            Teil(koerper, TTeil::Schuelernummern, t.Daten());
        }
        EMailTeil(koerper, TTeil::ElternEMail, tag.Eltern);
    }
    if (maske & Inhalt::Sprech) {
        NamenTeil(koerper, TTeil::Einladungen, tag.Eltern, &TEltern::Einladungen);
        NamenTeil(koerper, TTeil::Vorrang, tag.Eltern, &TEltern::Vorrang);
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
        case TTeil::Schuelernummern: {
            auto& paare = TTeil(art) == TTeil::LehrerKuerzel ? e.LehrerKuerzel : e.Schuelernummern;
            const quint32 n = t.Anzahl(8);
            paare.reserve(n);
            for (quint32 i = 0; i < n; ++i) {
                QString name = t.Text();
                paare.emplace_back(std::move(name), t.Text());
            }
            break;
        }
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
        case TTeil::ElternEMail: {
            auto& liste = TTeil(art) == TTeil::LehrerEMail ? e.LehrerEMail : e.ElternEMail;
            const quint32 n = t.Anzahl(8);
            liste.reserve(n);
            for (quint32 i = 0; i < n; ++i) {
                QString name = t.Text();
                QStringList adressen;
                const quint32 m = t.Anzahl(4);
                for (quint32 j = 0; j < m; ++j) {
                    QString a = t.Text();
                    // A file is input like any other: an address that could add a mail
                    // header is not taken from it either.
                    if (!Versand::PruefeAdresse(a, QStringLiteral("E-Mail")).isEmpty())
                        throw TDateiFehler(DateiMeldung::ErweiterungBeschaedigt());
                    adressen.append(std::move(a));
                }
                liste.emplace_back(std::move(name), std::move(adressen));
            }
            break;
        }
        case TTeil::Einladungen:
        case TTeil::Vorrang: {
            auto& liste = TTeil(art) == TTeil::Einladungen ? e.Einladungen : e.Vorrang;
            const quint32 n = t.Anzahl(8);
            liste.reserve(n);
            for (quint32 i = 0; i < n; ++i) {
                QString name = t.Text();
                QStringList lehrer;
                const quint32 m = t.Anzahl(4);
                for (quint32 j = 0; j < m; ++j)
                    lehrer.append(t.Text());
                liste.emplace_back(std::move(name), std::move(lehrer));
            }
            break;
        }
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
