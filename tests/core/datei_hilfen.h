#pragma once
// Shared pieces of the data file tests: a rich day, a snapshot of everything a load may
// change, and a builder for hand-made files of older revisions.

#include "datei/datei.h"
#include "datei/schreiber.h"
#include "datei/wert_codec.h"
#include "model/sprechtag.h"

#include <QByteArray>
#include <QString>

namespace DateiTest {

/// Everything of a day that a load can touch, as comparable bytes.
inline QByteArray Abbild(const TSprechtag& tag)
{
    QByteArray b = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000);
    b += tag.PlaeneGueltig ? "P" : "p";
    b += QByteArray::number(tag.Zufall.Seed());
    b += tag.UngespeicherteAenderungen() ? "U" : "u";
    for (const auto& p : tag.Pausen)
        b += QByteArray::number(p->SlotVon()) + "-" + QByteArray::number(p->SlotBis()) + ";";
    return b;
}

/// A day with something in every section: umlauts, a long name, breaks, siblings,
/// requests, limits, refusals, plans and statistics.
inline void FuelleReichenTag(TSprechtag& tag)
{
    for (const QString& n : {QStringLiteral("Müller (R101)"), QStringLiteral("Özdemir (R7)"),
                             QStringLiteral("Ärger (Aula)"), QString(300, QLatin1Char('L'))})
        tag.LehrerUebernehmen(n);
    for (const QString& n : {QStringLiteral("5a: Groß"), QStringLiteral("5b: Groß"), QStringLiteral("6c: Weiß"),
                             QStringLiteral("7d: Übel")})
        tag.ElternUebernehmen(n);
    tag.SetSprechStart(Zeit::Kodiere(14, 30));
    tag.SetSprechEnde(Zeit::Kodiere(19, 0));
    tag.SetSprechTakt(15);
    tag.SetRaumwechselPause(false);
    TLehrer* m = tag.Lehrer.Suche(QStringLiteral("Müller (R101)"));
    m->AbweichZeit = true;
    m->StartZeit = Zeit::Kodiere(16, 0);
    m->EndZeit = Zeit::Kodiere(17, 45);
    m->Ablehnungen = {QStringLiteral("6c: Weiß"), QStringLiteral("7d: Übel")};
    m->Zeitplan = {QStringLiteral("16:00 Uhr: 5a: Groß"), QStringLiteral("16:15 Uhr: ")};
    tag.NeuePause();
    TPause* p = tag.NeuePause();
    p->SetStart(Zeit::Kodiere(16, 5));
    p->SetDauer(Zeit::Kodiere(0, 20));
    TEltern* g1 = tag.Eltern.Suche(QStringLiteral("5a: Groß"));
    TEltern* g2 = tag.Eltern.Suche(QStringLiteral("5b: Groß"));
    g1->Geschwister.Hinzufuegen(QStringLiteral("5b: Groß"));
    g2->Geschwister.Hinzufuegen(QStringLiteral("5a: Groß"));
    g1->Sprechwuensche = {QStringLiteral("Özdemir (R7)"), QStringLiteral("Müller (R101)")};
    g1->NichtVor = true;
    g1->NichtVorZeit = Zeit::Kodiere(15, 20);
    g2->NichtNach = true;
    g2->NichtNachZeit = Zeit::Kodiere(17, 10);
    g1->Zeitplan.Setze({QStringLiteral("16:00 Uhr: Müller (R101)"), QStringLiteral("15:30 Uhr: [ Ärger (Aula) ]")});
    tag.Eltern.Suche(QStringLiteral("7d: Übel"))->Sprechwuensche = {QString(300, QLatin1Char('L'))};
    tag.Vorschau.Gewuenscht = true;
    tag.Vorschau.FuerAlleLehrer = true;
    tag.Vorschau.Brief = {QStringLiteral("Liebe Kollegen, „Zitat“ – € 5"), QString()};
    tag.Plan.Headline2 = QStringLiteral("Elternsprechtag am 12.02.");
    tag.Plan.Fussnote = false;
    tag.Plan.LehrerFmt = TPlanEinstellungen::FormatA6;
    tag.Plan.ElternFmt = TPlanEinstellungen::FormatA4;
    tag.Plan.ElternBrief = {QStringLiteral("Liebe Eltern!")};
    for (int i = 0; i < TStatistikTexte::AnzahlFelder; ++i)
        tag.StatistikAendern().Texte[size_t(i)] = QStringLiteral("Wert %1 ä").arg(i);
    tag.StatistikAendern().NichtErtBox = {QStringLiteral("6c: Weiß - Müller (R101)")};
    tag.PlaeneGueltig = true;
    tag.FreieTermineAnzeigen = true;
}

/// Builds a file value by value with the program's own encoder (whose bytes the codec
/// tests pin down).
class TDatei {
public:
    explicit TDatei(int revision, int maske)
    {
        m_daten = QByteArray("QVT file rev ") + QByteArray::number(revision).leftJustified(3, ' ');
        s.Int(maske);
    }
    TDatei& Int(int w) { s.Int(w); return *this; }
    TDatei& Float(double w) { s.Float(w); return *this; }
    TDatei& Text(const QString& t) { s.Text(t); return *this; }
    TDatei& Bool(bool b) { s.Bool(b); return *this; }
    TDatei& Liste(const QStringList& l) { s.Liste(l); return *this; }
    TDatei& Roh(const QByteArray& b) { m_daten.append(b); return *this; }
    const QByteArray& Bytes() const { return m_daten; }

private:
    QByteArray m_daten;
    TWertSchreiber s{m_daten};
};

} // namespace DateiTest
