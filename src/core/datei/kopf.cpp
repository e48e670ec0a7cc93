#include "datei/kopf.h"

#include "datei/meldungen.h"
#include "dateisystem/lesen.h"
#include "datei/wert_codec.h"
#include "text/cp1252.h"


namespace DateiKopf {

QByteArray Text() { return QByteArrayLiteral("QVT file rev 9  "); }

// Decimal with an optional sign, as the revision field has always been written.
static bool Ganzzahl(const QByteArray& text, int& wert)
{
    if (text.isEmpty() || text.size() > 3)
        return false;
    qsizetype i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size())
        return false;
    int w = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        w = w * 10 + (text[i] - '0');
    }
    wert = text[0] == '-' ? -w : w;
    return true;
}

static QByteArray Trimme(QByteArray b)
{
    // Blanks and control characters, as the revision field's blanks were always trimmed.
    while (!b.isEmpty() && uchar(b.front()) <= ' ')
        b.remove(0, 1);
    while (!b.isEmpty() && uchar(b.back()) <= ' ')
        b.chop(1);
    return b;
}

TDateiKopf Lies(const QByteArray& daten, const QString& pfad)
{
    TDateiKopf k;
    // A short foreign file is foreign first: that tells the user more than a read error.
    if (!daten.startsWith("QVT")) {
        k.Fehler = DateiMeldung::KeineQvtDatei(pfad);
        return k;
    }
    if (daten.size() < Laenge) {
        k.Fehler = DateiMeldung::Beschaedigt(pfad, DateiMeldung::Abgebrochen());
        return k;
    }
    const QByteArray rev = Trimme(daten.mid(13, 3));
    if (!Ganzzahl(rev, k.Revision)) {
        k.Fehler = DateiMeldung::Beschaedigt(pfad, DateiMeldung::KeineGanzzahl(Cp1252::Dekodiere(rev)));
        return k;
    }
    if (k.Revision > Revision) {
        k.Fehler = DateiMeldung::NeuereRevision(pfad);
        return k;
    }
    try {
        const QByteArray rest = daten.mid(Laenge);
        TWertLeser leser(rest);
        k.Maske = leser.Int();
    } catch (const TDateiFehler& f) {
        k.Fehler = DateiMeldung::Beschaedigt(pfad, f.Meldung());
    }
    return k;
}

TDateiKopf LiesDatei(const QString& pfad)
{
    // Header and the longest integer (tag and four bytes).
    const Dateisystem::TGelesen anfang = Dateisystem::LiesAnfang(pfad, Laenge + 5);
    if (!anfang.ok()) {
        TDateiKopf k;
        k.Fehler = anfang.Meldung(pfad, Laenge + 5);
        return k;
    }
    return Lies(anfang.Bytes, pfad);
}

} // namespace DateiKopf
