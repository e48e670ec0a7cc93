#include "schuldaten/schulimport.h"

#include "model/namen.h"
#include "model/sprechtag.h"
#include "schuldaten/faecher.h"
#include "schuldaten/namensmuster.h"
#include "text/cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include "verlauf/verlauf.h"

namespace Schuldaten {
namespace {

using TNamenNach = QHash<QString, QStringList>;

void merke(TNamenNach& h, const QString& schluessel, const QString& name)
{
    if (schluessel.isEmpty())
        return;
    QStringList& l = h[schluessel];
    if (!l.contains(name))
        l.append(name);
}

/// The words of a name for matching: runs of letters and digits, case-folded.
QStringList woerter(const QString& text)
{
    QStringList w;
    QString aktuell;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            aktuell += c;
        } else if (!aktuell.isEmpty()) {
            w.append(Namen::Schluessel(aktuell));
            aktuell.clear();
        }
    }
    if (!aktuell.isEmpty())
        w.append(Namen::Schluessel(aktuell));
    return w;
}

bool istAnrede(const QString& wort)
{
    return wort == u"herr" || wort == u"frau" || wort == u"hr" || wort == u"fr";
}

/// Every way a wish can name a teacher.
struct TLehrerIndex {
    QHash<QString, QString> voll;
    TNamenNach kuerzel;
    TNamenNach nachname;
    TNamenNach wort;

    void name(const QString& n)
    {
        voll.insert(Namen::Schluessel(n), n);
        for (const QString& w : woerter(n))
            merke(wort, w, n);
    }
};

struct TSchuelerIndex {
    TNamenNach nachKlasseNameVorname;
    TNamenNach nachKlasseName;
    QHash<QString, QString> klasseVon; // entry key -> class
};

QString schluessel3(const QString& a, const QString& b, const QString& c = {})
{
    return Namen::Schluessel(a) + QChar(0x1F) + Namen::Schluessel(b) + QChar(0x1F) + Namen::Schluessel(c);
}

QString liste(const QStringList& namen)
{
    QStringList z;
    for (const QString& n : namen)
        z.append(QStringLiteral("„%1“").arg(n));
    return z.join(QStringLiteral(", "));
}

/// Checks and plans the names of a teacher or pupil file.
class TPlaner {
public:
    TPlaner(const TSprechtag& tag, const TImportMuster& muster, TImportPlan& plan)
        : m_tag(tag), m_muster(muster), m_plan(plan)
    {
        for (const auto& e : tag.Lehrer)
            m_lehrer.name(e.name);
    }

    void Namen(const TGeleseneQuelle& q, TDateiBericht& b)
    {
        const bool lehrer = q.Quelle.Art == TQuellArt::Lehrer;
        QHash<QString, int> inDatei; // key -> line
        for (const TCsvZeile& z : q.Zeilen) {
            if (q.Wert(z, TFeld::Nachname).isEmpty() && (!lehrer || q.Wert(z, TFeld::Kuerzel).isEmpty())) {
                ++b.Abgelehnt;
                b.Probleme.append({z.Zeile, QStringLiteral("kein Nachname")});
                continue;
            }
            const QString name = NameAusZeile(q, z, lehrer ? m_muster.Lehrer : m_muster.Eltern);
            const TNeuerName pruefung = m_tag.PruefeName(name, lehrer);
            const QString schluessel = ::Namen::Schluessel(name);
            QString kanonisch;
            switch (pruefung.fehler) {
            case TNamensFehler::Leer:
                ++b.Abgelehnt;
                b.Probleme.append({z.Zeile, QStringLiteral("kein Name (die Namensspalten sind leer)")});
                continue;
            case TNamensFehler::FremdesZeichen:
                ++b.Abgelehnt;
                b.Probleme.append({z.Zeile, QStringLiteral("„%1“ enthält das Zeichen %2, das Kalumo nicht speichern kann")
                                                .arg(name, Cp1252::ZeichenBeschreibung(pruefung.zeichen))});
                continue;
            case TNamensFehler::Doppelt:
                ++b.Vorhanden;
                kanonisch = lehrer ? m_tag.Lehrer.Name(m_tag.Lehrer.IndexVon(name))
                                   : m_tag.Eltern.Name(m_tag.Eltern.IndexVon(name));
                break;
            case TNamensFehler::Keiner:
                if (const auto frueher = inDatei.constFind(schluessel); frueher != inDatei.cend()) {
                    ++b.Doppelt;
                    b.Probleme.append(
                        {z.Zeile, QStringLiteral("„%1“ steht schon in Zeile %2 und wird einmal übernommen")
                                      .arg(name)
                                      .arg(*frueher)});
                    kanonisch = lehrer ? m_neueLehrer.value(schluessel) : m_neueEltern.value(schluessel);
                    break;
                }
                inDatei.insert(schluessel, z.Zeile);
                ++b.Neu;
                kanonisch = name;
                if (lehrer) {
                    m_plan.NeueLehrer.append(name);
                    m_neueLehrer.insert(schluessel, name);
                    m_lehrer.name(name);
                } else {
                    m_plan.NeueEltern.append(name);
                    m_neueEltern.insert(schluessel, name);
                }
                break;
            }
            if (lehrer) {
                merke(m_lehrer.kuerzel, ::Namen::Schluessel(q.Wert(z, TFeld::Kuerzel)), kanonisch);
                merke(m_lehrer.nachname, ::Namen::Schluessel(q.Wert(z, TFeld::Nachname)), kanonisch);
            } else {
                const QString klasse = q.Wert(z, TFeld::Klasse);
                const QString nach = q.Wert(z, TFeld::Nachname);
                merke(m_schueler.nachKlasseNameVorname, schluessel3(klasse, nach, q.Wert(z, TFeld::Vorname)), kanonisch);
                merke(m_schueler.nachKlasseName, schluessel3(klasse, nach), kanonisch);
                m_schueler.klasseVon.insert(::Namen::Schluessel(kanonisch), klasse);
            }
        }
    }

    void Unterricht(const TGeleseneQuelle& q, TDateiBericht& b)
    {
        for (const TCsvZeile& z : q.Zeilen) {
            const QString kuerzel = q.Wert(z, TFeld::Kuerzel);
            const QString fach = q.Wert(z, TFeld::Fach);
            // Coupled lessons list several classes in one field.
            const QStringList klassen = q.Wert(z, TFeld::Klasse).split(QLatin1Char(','), Qt::SkipEmptyParts);
            if (kuerzel.isEmpty() || fach.isEmpty() || klassen.isEmpty()) {
                ++b.Abgelehnt;
                b.Probleme.append({z.Zeile, QStringLiteral("Klasse, Lehrerkürzel oder Fach fehlt")});
                continue;
            }
            ++b.Unterrichte;
            for (const QString& k : klassen)
                merke(m_unterricht, schluessel3(k.trimmed(), FachSchluessel(fach)), kuerzel);
        }
    }

    void Wuensche(const TGeleseneQuelle& q, TDateiBericht& b)
    {
        const QList<int> wunschSpalten = SpaltenVon(q.Zuordnung, TFeld::Wunsch);
        for (const TCsvZeile& z : q.Zeilen) {
            QString grund;
            const QString eintrag = findeEintrag(q, z, grund);
            if (eintrag.isEmpty()) {
                ++b.Abgelehnt;
                b.Probleme.append({z.Zeile, grund});
                continue;
            }
            QString klasse = q.Wert(z, TFeld::Klasse);
            if (klasse.isEmpty())
                klasse = m_schueler.klasseVon.value(::Namen::Schluessel(eintrag));
            if (klasse.isEmpty() && eintrag.contains(QLatin1Char(':')))
                klasse = eintrag.section(QLatin1Char(':'), 0, 0).trimmed();

            QStringList lehrer;
            for (const int s : wunschSpalten) {
                if (s >= z.Felder.size())
                    continue;
                for (const QString& stueck : stuecke(z.Felder[s]))
                    loeseAuf(stueck, klasse, lehrer, z.Zeile, b);
            }
            for (const QString& l : std::as_const(lehrer)) {
                const QString paar = ::Namen::Schluessel(eintrag) + QChar(0x1F) + ::Namen::Schluessel(l);
                if (m_geplanteWuensche.contains(paar))
                    continue;
                m_geplanteWuensche.insert(paar);
                const TEltern* e = m_tag.Eltern.Suche(eintrag);
                bool schonDa = false;
                if (e)
                    for (const QString& w : e->Sprechwuensche)
                        if (::Namen::Gleich(w, l)) {
                            schonDa = true;
                            break;
                        }
                if (schonDa) {
                    ++b.WuenscheVorhanden;
                } else {
                    ++b.WuenscheNeu;
                    m_plan.NeueWuensche.append({eintrag, l});
                }
            }
        }
    }

private:
    static QStringList stuecke(const QString& feld)
    {
        QStringList s;
        QString aktuell;
        for (const QChar c : feld) {
            if (c == u',' || c == u';' || c == u'/' || c == u'\n' || c == u'\r') {
                s.append(aktuell.simplified());
                aktuell.clear();
            } else {
                aktuell += c;
            }
        }
        s.append(aktuell.simplified());
        s.removeAll(QString());
        return s;
    }

    /// The entry a wish line is for, or empty with the reason.
    QString findeEintrag(const TGeleseneQuelle& q, const TCsvZeile& z, QString& grund) const
    {
        const QString ganz = q.Wert(z, TFeld::Eintrag).simplified();
        const QString klasse = q.Wert(z, TFeld::Klasse);
        const QString nach = q.Wert(z, TFeld::Nachname);
        const QString vor = q.Wert(z, TFeld::Vorname);
        if (!ganz.isEmpty()) {
            const QString e = eintragNamens(ganz);
            if (e.isEmpty())
                grund = QStringLiteral("Eintrag „%1“ ist nicht in der Elternliste").arg(ganz);
            return e;
        }
        if (nach.isEmpty()) {
            grund = QStringLiteral("kein Schüler angegeben");
            return {};
        }
        // The pupils of this import know class, surname and first name apart.
        QStringList treffer = m_schueler.nachKlasseNameVorname.value(schluessel3(klasse, nach, vor));
        if (treffer.isEmpty() && vor.isEmpty())
            treffer = m_schueler.nachKlasseName.value(schluessel3(klasse, nach));
        if (treffer.size() > 1) {
            grund = QStringLiteral("„%1 %2“ in Klasse „%3“ ist nicht eindeutig: %4")
                        .arg(vor, nach, klasse, liste(treffer))
                        .simplified();
            return {};
        }
        if (treffer.size() == 1)
            return treffer.first();
        // Otherwise the entry is the name the pattern would give, or the name as written.
        TNamensTeile teile{{QStringLiteral("Klasse"), klasse},
                           {QStringLiteral("Nachname"), nach},
                           {QStringLiteral("Vorname"), vor}};
        QString e = eintragNamens(WendeMusterAn(m_muster.Eltern, teile));
        if (e.isEmpty() && klasse.isEmpty())
            e = eintragNamens(nach);
        if (e.isEmpty())
            grund = QStringLiteral("Schüler „%1“ ist nicht in der Elternliste")
                        .arg(WendeMusterAn(m_muster.Eltern, teile));
        return e;
    }

    QString eintragNamens(const QString& name) const
    {
        const qsizetype i = m_tag.Eltern.IndexVon(name);
        if (i >= 0)
            return m_tag.Eltern.Name(i);
        return m_neueEltern.value(::Namen::Schluessel(name));
    }

    /// The teachers a text names, by the rules in order; the first rule that finds any
    /// decides (several then mean the wish is ambiguous).
    QStringList kandidaten(const QString& text, const QString& klasse) const
    {
        const QString s = ::Namen::Schluessel(text);
        if (const auto it = m_lehrer.voll.constFind(s); it != m_lehrer.voll.cend())
            return {*it};
        if (const QStringList l = m_lehrer.kuerzel.value(s); !l.isEmpty())
            return l;
        if (const QStringList l = m_lehrer.nachname.value(s); !l.isEmpty())
            return l;
        if (!klasse.isEmpty()) {
            QStringList l;
            for (const QString& kuerzel : m_unterricht.value(schluessel3(klasse, FachSchluessel(text)))) {
                QStringList durch = m_lehrer.kuerzel.value(::Namen::Schluessel(kuerzel));
                // A day typed by hand keeps short names inside the record names.
                if (durch.isEmpty())
                    durch = m_lehrer.wort.value(::Namen::Schluessel(kuerzel));
                for (const QString& n : durch)
                    if (!l.contains(n))
                        l.append(n);
            }
            if (!l.isEmpty())
                return l;
        }
        // Words of a record's name: a surname or a short name written into it ("Dr. Weber"
        // finds "Dr. Weber (R 101)"); every word of the text must be there.
        QStringList w = woerter(text);
        w.removeIf(istAnrede);
        if (w.isEmpty())
            return {};
        QStringList l = m_lehrer.wort.value(w.first());
        for (qsizetype i = 1; i < w.size() && !l.isEmpty(); ++i) {
            const QStringList mit = m_lehrer.wort.value(w[i]);
            l.removeIf([&](const QString& n) { return !mit.contains(n); });
        }
        return l;
    }

    void loeseAuf(const QString& stueck, const QString& klasse, QStringList& lehrer, int zeile, TDateiBericht& b) const
    {
        auto nimm = [&](const QString& text) {
            const QStringList k = kandidaten(text, klasse);
            if (k.size() == 1 && !lehrer.contains(k.first()))
                lehrer.append(k.first());
            return k;
        };
        auto melde = [&](const QString& text, const QStringList& k) {
            ++b.WuenscheOffen;
            QString grund;
            if (!k.isEmpty())
                grund = QStringLiteral("Wunsch „%1“ passt zu mehreren Lehrkräften: %2").arg(text, liste(k));
            else if (klasse.isEmpty())
                grund = QStringLiteral("Wunsch „%1“ passt zu keiner Lehrkraft").arg(text);
            else
                grund = QStringLiteral("Wunsch „%1“ passt zu keiner Lehrkraft und zu keinem Fach der Klasse %2")
                            .arg(text, klasse);
            b.Probleme.append({zeile, grund});
        };
        const QStringList ganz = nimm(stueck);
        if (ganz.size() == 1)
            return;
        if (ganz.size() > 1 || !stueck.contains(QLatin1Char(' '))) {
            melde(stueck, ganz);
            return;
        }
        for (const QString& teil : stueck.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList k = nimm(teil);
            if (k.size() != 1)
                melde(teil, k);
        }
    }

    const TSprechtag& m_tag;
    const TImportMuster& m_muster;
    TImportPlan& m_plan;
    TLehrerIndex m_lehrer;
    TSchuelerIndex m_schueler;
    TNamenNach m_unterricht; // class + subject -> short names
    QHash<QString, QString> m_neueLehrer;
    QHash<QString, QString> m_neueEltern;
    QSet<QString> m_geplanteWuensche;
};

QString teil(const TGeleseneQuelle& q, const TCsvZeile& z, TFeld feld)
{
    // Tabs and line breaks inside a field become single blanks: names are one line.
    return q.Wert(z, feld).simplified();
}

} // namespace

QString NameAusZeile(const TGeleseneQuelle& q, const TCsvZeile& z, const QString& muster)
{
    const TNamensTeile teile{{QStringLiteral("Nachname"), teil(q, z, TFeld::Nachname)},
                             {QStringLiteral("Vorname"), teil(q, z, TFeld::Vorname)},
                             {QStringLiteral("Kürzel"), teil(q, z, TFeld::Kuerzel)},
                             {QStringLiteral("Raum"), teil(q, z, TFeld::Raum)},
                             {QStringLiteral("Titel"), teil(q, z, TFeld::Titel)},
                             {QStringLiteral("Klasse"), teil(q, z, TFeld::Klasse)}};
    return WendeMusterAn(muster, teile);
}

bool TImportPlan::MachtPlaeneUngueltig(const TSprechtag& tag) const
{
    return tag.PlaeneGueltig && !NeueWuensche.isEmpty();
}

TImportPlan PlaneImport(const TSprechtag& tag, const QList<TGeleseneQuelle>& quellen, const TImportMuster& muster)
{
    TImportPlan plan;
    TPlaner planer(tag, muster, plan);
    for (const TQuellArt art : AlleArten) {
        for (const TGeleseneQuelle& q : quellen) {
            if (!q.ok() || q.Quelle.Art != art)
                continue;
            TDateiBericht b;
            b.Art = art;
            b.Pfad = q.Quelle.Pfad;
            switch (art) {
            case TQuellArt::Lehrer:
            case TQuellArt::Schueler:
                planer.Namen(q, b);
                break;
            case TQuellArt::Unterricht:
                planer.Unterricht(q, b);
                break;
            case TQuellArt::Wuensche:
                planer.Wuensche(q, b);
                break;
            }
            plan.Berichte.append(b);
        }
    }
    return plan;
}

void WendeImportAn(TSprechtag& tag, const TImportPlan& plan)
{
    if (plan.Leer())
        return;
    TSchritt schritt(tag, ImportSchrittName(int(plan.NeueLehrer.size() + plan.NeueEltern.size() + plan.NeueWuensche.size())),
                     TSichern::Sofort);
    if (plan.MachtPlaeneUngueltig(tag))
        tag.PlaeneGueltig = false;
    for (const QString& n : plan.NeueLehrer)
        tag.LehrerUebernehmen(n);
    for (const QString& n : plan.NeueEltern)
        tag.ElternUebernehmen(n);
    for (const auto& [eltern, lehrer] : plan.NeueWuensche)
        if (TEltern* e = tag.Eltern.Suche(eltern))
            e->Sprechwuensche.append(lehrer);
    tag.Geaendert();
}

QString BerichtText(const QList<TGeleseneQuelle>& quellen, const TImportPlan& plan)
{
    QString t;
    auto zeile = [&](const QString& s) { t += s + QLatin1Char('\n'); };
    for (const TDateiBericht& b : plan.Berichte) {
        const TGeleseneQuelle* q = nullptr;
        for (const TGeleseneQuelle& g : quellen)
            if (g.Quelle.Pfad == b.Pfad && g.Quelle.Art == b.Art)
                q = &g;
        if (!q)
            continue;
        zeile(QStringLiteral("%1: %2").arg(ArtName(b.Art), QDir::toNativeSeparators(b.Pfad)));
        QString kodierung = KodierungsName(q->Kodierung);
        if (q->Bom)
            kodierung += QStringLiteral(" mit BOM");
        if (q->Alternative)
            kodierung += QStringLiteral(" (auch möglich: %1, ergibt andere Zeichen)").arg(KodierungsName(*q->Alternative));
        zeile(QStringLiteral("  Kodierung: %1").arg(kodierung));
        zeile(QStringLiteral("  Trennzeichen: %1").arg(TrennerName(q->Trenner)));
        zeile(QStringLiteral("  Kopfzeile: %1")
                  .arg(q->Kopf ? QStringLiteral("ja")
                               : q->Stundenplan ? QStringLiteral("nein (Stundenplan-Export mit festen Spalten)")
                                                : QStringLiteral("nein")));
        zeile(QStringLiteral("  Spalten: %1").arg(ZuordnungsText(*q)));
        switch (b.Art) {
        case TQuellArt::Lehrer:
        case TQuellArt::Schueler:
            zeile(QStringLiteral("  Neu: %1, schon vorhanden: %2, doppelt in der Datei: %3, abgelehnt: %4")
                      .arg(b.Neu)
                      .arg(b.Vorhanden)
                      .arg(b.Doppelt)
                      .arg(b.Abgelehnt));
            break;
        case TQuellArt::Unterricht:
            zeile(QStringLiteral("  Unterrichte: %1, abgelehnt: %2").arg(b.Unterrichte).arg(b.Abgelehnt));
            break;
        case TQuellArt::Wuensche:
            zeile(QStringLiteral("  Sprechwünsche neu: %1, schon vorhanden: %2, nicht zugeordnet: %3, "
                                 "Zeilen abgelehnt: %4")
                      .arg(b.WuenscheNeu)
                      .arg(b.WuenscheVorhanden)
                      .arg(b.WuenscheOffen)
                      .arg(b.Abgelehnt));
            break;
        }
    }
    bool kopf = false;
    for (const TDateiBericht& b : plan.Berichte) {
        for (const TProblem& p : b.Probleme) {
            if (!kopf) {
                zeile(QStringLiteral("Abgelehnte und nicht zugeordnete Zeilen:"));
                kopf = true;
            }
            zeile(QStringLiteral("  %1, Zeile %2: %3").arg(QFileInfo(b.Pfad).fileName()).arg(p.Zeile).arg(p.Grund));
        }
    }
    return t;
}

} // namespace Schuldaten
