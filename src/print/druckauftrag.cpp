#include "druckauftrag.h"

#include "pdfausgabe.h"
#include "plandrucker.h"
#include "planlayout.h"

#include "bearbeiten/vorrang.h"
#include "dateisystem/schreiben.h"
#include "model/namen.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSet>

QString DruckjobTitel()
{
    return QStringLiteral("QVT Zeitpläne");
}

namespace {

// Above an invited talk the parents read who invited them; plans without invitations
// print as they always did.
QStringList MitEinladungen(const TEltern& e)
{
    if (e.Einladungen.isEmpty())
        return e.Zeitplan.Liste();
    QStringList zeilen;
    for (const QString& z : e.Zeitplan) {
        const QString partner = z.mid(11);
        if (z.size() > 11 && Prioritaet(e, partner) == TPrioritaet::Einladung)
            zeilen.append(QStringLiteral("Sie wurden von %1 eingeladen.").arg(partner));
        zeilen.append(z);
    }
    return zeilen;
}

struct TJobBau {
    const TSprechtag& tag;
    const TDruckOptionen& opt;
    std::vector<TPlanAuftrag> plaene;
    bool ersterImAbschnitt = true;

    void beginneAbschnitt() { ersterImAbschnitt = true; }

    void lehrer(const QString& name, const TLehrer& l)
    {
        if (opt.SkipLehrerOhneTerm && l.Zeitplan.isEmpty())
            return;
        plaene.push_back({name, l.Zeitplan, false, tag.Plan.LehrerFmt == TPlanEinstellungen::FormatA6,
                          ersterImAbschnitt, false});
        ersterImAbschnitt = false;
    }

    void eltern(const QString& name, const TEltern& e, bool abschnittswechsel)
    {
        if (opt.SkipElternOhneTerm && e.Zeitplan.isEmpty())
            return;
        if (opt.SkipElternOhneWunsch && e.Sprechwuensche.isEmpty())
            return;
        plaene.push_back({name, MitEinladungen(e), true, tag.Plan.ElternFmt == TPlanEinstellungen::FormatA6,
                          ersterImAbschnitt, abschnittswechsel});
        ersterImAbschnitt = false;
    }
};

} // namespace

std::vector<TPlanAuftrag> PlaneDruckauftrag(const TSprechtag& tag, const TDruckOptionen& optionen)
{
    using U = TDruckOptionen::Umfang;
    TJobBau bau{tag, optionen, {}};
    if (optionen.umfang == U::AlleLehrer || optionen.umfang == U::Alle) {
        bau.beginneAbschnitt();
        for (const auto& l : tag.Lehrer)
            bau.lehrer(l.name, *l.record);
    }
    if (optionen.umfang == U::AlleEltern || optionen.umfang == U::Alle) {
        bau.beginneAbschnitt();
        bool wechsel = optionen.umfang == U::Alle;
        for (const auto& e : tag.Eltern) {
            const size_t vorher = bau.plaene.size();
            bau.eltern(e.name, *e.record, wechsel);
            if (bau.plaene.size() != vorher)
                wechsel = false;
        }
    }
    if (optionen.umfang == U::Ausgewaehlte) {
        // Print order is the list order, whatever order the names came in.
        bau.beginneAbschnitt();
        QSet<QString> gewaehlt;
        for (const QString& n : optionen.Auswahl)
            gewaehlt.insert(Namen::Schluessel(n));
        if (optionen.AuswahlEltern) {
            for (const auto& e : tag.Eltern)
                if (gewaehlt.contains(Namen::Schluessel(e.name)))
                    bau.eltern(e.name, *e.record, false);
        } else {
            for (const auto& l : tag.Lehrer)
                if (gewaehlt.contains(Namen::Schluessel(l.name)))
                    bau.lehrer(l.name, *l.record);
        }
    }
    return std::move(bau.plaene);
}

namespace {

/// Walks the job as the printer does: page breaks from the sheet sequence and the
/// section change, one call per plan box.
template <class Fn>
void durchlaufe(const std::vector<TPlanAuftrag>& auftrag, const TPlanTexte& texte, TBlattFolge& blaetter, Fn&& box)
{
    bool gedruckt = false;
    for (size_t p = 0; p < auftrag.size(); ++p) {
        const TPlanAuftrag& a = auftrag[p];
        bool umbruch = false;
        if (a.abschnittswechsel) {
            umbruch = gedruckt;
            blaetter.A6Zaehler = 0;
        }
        const auto boxen = PlanLayout::Verteile(int(a.zeilen.size()), a.mitEinleitung, int(texte.Einleitung.size()),
                                                a.a6, texte.Fussnote);
        for (size_t b = 0; b < boxen.size(); ++b) {
            box(int(p), int(b), umbruch && b == 0, boxen[b]);
            gedruckt = true;
        }
    }
}

} // namespace

std::vector<TBoxPlatz> Seitenplan(const std::vector<TPlanAuftrag>& auftrag, const TPlanTexte& texte)
{
    std::vector<TBoxPlatz> plaetze;
    TBlattFolge blaetter;
    int seite = 0;
    durchlaufe(auftrag, texte, blaetter, [&](int p, int b, bool umbruch, const PlanLayout::TBox&) {
        if (umbruch)
            ++seite;
        const TPlanAuftrag& a = auftrag[size_t(p)];
        const TPlatz platz = blaetter.Naechster(a.a6, a.erster && b == 0);
        if (platz.neueSeite)
            ++seite;
        plaetze.push_back({p, b, seite, platz.viertel, platz.schnittlinien});
    });
    return plaetze;
}

int AnzahlSeiten(const std::vector<TPlanAuftrag>& auftrag, const TPlanTexte& texte)
{
    const auto plaetze = Seitenplan(auftrag, texte);
    return plaetze.empty() ? 1 : plaetze.back().seite + 1;
}

bool DruckePlaene(QPainter& maler, const std::function<bool()>& neueSeite, const std::vector<TPlanAuftrag>& auftrag,
                  const TPlanTexte& texte, const TDruckFortschritt& fortschritt)
{
    TPlanDrucker drucker(maler, neueSeite, texte);
    const int gesamt = int(auftrag.size());
    if (fortschritt && !fortschritt(0, gesamt))
        return false;
    bool gedruckt = false;
    for (int i = 0; i < gesamt; ++i) {
        const TPlanAuftrag& a = auftrag[size_t(i)];
        if (a.abschnittswechsel) {
            // The parents start on a sheet of their own; no empty sheet when nothing came before.
            if (gedruckt)
                drucker.NeueSeite();
            drucker.Blaetter.A6Zaehler = 0;
        }
        drucker.PrintPlan(a.name, a.zeilen, a.mitEinleitung, a.a6, a.erster);
        gedruckt = true;
        if (fortschritt && !fortschritt(i + 1, gesamt))
            return false;
    }
    return true;
}

std::optional<QString> PrintSomePlans(QPrinter& drucker, const TSprechtag& tag, const TDruckOptionen& optionen,
                                      const TPlanTexte& texte, const TDruckFortschritt& fortschritt)
{
    const auto auftrag = PlaneDruckauftrag(tag, optionen);
    drucker.setDocName(DruckjobTitel());
    drucker.setPageOrientation(QPageLayout::Portrait);
    QPainter maler;
    if (!maler.begin(&drucker))
        return QStringLiteral("Der Drucker konnte nicht geöffnet werden.");
    if (!DruckePlaene(maler, [&drucker] { return drucker.newPage(); }, auftrag, texte, fortschritt)) {
        // Nothing more is drawn. Where the platform can withdraw the job it does; where it
        // cannot (CUPS), the pages drawn so far still go out, and the printer's state
        // tells the caller which happened.
        drucker.abort();
        maler.end();
        return std::nullopt;
    }
    if (!maler.end())
        return QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden.");
    return std::nullopt;
}

std::optional<QString> PlaeneAlsPdf(const QString& pfad, const TSprechtag& tag, const TDruckOptionen& optionen,
                                    const TPlanTexte& texte, const TDruckFortschritt& fortschritt)
{
    const auto auftrag = PlaneDruckauftrag(tag, optionen);
    return PdfAusgabe::Schreibe(pfad, DruckjobTitel(),
                                [&](QPainter& maler, const std::function<bool()>& neueSeite) {
                                    return DruckePlaene(maler, neueSeite, auftrag, texte, fortschritt);
                                });
}
