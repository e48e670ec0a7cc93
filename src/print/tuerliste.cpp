#include "tuerliste.h"

#include "bearbeiten/vorrang.h"
#include "berechnung/gemeinsame_zeile.h"
#include "model/namen.h"
#include "optimierung/plaene.h"
#include "raster/tagesraster.h"
#include "termine/ortszeit.h"
#include "termine/termine.h"
#include "tuerschrift.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>

QString TTuerTexte::StandText() const
{
    // A fixed German form, whatever the system's locale says, on the school's clock
    // whatever the machine's zone.
    return QStringLiteral("Stand: %1 Uhr")
        .arg(Termine::InSchulzeit(Stand).toString(QStringLiteral("dd.MM.yyyy, hh:mm")));
}

QString NameOhneRaum(const QString& lehrer)
{
    if (Termine::Raum(lehrer).isEmpty())
        return lehrer.trimmed();
    const qsizetype zu = lehrer.lastIndexOf(u')');
    const qsizetype auf = lehrer.lastIndexOf(u'(', zu);
    const QString ohne = (lehrer.left(auf) + lehrer.mid(zu + 1)).simplified();
    // A name that is nothing but brackets stays as it is.
    return ohne.isEmpty() ? lehrer.trimmed() : ohne;
}

namespace {

const QString Frei = QStringLiteral("— frei —");

struct TSortierZeile {
    double schluessel = 0;
    TTuerZeile zeile;
};

} // namespace

std::vector<TTuerZeile> TuerZeilen(const TSprechtag& tag, const TLehrer& lehrer)
{
    const int erster = Raster::ErsterSlot(tag, lehrer);
    const int letzter = Raster::LetzterSlot(tag, lehrer);
    const int anzahl = std::max(0, letzter + 1);
    const QStringList praefix = PlanPraefixe(tag, anzahl);
    QHash<QString, int> slotVon;
    for (int k = erster; k < anzahl; ++k)
        slotVon.insert(praefix.at(k), k);

    // The plan's lines at each slot; what fits no slot of the hours is kept aside.
    QHash<int, QStringList> namenIn;
    std::vector<TSortierZeile> zeilen;
    static const QRegularExpression mitZeit(QStringLiteral("^(\\d\\d):(\\d\\d) Uhr: ?(.*)$"));
    for (const QString& z : lehrer.Zeitplan) {
        const int k = z.size() >= 11 ? slotVon.value(z.left(11), -1) : -1;
        if (k >= 0) {
            namenIn[k].append(z.mid(11));
            continue;
        }
        if (z.trimmed().isEmpty())
            continue;
        const auto m = mitZeit.match(z);
        if (m.hasMatch()) {
            const double t = Zeit::Kodiere(m.captured(1).toInt(), m.captured(2).toInt());
            const QString name = m.captured(3);
            zeilen.push_back({t, {name.isEmpty() ? TTuerZeile::Art::Frei : TTuerZeile::Art::Termin,
                                  z.left(5), name.isEmpty() ? Frei : name}});
        } else {
            zeilen.push_back({std::numeric_limits<double>::infinity(), {TTuerZeile::Art::Termin, QString(), z}});
        }
    }

    for (int k = erster; k < anzahl; ++k) {
        const double t = Raster::SlotZeit(tag, k);
        const QString zeit = praefix.at(k).left(5);
        QStringList namen;
        for (const QString& n : namenIn.value(k))
            if (!n.isEmpty())
                namen.append(n);
        if (!namen.isEmpty()) {
            for (const QString& n : namen)
                zeilen.push_back({t, {TTuerZeile::Art::Termin, zeit, n}});
        } else if (Raster::IstPausenSlot(tag, k)) {
            zeilen.push_back({t, {TTuerZeile::Art::Pause, zeit, QStringLiteral("Pause")}});
        } else {
            zeilen.push_back({t, {TTuerZeile::Art::Frei, zeit, Frei}});
        }
    }
    // Slot rows went in after the edited lines; a stable sort by time keeps a slot's own
    // rows together and puts an edited line before the slot of the same minute.
    std::stable_sort(zeilen.begin(), zeilen.end(), [](const TSortierZeile& a, const TSortierZeile& b) {
        if (std::isinf(a.schluessel) || std::isinf(b.schluessel))
            return !std::isinf(a.schluessel) && std::isinf(b.schluessel);
        return std::llround(a.schluessel * Zeit::MSekProTag) < std::llround(b.schluessel * Zeit::MSekProTag);
    });

    // Invited families are marked: the teacher asked for these talks.
    QString lehrerName;
    for (const auto& l : tag.Lehrer)
        if (l.record.get() == &lehrer)
            lehrerName = l.name;
    const bool einladungen = !lehrerName.isEmpty() && HatPrioritaeten(tag);
    std::vector<TTuerZeile> erg;
    erg.reserve(zeilen.size());
    for (auto& z : zeilen) {
        if (einladungen && z.zeile.art == TTuerZeile::Art::Termin) {
            // A joint talk of siblings is invited when the teacher invited any of them.
            bool eingeladen = false;
            if (const TEltern* e = tag.Eltern.Suche(z.zeile.text))
                eingeladen = Prioritaet(*e, lehrerName) == TPrioritaet::Einladung;
            else if (tag.GemeinsameGespraeche)
                for (const int m : ZeilenPartner(tag, z.zeile.text))
                    eingeladen = eingeladen || Prioritaet(tag.Eltern.Record(m), lehrerName) == TPrioritaet::Einladung;
            if (eingeladen)
                z.zeile.text += QStringLiteral(" (Einladung)");
        }
        erg.push_back(std::move(z.zeile));
    }
    if (erg.empty())
        erg.push_back({TTuerZeile::Art::Keine, QString(), QStringLiteral("— keine Sprechzeit —")});
    return erg;
}

namespace TuerLayout {

int ZeilenProSeite()
{
    return int((LetzteZeileBis - ErsteZeileY) / Zeilenhoehe + 1e-9);
}

} // namespace TuerLayout

namespace {

using namespace TuerLayout;
using S = TTuerText::Schrift;
using A = TTuerText::Ausrichtung;

/// Text rows sit a little below their row's top so that they stand centred between the lines.
constexpr double TextAbstand = 2.0;
constexpr double InnenBreite = X1 - X0 - 4;
/// Between the widest name and the notes rule: the 2 mm every column keeps before its
/// rule, and 1 mm for the printer's rounding of font sizes.
constexpr double NamenLuft = 3.0;

void Kopf(TTuerSeite& s, const QString& lehrer, const TTuerTexte& texte, double notizen)
{
    auto text = [&s](const QString& t, double x, double y, S schrift, A ausrichtung, double breite) {
        if (!t.isEmpty())
            s.texte.push_back({t, x, y, schrift, ausrichtung, breite});
    };
    text(NameOhneRaum(lehrer), XMitte, 26, S::Name, A::Mitte, InnenBreite);
    const QString raum = Termine::Raum(lehrer);
    text(raum.isEmpty() ? QString() : QStringLiteral("Raum ") + raum, XMitte, 37, S::Name, A::Mitte, InnenBreite);
    text(texte.SchulName, XMitte, 50, S::Kopf, A::Mitte, InnenBreite);
    text(texte.Headline2, XMitte, 55.5, S::Kopf, A::Mitte, InnenBreite);
    text(texte.StandText(), RechterRand, 62, S::Stand, A::Rechts, InnenBreite);
    if (s.seiten > 1)
        text(QStringLiteral("Seite %1 von %2").arg(s.seite).arg(s.seiten), X0 + 3, 62, S::Stand, A::Links, 60);

    text(QStringLiteral("Zeit"), SpalteZeit, KopfY + 1, S::Spaltenkopf, A::Links, SpalteName - SpalteZeit - 2);
    text(QStringLiteral("Eltern"), SpalteName, KopfY + 1, S::Spaltenkopf, A::Links, notizen - SpalteName - 2);
    text(QStringLiteral("Notizen"), notizen + 2, KopfY + 1, S::Spaltenkopf, A::Links, RechterRand - notizen - 2);
    if (texte.Fussnote)
        text(texte.FussnotenText(), X0 + 1, Y1 - 3, S::Fuss, A::Links, InnenBreite);

    // The frame of the plans, and the table's head rule.
    s.linien.push_back({X0, Y0, X1, Y0, 0.5});
    s.linien.push_back({X1, Y0, X1, Y1, 0.5});
    s.linien.push_back({X1, Y1, X0, Y1, 0.5});
    s.linien.push_back({X0, Y1, X0, Y0, 0.5});
    s.linien.push_back({SpalteZeit - 1, ErsteZeileY, RechterRand, ErsteZeileY, 0.35});
}

void Zeilen(TTuerSeite& s, const std::vector<TTuerZeile>& zeilen, size_t von, size_t bis, double notizen)
{
    double y = ErsteZeileY;
    for (size_t i = von; i < bis; ++i) {
        const TTuerZeile& z = zeilen[i];
        if (!z.zeit.isEmpty())
            s.texte.push_back({z.zeit, SpalteZeit, y + TextAbstand, S::Zeit, A::Links, SpalteName - SpalteZeit - 2});
        s.texte.push_back({z.text, SpalteName, y + TextAbstand, S::Zeile, A::Links, notizen - SpalteName - 2});
        y += Zeilenhoehe;
        s.linien.push_back({SpalteZeit - 1, y, RechterRand, y, 0.1});
    }
    // Column rules from the head to the last row; the notes column stays empty.
    s.linien.push_back({SpalteName - 2, KopfY, SpalteName - 2, y, 0.1});
    s.linien.push_back({notizen, KopfY, notizen, y, 0.1});
}

/// Where the notes column begins: right after the widest name of the teacher's sheet, so
/// that the column for handwriting is as wide as the names allow, but never narrower than
/// from SpalteNotizen on (longer names are narrowed as before).
double NotizenAb(const std::vector<TTuerZeile>& zeilen)
{
    double breite = TuerTextBreiteMm(QStringLiteral("Eltern"), S::Spaltenkopf);
    // Without font data nothing can be measured: the fixed split as before.
    if (breite <= 0)
        return SpalteNotizen;
    for (const TTuerZeile& z : zeilen)
        breite = std::max(breite, TuerTextBreiteMm(z.text, S::Zeile));
    return std::min(SpalteNotizen, SpalteName + breite + NamenLuft);
}

} // namespace

std::vector<TTuerSeite> PlaneTuerlisten(const TSprechtag& tag, const QStringList& lehrer, const TTuerTexte& texte)
{
    QSet<QString> gewaehlt;
    for (const QString& n : lehrer)
        gewaehlt.insert(Namen::Schluessel(n));
    std::vector<TTuerSeite> seiten;
    const size_t proSeite = size_t(std::max(1, ZeilenProSeite()));
    for (const auto& l : tag.Lehrer) {
        if (!gewaehlt.contains(Namen::Schluessel(l.name)))
            continue;
        const std::vector<TTuerZeile> zeilen = TuerZeilen(tag, *l.record);
        const int anzahl = int((zeilen.size() + proSeite - 1) / proSeite);
        const double notizen = NotizenAb(zeilen);
        for (int p = 0; p < anzahl; ++p) {
            TTuerSeite s;
            s.lehrer = l.name;
            s.seite = p + 1;
            s.seiten = anzahl;
            Kopf(s, l.name, texte, notizen);
            Zeilen(s, zeilen, size_t(p) * proSeite, std::min(zeilen.size(), size_t(p + 1) * proSeite), notizen);
            seiten.push_back(std::move(s));
        }
    }
    return seiten;
}
