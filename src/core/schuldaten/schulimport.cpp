#include "schuldaten/schulimport.h"

#include "bearbeiten/vorrang.h"
#include "model/namen.h"
#include "model/sprechtag.h"
#include "schuldaten/faecher.h"
#include "schuldaten/namensmuster.h"
#include "schuldaten/umschrift.h"
#include "text/cp1252.h"
#include "text/steuerzeichen.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include "verlauf/verlauf.h"
#include <algorithm>

namespace Schuldaten {
namespace {

/// Names by a key, each name once per key. Repeats are dropped when a key is read: a
/// list searched before every append grows quadratic when thousands share a key.
struct TNamenNach {
    QHash<QString, QStringList> liste;

    QStringList value(const QString& schluessel) const
    {
        QStringList l = liste.value(schluessel);
        if (l.size() > 1)
            l.removeDuplicates();
        return l;
    }
};

void merke(TNamenNach& h, const QString& schluessel, const QString& name)
{
    if (!schluessel.isEmpty())
        h.liste[schluessel].append(name);
}

/// The words of a name for matching: runs of letters and digits, folded.
QStringList woerter(const QString& text)
{
    QStringList w;
    QString aktuell;
    auto wortEnde = [&] {
        if (aktuell.isEmpty())
            return;
        const QString f = FaltSchluessel(aktuell);
        // A letter that folds to several words ("ǅ") still gives one word each.
        for (const QString& teil : f.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            w.append(teil);
        aktuell.clear();
    };
    for (const QChar c : text) {
        if (c.isLetterOrNumber() || c.isMark() || c.isSurrogate())
            aktuell += c;
        else
            wortEnde();
    }
    wortEnde();
    return w;
}

/// Titles and salutations belong to the name after them; alone they are no wish.
bool istTitel(const QString& wort)
{
    static const QSet<QString> titel{
        u"herr"_qs,         u"herrn"_qs,           u"frau"_qs,          u"hr"_qs,
        u"hrn"_qs,          u"fr"_qs,              u"dr"_qs,            u"prof"_qs,
        u"str"_qs,          u"ostr"_qs,            u"std"_qs,           u"ostd"_qs,
        u"strin"_qs,        u"ostrin"_qs,          u"stdin"_qs,         u"ostdin"_qs,
        u"studienrat"_qs,   u"studienratin"_qs,    u"oberstudienrat"_qs, u"oberstudienratin"_qs,
        u"studiendirektor"_qs, u"studiendirektorin"_qs, u"oberstudiendirektor"_qs,
        u"oberstudiendirektorin"_qs, u"rektor"_qs, u"rektorin"_qs, u"konrektor"_qs, u"konrektorin"_qs};
    return titel.contains(QString(FaltSchluessel(wort)).remove(QLatin1Char('.')));
}

QString schluessel3(const QString& a, const QString& b, const QString& c = {})
{
    return FaltSchluessel(a) + QChar(0x1F) + FaltSchluessel(b) + QChar(0x1F) + FaltSchluessel(c);
}

QString UnterrichtSchluessel(const TUnterricht& u)
{
    return Namen::Schluessel(u.Klasse) + QChar(0x1F) + Namen::Schluessel(u.Kuerzel) + QChar(0x1F)
        + Namen::Schluessel(u.Fach);
}

QString liste(const QStringList& namen)
{
    QStringList z;
    for (const QString& n : namen)
        z.append(QStringLiteral("„%1“").arg(n));
    return z.join(QStringLiteral(", "));
}

/// Every way a wish can name a teacher.
struct TLehrerIndex {
    QHash<QString, QString> genau;
    TNamenNach voll;
    TNamenNach kuerzel;
    TNamenNach nachname;
    TNamenNach wort;

    void name(const QString& n)
    {
        genau.insert(Namen::Schluessel(n), n);
        merke(voll, FaltSchluessel(n), n);
        for (const QString& w : woerter(n))
            merke(wort, w, n);
    }
};

struct TSchuelerIndex {
    TNamenNach nachKlasseNameVorname;
    TNamenNach nachKlasseName;
    TNamenNach nachNummer;
    QHash<QString, QString> klasseVon; // entry key -> class
    /// Every entry of the day and of the import by folded name; built for the first wish.
    TNamenNach gefaltet;
    bool gefaltetFertig = false;
};

/// One record of a teacher or pupil file on its way into the day.
struct TSatz {
    const TGeleseneQuelle* q = nullptr;
    const TCsvZeile* z = nullptr;
    TDateiBericht* b = nullptr;
    TNamensTeile teile;
    /// The name the pattern gives.
    QString name;
    /// The short name or pupil number, case-folded; empty when the line has none.
    QString schluessel;
    QString schluesselText;
    /// The name it goes in under (made distinct from namesakes).
    QString endName;
};

QString dateiName(const TDateiBericht& b)
{
    return QFileInfo(b.Pfad).fileName();
}

/// Two lines without a telling key are one record when no part and no column holds two
/// different values: a repeated line, or one that leaves a field empty.
bool vertraeglich(const TSatz& a, const TSatz& b)
{
    for (auto it = a.teile.cbegin(); it != a.teile.cend(); ++it) {
        const QString anderer = b.teile.value(it.key());
        if (!it->isEmpty() && !anderer.isEmpty() && !Namen::Gleich(*it, anderer))
            return false;
    }
    if (a.q != b.q)
        return true;
    const QStringList& x = a.z->Felder;
    const QStringList& y = b.z->Felder;
    for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i) {
        const QString u = x[i].trimmed();
        const QString v = y[i].trimmed();
        if (!u.isEmpty() && !v.isEmpty() && !Namen::Gleich(u, v))
            return false;
    }
    return true;
}

/// A line's fields for finding an exact repetition, case-folded, trailing empty fields
/// dropped.
QString zeilenSchluessel(const TCsvZeile& z)
{
    // Built in one string, character by character: a line of a thousand columns would
    // otherwise cost three strings per field.
    QString k;
    qsizetype leerAb = 0; // the key's length before the trailing empty fields
    for (const QString& f : z.Felder) {
        qsizetype a = 0, e = f.size();
        while (a < e && f[a].isSpace())
            ++a;
        while (e > a && f[e - 1].isSpace())
            --e;
        for (qsizetype i = a; i < e; ++i)
            k += QChar(QChar::toCaseFolded(f[i].unicode()));
        k += QChar(0x1F);
        if (e > a)
            leerAb = k.size();
    }
    k.truncate(leerAb);
    return k;
}

/// Longer fields are no part of a name (a file that is one long line, say); the line is
/// refused before anything is copied from it.
constexpr qsizetype MaxNamensteil = 1000;

QString teil(const TGeleseneQuelle& q, const TCsvZeile& z, TFeld feld, bool& steuer)
{
    // Tabs and line breaks inside a field become single blanks: names are one line.
    const QString roh = q.Wert(z, feld);
    QString ohneUmbruch = roh;
    ohneUmbruch.remove(QLatin1Char('\t')).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    if (Steuerzeichen::Enthaelt(ohneUmbruch))
        steuer = true;
    return Steuerzeichen::DurchLeerzeichen(roh).simplified();
}

TNamensTeile teileAus(const TGeleseneQuelle& q, const TCsvZeile& z, bool& steuer, bool roh = false)
{
    auto t = [&](TFeld f) { return roh ? q.Wert(z, f) : teil(q, z, f, steuer); };
    return {{QStringLiteral("Nachname"), t(TFeld::Nachname)},     {QStringLiteral("Vorname"), t(TFeld::Vorname)},
            {QStringLiteral("Kürzel"), t(TFeld::Kuerzel)},        {QStringLiteral("Raum"), t(TFeld::Raum)},
            {QStringLiteral("Titel"), t(TFeld::Titel)},           {QStringLiteral("Klasse"), t(TFeld::Klasse)},
            {QStringLiteral("Schülernummer"), t(TFeld::Schuelernummer)}};
}

/// Checks and plans the names of a teacher or pupil file.
class TPlaner {
public:
    /// `mitWuenschen`: a wishes file follows, so the indexes for resolving them are built.
    TPlaner(const TSprechtag& tag, const TImportMuster& muster, TImportPlan& plan, bool mitWuenschen)
        : m_tag(tag), m_muster(muster), m_plan(plan), m_mitWuenschen(mitWuenschen),
          m_faecher(FachTabelleAusText(muster.Faecher))
    {
        // What earlier imports left with the day resolves wishes that arrive weeks later.
        for (const auto& e : tag.Lehrer) {
            if (m_mitWuenschen)
                m_lehrer.name(e.name);
            if (m_mitWuenschen && !e.record->Kuerzel.isEmpty())
                merke(m_lehrer.kuerzel, FaltSchluessel(e.record->Kuerzel), e.name);
        }
        for (const auto& e : tag.Eltern)
            if (m_mitWuenschen && !e.record->Schuelernummer.isEmpty())
                merke(m_schueler.nachNummer, ::Namen::Schluessel(e.record->Schuelernummer), e.name);
        for (const TUnterricht& u : tag.Unterricht) {
            m_unterrichtDa.insert(UnterrichtSchluessel(u));
            if (m_mitWuenschen)
                merke(m_unterricht, schluessel3(u.Klasse, FachSchluessel(u.Fach, m_faecher)), u.Kuerzel);
        }
    }

    void Namen(const QList<QPair<const TGeleseneQuelle*, TDateiBericht*>>& dateien, bool lehrer)
    {
        const QString muster = lehrer ? m_muster.Lehrer : m_muster.Eltern;
        QList<TSatz> saetze;
        QHash<QString, qsizetype> nachSchluessel;
        QHash<QString, qsizetype> nachZeile; // records without key by their whole line
        QHash<QString, QList<qsizetype>> nachName;
        for (const auto& [q, b] : dateien) {
            for (const TCsvZeile& z : q->Zeilen) {
                qsizetype laengster = 0;
                for (const TFeld f : {TFeld::Nachname, TFeld::Vorname, TFeld::Kuerzel, TFeld::Raum, TFeld::Titel,
                                      TFeld::Klasse, TFeld::Schuelernummer})
                    if (const int sp = SpalteVon(q->Zuordnung, f); sp >= 0 && sp < z.Felder.size())
                        laengster = std::max(laengster, z.Felder[sp].size());
                if (laengster > MaxNamensteil) {
                    ablehnen(*b, z.Zeile,
                             QStringLiteral("ein Feld des Namens ist %1 Zeichen lang, mehr als die %2, die ein Name "
                                            "haben kann")
                                 .arg(laengster)
                                 .arg(MaxNamensteil));
                    continue;
                }
                if (q->Wert(z, TFeld::Nachname).isEmpty() && (!lehrer || q->Wert(z, TFeld::Kuerzel).isEmpty())) {
                    ablehnen(*b, z.Zeile, QStringLiteral("kein Nachname"));
                    continue;
                }
                TSatz s;
                s.q = q;
                s.z = &z;
                s.b = b;
                bool steuer = false;
                s.teile = teileAus(*q, z, steuer);
                s.name = WendeMusterAn(muster, s.teile);
                if (steuer) {
                    bool egal = false;
                    b->Steuerzeichen.append(
                        {z.Zeile, Steuerzeichen::Sichtbar(WendeMusterAn(muster, teileAus(*q, z, egal, true))), s.name});
                }
                if (m_muster.Umschreiben) {
                    TNamensTeile umgeschrieben = s.teile;
                    bool anders = false;
                    for (QString& t : umgeschrieben) {
                        QString neu = InWindows1252(t).Text;
                        if (neu != t) {
                            t = std::move(neu);
                            anders = true;
                        }
                    }
                    const QString name = anders ? WendeMusterAn(muster, umgeschrieben) : s.name;
                    if (name != s.name) {
                        b->Umgeschrieben.append({z.Zeile, s.name, name});
                        s.teile = umgeschrieben;
                        s.name = name;
                    }
                }
                const TNeuerName pruefung = m_tag.PruefeName(s.name, lehrer);
                if (pruefung.fehler == TNamensFehler::Leer) {
                    ablehnen(*b, z.Zeile, QStringLiteral("kein Name (die Namensspalten sind leer)"));
                    continue;
                }
                if (pruefung.fehler == TNamensFehler::FremdesZeichen) {
                    ablehnen(*b, z.Zeile,
                             m_muster.Umschreiben
                                 ? QStringLiteral("„%1“ enthält das Zeichen %2, das sich nicht in lateinischen "
                                                  "Buchstaben schreiben lässt")
                                       .arg(s.name, Cp1252::ZeichenBeschreibung(pruefung.zeichen))
                                 : QStringLiteral("„%1“ enthält das Zeichen %2, das Kalumo nicht speichern kann "
                                                  "(„Namen umschreiben“ schreibt es mit ähnlichen Buchstaben)")
                                       .arg(s.name, Cp1252::ZeichenBeschreibung(pruefung.zeichen)));
                    continue;
                }
                s.schluesselText = s.teile.value(lehrer ? QStringLiteral("Kürzel") : QStringLiteral("Schülernummer"));
                s.schluessel = ::Namen::Schluessel(s.schluesselText);
                const QString nameSchluessel = ::Namen::Schluessel(s.name);

                qsizetype wie = -1;
                if (!s.schluessel.isEmpty())
                    wie = nachSchluessel.value(s.schluessel, -1);
                const QString ganzeZeile = nameSchluessel + QChar(0x1E) + zeilenSchluessel(z);
                if (wie < 0)
                    wie = nachZeile.value(ganzeZeile, -1);
                if (wie < 0) {
                    // Lines that only leave a field empty are compared one by one; a
                    // group of hundreds of namesakes is no school's, and the bound keeps
                    // a hostile file linear.
                    const QList<qsizetype> gruppe = nachName.value(nameSchluessel);
                    for (qsizetype k = 0; k < std::min<qsizetype>(gruppe.size(), 64); ++k) {
                        const TSatz& frueher = saetze[gruppe[k]];
                        if (!s.schluessel.isEmpty() && !frueher.schluessel.isEmpty())
                            continue; // both keys given, and they differ
                        if (vertraeglich(frueher, s)) {
                            wie = gruppe[k];
                            break;
                        }
                    }
                }
                if (wie >= 0) {
                    const TSatz& frueher = saetze[wie];
                    ++b->Doppelt;
                    const QString wo = frueher.b == b
                        ? QStringLiteral("Zeile %1").arg(frueher.z->Zeile)
                        : QStringLiteral("„%1“, Zeile %2").arg(dateiName(*frueher.b)).arg(frueher.z->Zeile);
                    QString grund = ::Namen::Gleich(frueher.name, s.name)
                        ? QStringLiteral("„%1“ steht schon in %2 und wird einmal übernommen").arg(s.name, wo)
                        : QStringLiteral("„%1“ hat %2 „%3“ wie „%4“ in %5 und wird nicht übernommen")
                              .arg(s.name, lehrer ? QStringLiteral("dasselbe Kürzel")
                                                  : QStringLiteral("dieselbe Schülernummer"),
                                   s.schluesselText, frueher.name, wo);
                    b->Probleme.append({z.Zeile, grund, true});
                    continue;
                }
                const qsizetype i = saetze.size();
                if (!s.schluessel.isEmpty())
                    nachSchluessel.insert(s.schluessel, i);
                else
                    nachZeile.insert(ganzeZeile, i);
                nachName[nameSchluessel].append(i);
                s.endName = s.name;
                saetze.append(std::move(s));
            }
        }

        unterscheide(saetze, nachName, muster);

        for (TSatz& s : saetze) {
            TDateiBericht& b = *s.b;
            QString kanonisch;
            const TNeuerName pruefung = m_tag.PruefeName(s.endName, lehrer);
            if (pruefung.fehler == TNamensFehler::Doppelt) {
                ++b.Vorhanden;
                kanonisch = lehrer ? m_tag.Lehrer.Name(m_tag.Lehrer.IndexVon(s.endName))
                                   : m_tag.Eltern.Name(m_tag.Eltern.IndexVon(s.endName));
            } else {
                ++b.Neu;
                kanonisch = s.endName;
                if (lehrer) {
                    m_plan.NeueLehrer.append(kanonisch);
                    if (m_mitWuenschen)
                        m_lehrer.name(kanonisch);
                } else {
                    m_plan.NeueEltern.append(kanonisch);
                    if (m_mitWuenschen)
                        m_neueEltern.insert(::Namen::Schluessel(kanonisch), kanonisch);
                }
            }
            if (!s.schluesselText.isEmpty()) {
                const TLehrer* l = lehrer ? m_tag.Lehrer.Suche(kanonisch) : nullptr;
                const TEltern* e = lehrer ? nullptr : m_tag.Eltern.Suche(kanonisch);
                const QString bisher = l ? l->Kuerzel : e ? e->Schuelernummer : QString();
                if (bisher != s.schluesselText)
                    (lehrer ? m_plan.NeueKuerzel : m_plan.NeueSchuelernummern).append({kanonisch, s.schluesselText});
            }
            if (!m_mitWuenschen)
                continue;
            const QString nach = s.teile.value(QStringLiteral("Nachname"));
            if (lehrer) {
                merke(m_lehrer.kuerzel, FaltSchluessel(s.teile.value(QStringLiteral("Kürzel"))), kanonisch);
                merke(m_lehrer.nachname, FaltSchluessel(nach), kanonisch);
            } else {
                const QString klasse = s.teile.value(QStringLiteral("Klasse"));
                merke(m_schueler.nachKlasseNameVorname,
                      schluessel3(klasse, nach, s.teile.value(QStringLiteral("Vorname"))), kanonisch);
                merke(m_schueler.nachKlasseName, schluessel3(klasse, nach), kanonisch);
                merke(m_schueler.nachNummer, s.schluessel, kanonisch);
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
                ablehnen(b, z.Zeile, QStringLiteral("Klasse, Lehrerkürzel oder Fach fehlt"));
                continue;
            }
            ++b.Unterrichte;
            for (const QString& k : klassen) {
                merke(m_unterricht, schluessel3(k.trimmed(), FachSchluessel(fach, m_faecher)), kuerzel);
                const TUnterricht u{k.trimmed(), kuerzel, fach};
                if (!m_unterrichtDa.contains(UnterrichtSchluessel(u))) {
                    m_unterrichtDa.insert(UnterrichtSchluessel(u));
                    m_plan.NeueUnterrichte.push_back(u);
                }
            }
        }
    }

    void Wuensche(const TGeleseneQuelle& q, TDateiBericht& b)
    {
        const QList<int> wunschSpalten = SpaltenVon(q.Zuordnung, TFeld::Wunsch);
        for (const TCsvZeile& z : q.Zeilen) {
            QString grund;
            const QString eintrag = findeEintrag(q, z, grund);
            if (eintrag.isEmpty()) {
                ablehnen(b, z.Zeile, grund);
                continue;
            }
            QString klasse = q.Wert(z, TFeld::Klasse);
            if (klasse.isEmpty())
                klasse = m_schueler.klasseVon.value(::Namen::Schluessel(eintrag));
            if (klasse.isEmpty() && eintrag.contains(QLatin1Char(':')))
                klasse = eintrag.section(QLatin1Char(':'), 0, 0).trimmed();

            TWunschZeile zeile;
            zeile.zeile = z.Zeile;
            zeile.klasse = klasse;
            for (const int s : wunschSpalten) {
                if (s >= z.Felder.size())
                    continue;
                for (const QString& stueck : stuecke(z.Felder[s]))
                    loeseAuf(stueck, zeile, b);
            }
            const QStringList wichtig = wichtigeWuensche(q, z, zeile, b);
            for (const QString& l : std::as_const(zeile.lehrer)) {
                const QString paar = ::Namen::Schluessel(eintrag) + QChar(0x1F) + ::Namen::Schluessel(l);
                // Marks count even for a wish another file named already.
                if (q.Quelle.Einladungen && !m_geplanteMarken.contains(QLatin1Char('E') + paar)) {
                    m_geplanteMarken.insert(QLatin1Char('E') + paar);
                    m_plan.Einladungen.append({eintrag, l});
                    ++b.Einladungen;
                } else if (!q.Quelle.Einladungen && wichtig.contains(l)
                           && !m_geplanteMarken.contains(QLatin1Char('V') + paar)) {
                    m_geplanteMarken.insert(QLatin1Char('V') + paar);
                    m_plan.Vorrang.append({eintrag, l});
                    ++b.Vorrang;
                }
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
    static void ablehnen(TDateiBericht& b, int zeile, const QString& grund)
    {
        ++b.Abgelehnt;
        b.Probleme.append({zeile, grund});
    }

    /// Namesakes with different keys keep apart: first name added, then the short name or
    /// pupil number, then a running number, whichever first gives every one of them a
    /// name of its own that no other record of the import has.
    void unterscheide(QList<TSatz>& saetze, const QHash<QString, QList<qsizetype>>& nachName, const QString& muster)
    {
        QSet<QString> vergeben;
        for (const TSatz& s : std::as_const(saetze))
            vergeben.insert(::Namen::Schluessel(s.name));
        const QString mitVorname = muster.contains(QLatin1String("{Vorname}"))
            ? muster
            : QString(muster).replace(QLatin1String("{Nachname}"), QLatin1String("{Nachname}, {Vorname}"));
        QSet<QString> erledigt;
        for (const TSatz& erster : std::as_const(saetze)) {
            const QString gruppenSchluessel = ::Namen::Schluessel(erster.name);
            const QList<qsizetype> gruppe = nachName.value(gruppenSchluessel);
            if (gruppe.size() < 2 || erledigt.contains(gruppenSchluessel))
                continue;
            erledigt.insert(gruppenSchluessel);
            for (int stufe = 1; stufe <= 3; ++stufe) {
                QStringList namen;
                bool moeglich = true;
                for (qsizetype n = 0; n < gruppe.size(); ++n) {
                    const TSatz& s = saetze[gruppe[n]];
                    QString name = WendeMusterAn(mitVorname, s.teile);
                    if (stufe == 2) {
                        if (s.schluesselText.isEmpty())
                            moeglich = false;
                        name += QStringLiteral(" (%1)").arg(s.schluesselText);
                    } else if (stufe == 3) {
                        name += QStringLiteral(" (%1)").arg(n + 1);
                    }
                    namen.append(name);
                }
                QSet<QString> eigene;
                for (const QString& n : std::as_const(namen)) {
                    const QString k = ::Namen::Schluessel(n);
                    if (eigene.contains(k) || (k != gruppenSchluessel && vergeben.contains(k)))
                        moeglich = false;
                    eigene.insert(k);
                }
                if (!moeglich && stufe < 3)
                    continue;
                for (qsizetype n = 0; n < gruppe.size(); ++n) {
                    TSatz& s = saetze[gruppe[n]];
                    s.endName = namen[n];
                    vergeben.insert(::Namen::Schluessel(namen[n]));
                    s.b->Namensgleiche.append({s.z->Zeile, s.name, s.endName});
                }
                break;
            }
        }
    }

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
    QString findeEintrag(const TGeleseneQuelle& q, const TCsvZeile& z, QString& grund)
    {
        const QString ganz = q.Wert(z, TFeld::Eintrag).simplified();
        const QString klasse = q.Wert(z, TFeld::Klasse);
        const QString nach = q.Wert(z, TFeld::Nachname);
        const QString vor = q.Wert(z, TFeld::Vorname);
        const QString nummer = q.Wert(z, TFeld::Schuelernummer);
        if (!ganz.isEmpty()) {
            QStringList mehrere;
            const QString e = eintragNamens(ganz, mehrere);
            if (e.isEmpty())
                grund = mehrere.isEmpty()
                    ? QStringLiteral("Eintrag „%1“ ist nicht in der Elternliste").arg(ganz)
                    : QStringLiteral("Eintrag „%1“ ist nicht eindeutig: %2").arg(ganz, liste(mehrere));
            return e;
        }
        if (!nummer.isEmpty())
            if (const QStringList l = m_schueler.nachNummer.value(::Namen::Schluessel(nummer)); l.size() == 1)
                return l.first();
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
                           {QStringLiteral("Vorname"), vor},
                           {QStringLiteral("Schülernummer"), nummer}};
        const QString name = WendeMusterAn(m_muster.Eltern, teile);
        QStringList mehrere;
        QString e = eintragNamens(name, mehrere);
        if (e.isEmpty() && mehrere.isEmpty() && klasse.isEmpty())
            e = eintragNamens(nach, mehrere);
        if (e.isEmpty())
            grund = mehrere.isEmpty()
                ? QStringLiteral("Schüler „%1“ ist nicht in der Elternliste").arg(name)
                : QStringLiteral("Schüler „%1“ ist nicht eindeutig: %2").arg(name, liste(mehrere));
        return e;
    }

    /// The entry of this name: exactly (ignoring case), else by the folded key; several
    /// entries under one folded key are returned in `mehrere`.
    QString eintragNamens(const QString& name, QStringList& mehrere)
    {
        const qsizetype i = m_tag.Eltern.IndexVon(name);
        if (i >= 0)
            return m_tag.Eltern.Name(i);
        if (const auto it = m_neueEltern.constFind(::Namen::Schluessel(name)); it != m_neueEltern.cend())
            return *it;
        if (!m_schueler.gefaltetFertig) {
            for (const auto& e : m_tag.Eltern)
                merke(m_schueler.gefaltet, FaltSchluessel(e.name), e.name);
            for (const QString& n : std::as_const(m_plan.NeueEltern))
                merke(m_schueler.gefaltet, FaltSchluessel(n), n);
            m_schueler.gefaltetFertig = true;
        }
        const QStringList l = m_schueler.gefaltet.value(FaltSchluessel(name));
        if (l.size() == 1)
            return l.first();
        mehrere = l;
        return {};
    }

    /// The teachers a text names, by the rules in order; the first rule that finds any
    /// decides (several then mean the wish is ambiguous).
    QStringList kandidaten(const QString& text, const QString& klasse) const
    {
        if (const auto it = m_lehrer.genau.constFind(::Namen::Schluessel(text)); it != m_lehrer.genau.cend())
            return {*it};
        // "Frau Weber", "Herr Dr. WEB": the salutation is part of the name, not of the key.
        QStringList ohneTitel = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ohneTitel.removeIf(istTitel);
        for (const QString& t : {text, ohneTitel.join(QLatin1Char(' '))}) {
            const QString s = FaltSchluessel(t);
            if (s.isEmpty())
                continue;
            if (const QStringList l = m_lehrer.voll.value(s); !l.isEmpty())
                return l;
            if (const QStringList l = m_lehrer.kuerzel.value(s); !l.isEmpty())
                return l;
            if (const QStringList l = m_lehrer.nachname.value(s); !l.isEmpty())
                return l;
        }
        if (!klasse.isEmpty()) {
            QStringList l;
            for (const QString& kuerzel : m_unterricht.value(schluessel3(klasse, FachSchluessel(text, m_faecher)))) {
                QStringList durch = m_lehrer.kuerzel.value(FaltSchluessel(kuerzel));
                // A day typed by hand keeps short names inside the record names.
                if (durch.isEmpty())
                    durch = m_lehrer.wort.value(FaltSchluessel(kuerzel));
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
        w.removeIf(istTitel);
        if (w.isEmpty())
            return {};
        QStringList l = m_lehrer.wort.value(w.first());
        for (qsizetype i = 1; i < w.size() && !l.isEmpty(); ++i) {
            const QStringList mitListe = m_lehrer.wort.value(w[i]);
            const QSet<QString> mit(mitListe.cbegin(), mitListe.cend());
            l.removeIf([&](const QString& n) { return !mit.contains(n); });
        }
        return l;
    }

    /// What one line of a wishes file has resolved so far.
    struct TWunschZeile {
        int zeile = 0;
        QString klasse;
        QStringList lehrer;
        QSet<QString> gefunden;
        QSet<QString> offen;
    };

    void loeseAuf(const QString& stueck, TWunschZeile& zeile, TDateiBericht& b) const
    {
        const QString& klasse = zeile.klasse;
        auto nimm = [&](const QString& text) {
            const QStringList k = kandidaten(text, klasse);
            if (k.size() == 1 && !zeile.gefunden.contains(k.first())) {
                zeile.gefunden.insert(k.first());
                zeile.lehrer.append(k.first());
            }
            return k;
        };
        auto melde = [&](const QString& text, const QStringList& k) {
            // The same word twice in one line is one unresolved wish.
            const QString f = FaltSchluessel(text);
            if (zeile.offen.contains(f))
                return;
            zeile.offen.insert(f);
            b.Offen.append({zeile.zeile, text, k, klasse});
        };
        const QStringList ganz = nimm(stueck);
        if (ganz.size() == 1)
            return;
        if (ganz.size() > 1) {
            melde(stueck, ganz);
            return;
        }
        // Split at blanks; a title or salutation goes with the word after it.
        QStringList teile;
        QString titel;
        for (const QString& wort : stueck.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (istTitel(wort)) {
                titel += wort + QLatin1Char(' ');
                continue;
            }
            teile.append(titel + wort);
            titel.clear();
        }
        if (teile.isEmpty())
            return; // "Herr", "Frau Dr." alone name nobody
        if (!titel.isEmpty())
            teile.last() += QLatin1Char(' ') + titel.trimmed();
        if (teile.size() == 1) {
            melde(stueck, ganz);
            return;
        }
        for (const QString& teil : std::as_const(teile)) {
            const QStringList k = nimm(teil);
            if (k.size() != 1)
                melde(teil, k);
        }
    }

    /// The wishes of a line the parents marked most important: all of them for a mark
    /// such as "x" or "ja" in the priority column, the teacher it names otherwise, or the
    /// first wish when the option says so.
    QStringList wichtigeWuensche(const TGeleseneQuelle& q, const TCsvZeile& z, const TWunschZeile& zeile,
                                 TDateiBericht& b) const
    {
        if (q.Quelle.Einladungen || zeile.lehrer.isEmpty())
            return {};
        const QString wert = q.Wert(z, TFeld::Prioritaet);
        const QString f = wert.toLower();
        static const QStringList nein = {u"nein"_qs, u"0"_qs, u"-"_qs, u"n"_qs, u"falsch"_qs, u"normal"_qs};
        static const QStringList ja = {u"x"_qs, u"ja"_qs, u"j"_qs, u"1"_qs, u"*"_qs, u"wahr"_qs, u"wichtig"_qs, u"hoch"_qs, u"vorrang"_qs};
        if (!wert.isEmpty() && !nein.contains(f)) {
            if (ja.contains(f))
                return zeile.lehrer;
            TWunschZeile benannt;
            benannt.zeile = zeile.zeile;
            benannt.klasse = zeile.klasse;
            TDateiBericht still;
            loeseAuf(wert, benannt, still);
            QStringList r;
            for (const QString& l : std::as_const(benannt.lehrer))
                if (zeile.lehrer.contains(l))
                    r.append(l);
            // A mark that names none of the line's wishes is reported like a wish that
            // names no teacher; the wishes stay normal.
            if (r.isEmpty())
                b.Offen.append({zeile.zeile, wert, {}, zeile.klasse});
            return r;
        }
        if (m_muster.ErsterWunschVorrang)
            return {zeile.lehrer.first()};
        return {};
    }

    const TSprechtag& m_tag;
    const TImportMuster& m_muster;
    TImportPlan& m_plan;
    const bool m_mitWuenschen;
    const TFachTabelle m_faecher;
    TLehrerIndex m_lehrer;
    TSchuelerIndex m_schueler;
    TNamenNach m_unterricht; // class + subject -> short names
    QSet<QString> m_unterrichtDa; // lessons of the day and of this import, each once
    QHash<QString, QString> m_neueEltern;
    QSet<QString> m_geplanteWuensche;
    QSet<QString> m_geplanteMarken;
};

} // namespace

QString NameAusZeile(const TGeleseneQuelle& q, const TCsvZeile& z, const QString& muster)
{
    bool steuer = false;
    return WendeMusterAn(muster, teileAus(q, z, steuer));
}

bool TImportPlan::MachtPlaeneUngueltig(const TSprechtag& tag) const
{
    return tag.PlaeneGueltig && !NeueWuensche.isEmpty();
}

TImportPlan PlaneImport(const TSprechtag& tag, const QList<TGeleseneQuelle>& quellen, const TImportMuster& muster)
{
    TImportPlan plan;
    const bool mitWuenschen = std::any_of(quellen.cbegin(), quellen.cend(), [](const TGeleseneQuelle& q) {
        return q.ok() && q.Quelle.Art == TQuellArt::Wuensche;
    });
    TPlaner planer(tag, muster, plan, mitWuenschen);
    for (const TQuellArt art : AlleArten) {
        const qsizetype erster = plan.Berichte.size();
        QList<const TGeleseneQuelle*> dateien;
        for (const TGeleseneQuelle& q : quellen) {
            if (!q.ok() || q.Quelle.Art != art)
                continue;
            TDateiBericht b;
            b.Art = art;
            b.Pfad = q.Quelle.Pfad;
            b.EinladungsDatei = q.Quelle.Einladungen;
            plan.Berichte.append(b);
            dateien.append(&q);
        }
        // Namesakes and repeated records are found across all files of one kind.
        QList<QPair<const TGeleseneQuelle*, TDateiBericht*>> paare;
        for (qsizetype i = 0; i < dateien.size(); ++i)
            paare.append({dateien[i], &plan.Berichte[erster + i]});
        switch (art) {
        case TQuellArt::Lehrer:
        case TQuellArt::Schueler:
            if (!paare.isEmpty())
                planer.Namen(paare, art == TQuellArt::Lehrer);
            break;
        case TQuellArt::Unterricht:
            for (const auto& [q, b] : paare)
                planer.Unterricht(*q, *b);
            break;
        case TQuellArt::Wuensche:
            for (const auto& [q, b] : paare)
                planer.Wuensche(*q, *b);
            break;
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
    // In the lists' own order every insertion lands at or near the end: twenty thousand
    // pupils in file order would move half the list each time.
    QStringList lehrer = plan.NeueLehrer;
    QStringList eltern = plan.NeueEltern;
    ::Namen::SortiereStabil(lehrer);
    ::Namen::SortiereStabil(eltern);
    for (const QString& n : std::as_const(lehrer))
        tag.LehrerUebernehmen(n);
    for (const QString& n : std::as_const(eltern))
        tag.ElternUebernehmen(n);
    for (const auto& [eltern, lehrer] : plan.NeueWuensche)
        if (TEltern* e = tag.Eltern.Suche(eltern))
            e->Sprechwuensche.append(lehrer);
    for (const auto& [name, kuerzel] : plan.NeueKuerzel)
        if (TLehrer* l = tag.Lehrer.Suche(name))
            l->Kuerzel = kuerzel;
    for (const auto& [name, nummer] : plan.NeueSchuelernummern)
        if (TEltern* e = tag.Eltern.Suche(name))
            e->Schuelernummer = nummer;
    tag.Unterricht.insert(tag.Unterricht.end(), plan.NeueUnterrichte.begin(), plan.NeueUnterrichte.end());
    // The requests are there now: the marks go on them (an invitation outranks "Vorrang").
    QSet<TEltern*> markiert;
    for (const auto* marken : {&plan.Einladungen, &plan.Vorrang})
        for (const auto& [eltern, lehrer] : *marken)
            if (TEltern* e = tag.Eltern.Suche(eltern)) {
                QStringList& liste = marken == &plan.Einladungen ? e->Einladungen : e->Vorrang;
                if (!liste.contains(lehrer)) {
                    if (!e->Sprechwuensche.contains(lehrer) && marken == &plan.Einladungen)
                        e->Sprechwuensche.append(lehrer);
                    liste.append(lehrer);
                    markiert.insert(e);
                }
            }
    for (TEltern* e : std::as_const(markiert))
        MarkenAbgleichen(*e);
    tag.Geaendert();
}

namespace {

QString zeilenListe(const QList<int>& zeilen)
{
    QStringList z;
    for (const int n : zeilen)
        z.append(QString::number(n));
    return (zeilen.size() == 1 ? QStringLiteral("1 Zeile: ") : QStringLiteral("%1 Zeilen: ").arg(zeilen.size()))
        + z.join(QStringLiteral(", "));
}

/// Unresolved wishes of one file, one line per failing word (and its candidates), so
/// that a misspelling is fixed once.
QStringList offeneGruppen(const TDateiBericht& b)
{
    struct TGruppe {
        QString text;
        QStringList kandidaten;
        QStringList klassen;
        QList<int> zeilen;
    };
    QList<TGruppe> gruppen;
    QHash<QString, qsizetype> index;
    for (const TOffenerWunsch& o : b.Offen) {
        const QString schluessel = FaltSchluessel(o.Text) + QChar(0x1F) + o.Kandidaten.join(QChar(0x1F));
        auto it = index.constFind(schluessel);
        if (it == index.cend()) {
            it = index.insert(schluessel, gruppen.size());
            gruppen.append({o.Text, o.Kandidaten, {}, {}});
        }
        TGruppe& g = gruppen[*it];
        g.zeilen.append(o.Zeile);
        if (!o.Klasse.isEmpty() && !g.klassen.contains(o.Klasse))
            g.klassen.append(o.Klasse);
    }
    QStringList zeilen;
    for (const TGruppe& g : std::as_const(gruppen)) {
        QString grund;
        if (!g.kandidaten.isEmpty())
            grund = QStringLiteral("passt zu mehreren Lehrkräften: %1").arg(liste(g.kandidaten));
        else if (g.klassen.isEmpty())
            grund = QStringLiteral("passt zu keiner Lehrkraft");
        else
            grund = QStringLiteral("passt zu keiner Lehrkraft und zu keinem Fach der %1 %2")
                        .arg(g.klassen.size() == 1 ? QStringLiteral("Klasse") : QStringLiteral("Klassen"),
                             g.klassen.join(QStringLiteral(", ")));
        zeilen.append(QStringLiteral("„%1“ %2 – %3").arg(g.text, grund, zeilenListe(g.zeilen)));
    }
    return zeilen;
}

} // namespace

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
        case TQuellArt::Schueler: {
            QString z = QStringLiteral("  Neu: %1, schon vorhanden: %2, doppelt in der Datei: %3, abgelehnt: %4")
                            .arg(b.Neu)
                            .arg(b.Vorhanden)
                            .arg(b.Doppelt)
                            .arg(b.Abgelehnt);
            if (!b.Namensgleiche.isEmpty())
                z += QStringLiteral(", Namensgleiche: %1").arg(b.Namensgleiche.size());
            if (!b.Umgeschrieben.isEmpty())
                z += QStringLiteral(", umgeschrieben: %1").arg(b.Umgeschrieben.size());
            if (!b.Steuerzeichen.isEmpty())
                z += QStringLiteral(", mit Steuerzeichen: %1").arg(b.Steuerzeichen.size());
            zeile(z);
            break;
        }
        case TQuellArt::Unterricht:
            zeile(QStringLiteral("  Unterrichte: %1, abgelehnt: %2").arg(b.Unterrichte).arg(b.Abgelehnt));
            break;
        case TQuellArt::Wuensche:
            zeile(QStringLiteral("  Sprechwünsche neu: %1, schon vorhanden: %2, nicht zugeordnet: %3, "
                                 "Zeilen abgelehnt: %4")
                      .arg(b.WuenscheNeu)
                      .arg(b.WuenscheVorhanden)
                      .arg(b.WuenscheOffen())
                      .arg(b.Abgelehnt));
            if (b.EinladungsDatei)
                zeile(QStringLiteral("  Einladungen: %1").arg(b.Einladungen));
            else if (b.Vorrang > 0)
                zeile(QStringLiteral("  Wünsche mit Vorrang: %1").arg(b.Vorrang));
            break;
        }
    }

    // Each list under its own heading, so that every count above has its lines here.
    auto abschnitt = [&](const QString& kopf, auto&& zeilenVon) {
        bool erste = true;
        for (const TDateiBericht& b : plan.Berichte) {
            for (const QString& z : zeilenVon(b)) {
                if (erste) {
                    zeile(kopf);
                    erste = false;
                }
                zeile(QStringLiteral("  %1, %2").arg(dateiName(b), z));
            }
        }
    };
    auto probleme = [](bool doppelt) {
        return [doppelt](const TDateiBericht& b) {
            QStringList l;
            for (const TProblem& p : b.Probleme)
                if (p.Doppelt == doppelt)
                    l.append(QStringLiteral("Zeile %1: %2").arg(p.Zeile).arg(p.Grund));
            return l;
        };
    };
    auto aenderungen = [](QList<TNamensAenderung> TDateiBericht::*liste) {
        return [liste](const TDateiBericht& b) {
            QStringList l;
            for (const TNamensAenderung& a : b.*liste)
                l.append(QStringLiteral("Zeile %1: %2 → %3").arg(a.Zeile).arg(a.Vorher, a.Nachher));
            return l;
        };
    };
    abschnitt(QStringLiteral("Abgelehnte Zeilen:"), probleme(false));
    abschnitt(QStringLiteral("Doppelte Zeilen (einmal übernommen):"), probleme(true));
    abschnitt(QStringLiteral("Namensgleiche (verschiedene Personen, Namen ergänzt):"),
              aenderungen(&TDateiBericht::Namensgleiche));
    abschnitt(QStringLiteral("Umgeschriebene Namen:"), aenderungen(&TDateiBericht::Umgeschrieben));
    abschnitt(QStringLiteral("Steuerzeichen durch Leerzeichen ersetzt:"), aenderungen(&TDateiBericht::Steuerzeichen));
    abschnitt(QStringLiteral("Nicht zugeordnete Wünsche:"), offeneGruppen);
    return t;
}

} // namespace Schuldaten
