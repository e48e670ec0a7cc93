#include "mailanhang.h"

#include "druckauftrag.h"
#include "pdfausgabe.h"
#include "tuerdrucker.h"

#include <QPainter>

namespace MailAnhang {

QByteArray FamilienPlan(const TSprechtag& tag, const QStringList& eintraege, const TPlanTexte& texte)
{
    // A4 plans of siblings would need a page each; as quarters they share one.
    const bool a6 = tag.Plan.ElternFmt == TPlanEinstellungen::FormatA6 || eintraege.size() > 1;
    std::vector<TPlanAuftrag> auftrag;
    for (const QString& name : eintraege) {
        const TEltern* e = tag.Eltern.Suche(name);
        if (!e)
            continue;
        auftrag.push_back({name, e->Zeitplan.Liste(), true, a6, auftrag.empty(), false});
    }
    if (auftrag.empty())
        return {};
    return PdfAusgabe::ImSpeicher(DruckjobTitel(),
                                  [&](QPainter& maler, const std::function<bool()>& neueSeite) {
                                      return DruckePlaene(maler, neueSeite, auftrag, texte);
                                  })
        .Daten;
}

QByteArray Tuerliste(const TSprechtag& tag, const QString& lehrer, const TTuerTexte& texte)
{
    const auto seiten = PlaneTuerlisten(tag, {lehrer}, texte);
    if (seiten.empty())
        return {};
    return PdfAusgabe::ImSpeicher(TuerlistenTitel(),
                                  [&](QPainter& maler, const std::function<bool()>& neueSeite) {
                                      return DruckeTuerlisten(maler, neueSeite, seiten);
                                  })
        .Daten;
}

Versand::TNachrichten BaueMitPdf(const TSprechtag& tag, Versand::TEmpfaenger fuer, const Versand::TAngaben& angaben,
                                 const QString& schulName, const QDateTime& stand, const Versand::TMitPdf& mitPdf)
{
    const TPlanTexte planTexte = TPlanTexte::Aus(tag.Plan, schulName);
    const TTuerTexte tuerTexte = TTuerTexte::Aus(tag.Plan, schulName, stand);
    return Versand::Baue(
        tag, fuer, angaben, [&](const QStringList& eintraege) { return FamilienPlan(tag, eintraege, planTexte); },
        [&](const QString& lehrer) { return Tuerliste(tag, lehrer, tuerTexte); }, mitPdf);
}

} // namespace MailAnhang
