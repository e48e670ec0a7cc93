// The saved file checked field by field: a day whose every field differs from its default
// comes back with every field as it was, and the writer's bytes match a file put together
// here, independently of the program's encoder, value by value.
#include "datei_hilfen.h"
#include "tag_felder.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace DateiTest;

namespace {

// A rich day in which each field of each kind of record differs from the default in at
// least one record.
void FuelleJedesFeld(TSprechtag& tag)
{
    FuelleReichenTag(tag);
    TEltern* g1 = tag.Eltern.Suche(QStringLiteral("5a: Groß"));
    g1->NichtNach = true;
    g1->NichtNachZeit = Zeit::Kodiere(18, 40);
    tag.Eltern.Suche(QStringLiteral("5b: Groß"))->NichtVorZeit = Zeit::Kodiere(15, 50);
}

// The fields that hold their default in every record of a kind.
template <class R, class Liste>
QStringList NieGeaendert(const Liste& records, const R& standard)
{
    QStringList nie = TagFelder::Felder(standard).keys();
    for (const auto& r : records) {
        const QStringList gleich = TagFelder::GleichWieStandard(TagFelder::Felder(*r.record), TagFelder::Felder(standard));
        nie.erase(std::remove_if(nie.begin(), nie.end(), [&](const QString& f) { return !gleich.contains(f); }), nie.end());
    }
    return nie;
}

TEST(DateiFelder, JedesFeldKommtUnveraendertZurueck)
{
    TSprechtag quelle;
    FuelleJedesFeld(quelle);
    // The fixture itself: a field left at its default would let a writer that mixes up two
    // fields with equal values pass.
    EXPECT_EQ(NieGeaendert(quelle.Lehrer, TLehrer{}), QStringList{});
    EXPECT_EQ(NieGeaendert(quelle.Eltern, TEltern{}), QStringList{});
    EXPECT_EQ(TagFelder::GleichWieStandard(TagFelder::Einstellungen(quelle), TagFelder::Einstellungen(TSprechtag{})),
              QStringList{});
    const TPause standardPause(quelle.Vorgaben);
    ASSERT_EQ(quelle.Pausen.size(), 2u);
    EXPECT_EQ(TagFelder::GleichWieStandard(TagFelder::Felder(*quelle.Pausen[1]), TagFelder::Felder(standardPause)),
              QStringList{});

    const QByteArray datei = Datei::SpeichereInBytes(quelle, Inhalt::Alles);
    for (TLadeModus modus : {TLadeModus::Hinzufuegen, TLadeModus::Ersetzen}) {
        TSprechtag ziel;
        const TDateiErgebnis e = Datei::LadeAusBytes(ziel, datei, modus);
        ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
        EXPECT_EQ(TagFelder::Unterschiede(quelle, ziel).join(QLatin1Char('\n')).toStdString(), "");
    }
}

// The test's own encoder: tags, little-endian numbers, Windows-1252 text, 80-bit floats.
class TRev9 {
public:
    TRev9(int maske)
    {
        m_b = QByteArray("QVT file rev 9  ");
        Int(maske);
    }
    TRev9& Int(qint64 w)
    {
        if (w >= -128 && w <= 127)
            return Byte(0x02).Le(w, 1);
        if (w >= -32768 && w <= 32767)
            return Byte(0x03).Le(w, 2);
        return Byte(0x04).Le(w, 4);
    }
    TRev9& Bool(bool b) { return Byte(b ? 0x09 : 0x08); }
    TRev9& Float(double d)
    {
        Byte(0x05);
        if (d == 0)
            return Roh(QByteArray(10, '\0'));
        int exponent = 0;
        const double m = std::frexp(std::fabs(d), &exponent); // |d| = m * 2^e, 0.5 <= m < 1
        Le(qint64(quint64(std::ldexp(m, 64))), 8);
        return Le((exponent - 1 + 16383) | (d < 0 ? 0x8000 : 0), 2);
    }
    TRev9& Text(const QString& t, int verschiebung = 0)
    {
        QByteArray b;
        for (QChar c : t)
            b += char(Cp1252(c) - verschiebung);
        if (b.size() <= 255)
            Byte(0x06).Le(b.size(), 1);
        else
            Byte(0x0C).Le(b.size(), 4);
        return Roh(b);
    }
    TRev9& Liste(const QStringList& l)
    {
        Int(l.size());
        for (const QString& t : l)
            Text(t);
        return *this;
    }
    /// A timetable text shifted by the running key.
    TRev9& Verschoben(const QString& t)
    {
        m_k = m_k == 31994 ? 29676 : m_k + 1;
        return Text(t, m_k % 27);
    }
    TRev9& Schluessel(int start)
    {
        m_k = start;
        return Int(start);
    }
    const QByteArray& Bytes() const { return m_b; }

private:
    TRev9& Byte(int b)
    {
        m_b += char(b);
        return *this;
    }
    TRev9& Roh(const QByteArray& b)
    {
        m_b += b;
        return *this;
    }
    TRev9& Le(qint64 w, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            m_b += char((quint64(w) >> (8 * i)) & 0xFF);
        return *this;
    }
    static int Cp1252(QChar c)
    {
        switch (c.unicode()) {
        case 0x20AC: return 0x80; // €
        case 0x201E: return 0x84; // „
        case 0x201C: return 0x93; // “
        case 0x2013: return 0x96; // –
        default: return c.unicode() < 256 ? c.unicode() : '?';
        }
    }

    QByteArray m_b;
    int m_k = 0;
};

double Uhr(int h, int m)
{
    return (h * 60 + m) / 1440.0;
}

TEST(DateiFelder, SchreiberStimmtMitEinerVonHandGebautenDateiUeberein)
{
    // One rich record of each kind, and one plain parent as the sibling.
    const QString lehrer = QStringLiteral("Müller (R101)");
    const QString kind = QStringLiteral("5a: Groß"), geschwister = QStringLiteral("5b: Groß");
    const QString langerBrief(300, QLatin1Char('x'));
    TSprechtag tag;
    tag.LehrerUebernehmen(lehrer);
    tag.ElternUebernehmen(kind);
    tag.ElternUebernehmen(geschwister);
    tag.SetSprechStart(Uhr(14, 30));
    tag.SetSprechEnde(Uhr(19, 0));
    tag.SetSprechTakt(15);
    tag.SetRaumwechselPause(false);
    TLehrer* l = tag.Lehrer.Suche(lehrer);
    l->AbweichZeit = true;
    l->StartZeit = Uhr(16, 0);
    l->EndZeit = Uhr(17, 45);
    l->Ablehnungen = {geschwister};
    l->Zeitplan = {QStringLiteral("16:00 Uhr: 5a: Groß"), QStringLiteral("16:15 Uhr: ")};
    TPause* p = tag.NeuePause();
    p->SetStart(Uhr(16, 5));
    p->SetDauer(Uhr(0, 20));
    TEltern* e = tag.Eltern.Suche(kind);
    e->Geschwister.Hinzufuegen(geschwister);
    tag.Eltern.Suche(geschwister)->Geschwister.Hinzufuegen(kind);
    e->Sprechwuensche = {lehrer};
    e->NichtVor = true;
    e->NichtVorZeit = Uhr(15, 20);
    e->NichtNach = true;
    e->NichtNachZeit = Uhr(17, 10);
    e->Zeitplan.Setze({QStringLiteral("16:00 Uhr: Müller (R101)")});
    tag.Vorschau.Gewuenscht = true;
    tag.Vorschau.FuerAlleLehrer = true;
    tag.Vorschau.Brief = {QStringLiteral("Liebe Kollegen, „Zitat“ – € 5"), QString(), langerBrief};
    tag.Plan.Headline2 = QStringLiteral("Elternsprechtag am 12.02.");
    tag.Plan.Fussnote = false;
    tag.Plan.LehrerFmt = TPlanEinstellungen::FormatA6;
    tag.Plan.ElternFmt = TPlanEinstellungen::FormatA4;
    tag.Plan.ElternBrief = {QStringLiteral("Liebe Eltern!")};
    QStringList statistik;
    for (int i = 0; i < TStatistikTexte::AnzahlFelder; ++i) {
        tag.StatistikAendern().Texte[size_t(i)] = QStringLiteral("Wert %1").arg(i);
        statistik << tag.Statistik().Texte[size_t(i)];
    }
    tag.StatistikAendern().NichtErtBox = {QStringLiteral("5b: Groß - Müller (R101)")};
    tag.PlaeneGueltig = true;
    tag.FreieTermineAnzeigen = true;

    TRev9 d(127);
    d.Liste({lehrer});
    d.Float(Uhr(14, 30)).Float(Uhr(19, 0)).Int(15).Bool(false);
    d.Float(Uhr(16, 0)).Float(Uhr(17, 45)).Bool(true);
    d.Int(1).Float(Uhr(16, 5)).Float(Uhr(0, 20));
    d.Int(2).Text(kind).Liste({geschwister}).Text(geschwister).Liste({kind});
    d.Liste({lehrer}).Bool(true).Float(Uhr(15, 20)).Bool(true).Float(Uhr(17, 10));
    d.Liste({}).Bool(false).Float(Uhr(16, 0)).Bool(false).Float(Uhr(18, 0));
    d.Bool(true).Liste(tag.Vorschau.Brief).Int(0);
    d.Liste({geschwister});
    d.Text(QStringLiteral("Elternsprechtag am 12.02.")).Bool(false).Int(1).Int(0).Schluessel(30998);
    d.Liste({QStringLiteral("Liebe Eltern!")});
    d.Int(1).Verschoben(lehrer).Int(2).Verschoben(QStringLiteral("16:00 Uhr: 5a: Groß")).Verschoben(QStringLiteral("16:15 Uhr: "));
    d.Int(2).Verschoben(kind).Int(1).Verschoben(QStringLiteral("16:00 Uhr: Müller (R101)"));
    d.Verschoben(geschwister).Int(0);
    for (const QString& s : statistik)
        d.Text(s);
    d.Liste({QStringLiteral("5b: Groß - Müller (R101)")});
    d.Bool(true);

    const QByteArray geschrieben = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30998);
    EXPECT_EQ(geschrieben.toHex(' ').toStdString(), d.Bytes().toHex(' ').toStdString());
}

} // namespace
