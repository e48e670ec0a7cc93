#include "schuldaten/quelle.h"

#include "dateisystem/lesen.h"
#include "schuldaten/dateiart.h"

#include <QDir>
#include <algorithm>
#include <QFileInfo>

namespace Schuldaten {
namespace {

TGeleseneQuelle fehler(const TQuelle& quelle, const QString& grund)
{
    TGeleseneQuelle g;
    g.Quelle = quelle;
    g.Fehler = QStringLiteral("Die Datei „%1“ kann nicht importiert werden.\n%2")
                   .arg(QDir::toNativeSeparators(quelle.Pfad), grund);
    return g;
}

} // namespace

QString TGeleseneQuelle::Wert(const TCsvZeile& z, TFeld feld) const
{
    const int s = SpalteVon(Zuordnung, feld);
    return s >= 0 && s < z.Felder.size() ? z.Felder.Ansicht(s).trimmed().toString() : QString();
}

TGeleseneQuelle LeseQuelle(const TQuelle& quelle, const TLauf* lauf)
{
    // Only regular files, and the bound counts the bytes read: a device reports size 0
    // and never ends, a FIFO would block.
    using Art = Dateisystem::TGelesen::Art;
    const Dateisystem::TGelesen gelesen = Dateisystem::LiesDatei(quelle.Pfad, MaxBytes);
    switch (gelesen.art) {
    case Art::Ok:
        break;
    case Art::NichtGeoeffnet:
    case Art::Lesefehler:
        return fehler(quelle, gelesen.Grund);
    case Art::KeineNormaleDatei:
        return fehler(quelle, QFileInfo(quelle.Pfad).isDir() ? QStringLiteral("Das ist ein Ordner, keine Datei.")
                                                            : Dateisystem::KeineNormaleDatei(quelle.Pfad));
    case Art::ZuGross:
        return fehler(quelle, QStringLiteral("Sie ist größer als die erlaubten %1 MB.").arg(MaxBytes / (1024 * 1024)));
    }
    return LeseQuelleAusBytes(quelle, gelesen.Bytes, lauf);
}

TGeleseneQuelle LeseQuelleAusBytes(const TQuelle& quelle, const QByteArray& bytes, const TLauf* lauf)
{
    if (bytes.size() > MaxBytes)
        return fehler(quelle, QStringLiteral("Sie ist größer als die erlaubten %1 MB.").arg(MaxBytes / (1024 * 1024)));
    if (const QString art = FremdeDateiart(bytes); !art.isEmpty())
        return fehler(quelle, QStringLiteral("Sie ist %1, keine Liste. Bitte wählen Sie einen Export als Textdatei "
                                             "(CSV oder TXT) oder speichern Sie eine Tabelle als CSV-Datei.")
                                  .arg(art));
    const TDekodiert d = Dekodiere(bytes, quelle.Kodierung);
    if (!d.ok())
        return fehler(quelle, d.Fehler);
    if (std::all_of(d.Text.cbegin(), d.Text.cend(), [](QChar c) { return c.isSpace(); })) {
        TGeleseneQuelle g;
        g.Quelle = quelle;
        g.Fehler = QStringLiteral("Die Datei „%1“ ist leer.").arg(QDir::toNativeSeparators(quelle.Pfad));
        return g;
    }

    TGeleseneQuelle g;
    g.Quelle = quelle;
    g.Kodierung = d.Kodierung;
    g.Bom = d.Bom;
    g.Alternative = d.Alternative;
    g.Trenner = quelle.Trenner ? *quelle.Trenner : ErkenneTrenner(d.Text);
    int offenSeit = 0;
    g.Zeilen = LeseCsv(d.Text, g.Trenner, 0, &offenSeit, lauf);
    if (lauf && lauf->Abgebrochen())
        return fehler(quelle, QStringLiteral("Das Lesen wurde abgebrochen."));
    if (offenSeit > 0)
        // The rest of the file would be one field: nothing of it is taken.
        return fehler(quelle, QStringLiteral("Das Anführungszeichen in Zeile %1 wird nicht geschlossen; es schließt "
                                             "den ganzen Rest der Datei ein. Bitte prüfen Sie diese Zeile.")
                                  .arg(offenSeit));
    g.Stundenplan = StundenplanArt(quelle.Pfad) == quelle.Art;

    const QStringList erste = g.Zeilen.isEmpty() ? QStringList() : g.Zeilen.first().Felder.Liste();
    g.Kopf = quelle.Kopf ? *quelle.Kopf : (!g.Stundenplan && SiehtAusWieKopf(erste, quelle.Art));
    if (g.Kopf && !g.Zeilen.isEmpty()) {
        g.KopfFelder = erste;
        g.Zeilen.removeFirst();
    }
    if (quelle.Zuordnung)
        g.Zuordnung = *quelle.Zuordnung;
    else if (g.Kopf)
        g.Zuordnung = ZuordnungAusKopf(g.KopfFelder, quelle.Art);
    else if (g.Stundenplan)
        g.Zuordnung = StundenplanZuordnung(quelle.Art);
    else if (quelle.Art != TQuellArt::Unterricht)
        // A bare list: its first column is the name.
        g.Zuordnung = {quelle.Art == TQuellArt::Wuensche ? TFeld::Eintrag : TFeld::Nachname};
    if (quelle.Art == TQuellArt::Wuensche && !quelle.Zuordnung && !g.Kopf && g.Zuordnung.size() == 1)
        g.Zuordnung.append(TFeld::Wunsch);

    g.Spalten = int(g.KopfFelder.size());
    for (const TCsvZeile& z : std::as_const(g.Zeilen))
        g.Spalten = std::max(g.Spalten, int(z.Felder.size()));
    return g;
}

std::optional<TQuellArt> ErrateArt(const QString& pfad)
{
    if (const auto art = StundenplanArt(pfad))
        return art;
    const Dateisystem::TGelesen anfang = Dateisystem::LiesAnfang(pfad, 64 * 1024);
    if (!anfang.ok())
        return std::nullopt;
    const TDekodiert d = Dekodiere(anfang.Bytes);
    if (!d.ok())
        return std::nullopt;
    const QList<TCsvZeile> zeilen = LeseCsv(d.Text, ErkenneTrenner(d.Text), 1);
    return zeilen.isEmpty() ? std::nullopt : ArtAusKopf(zeilen.first().Felder.Liste());
}

QString ZuordnungsText(const TGeleseneQuelle& q)
{
    QStringList teile;
    for (int i = 0; i < q.Zuordnung.size(); ++i) {
        if (q.Zuordnung[i] == TFeld::Keins)
            continue;
        QString t = QStringLiteral("%1 %2").arg(i + 1).arg(FeldName(q.Zuordnung[i]));
        if (i < q.KopfFelder.size() && !q.KopfFelder[i].trimmed().isEmpty())
            t += QStringLiteral(" („%1“)").arg(q.KopfFelder[i].trimmed());
        teile.append(t);
    }
    return teile.isEmpty() ? QStringLiteral("keine") : teile.join(QStringLiteral(", "));
}

} // namespace Schuldaten
