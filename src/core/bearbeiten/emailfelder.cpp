#include "bearbeiten/emailfelder.h"

#include "model/sprechtag.h"
#include "versand/adresse.h"

namespace {

// Only blanks are trimmed: a tab or line break inside the text must reach the check,
// which refuses it, instead of being cut off unnoticed.
QString OhneLeerzeichen(const QString& text)
{
    qsizetype a = 0;
    qsizetype e = text.size();
    while (a < e && text[a] == u' ')
        ++a;
    while (e > a && text[e - 1] == u' ')
        --e;
    return text.mid(a, e - a);
}

QString Pruefe(const QString& adresse, const QString& feld)
{
    return adresse.isEmpty() ? QString() : Versand::PruefeAdresse(adresse, feld);
}

bool Uebernimm(TSprechtag& tag, QStringList& gespeichert, const QStringList& neu, const QString& wer)
{
    if (neu == gespeichert)
        return false;
    gespeichert = neu;
    tag.Geaendert(QStringLiteral("E-Mail-Adresse von „%1“ ändern").arg(wer));
    return true;
}

} // namespace

TEMailEingabe LehrerEMailSetzen(TSprechtag& tag, const QString& lehrer, const QString& text)
{
    TLehrer* l = tag.Lehrer.Suche(lehrer);
    if (!l)
        return {};
    const QString adresse = OhneLeerzeichen(text);
    if (const QString f = Pruefe(adresse, LehrerEMailFeld); !f.isEmpty())
        return {false, f};
    Uebernimm(tag, l->EMail, adresse.isEmpty() ? QStringList() : QStringList{adresse}, lehrer);
    return {};
}

TEMailEingabe ElternEMailSetzen(TSprechtag& tag, const QString& eltern, const QString& bisher, const QString& text,
                                const QString& feld)
{
    TEltern* e = tag.Eltern.Suche(eltern);
    if (!e)
        return {};
    const QString adresse = OhneLeerzeichen(text);
    if (const QString f = Pruefe(adresse, feld); !f.isEmpty())
        return {false, f};
    QStringList neu = e->EMail;
    const qsizetype stelle = bisher.isEmpty() ? -1 : neu.indexOf(bisher);
    // The same address twice would only mean the same mail twice.
    const bool schonDa = !adresse.isEmpty() && neu.contains(adresse, Qt::CaseInsensitive)
                         && (stelle < 0 || neu[stelle].compare(adresse, Qt::CaseInsensitive) != 0);
    if (stelle >= 0) {
        if (adresse.isEmpty() || schonDa)
            neu.removeAt(stelle);
        else
            neu[stelle] = adresse;
    } else if (!adresse.isEmpty() && !schonDa) {
        neu.append(adresse);
    }
    if (const QString f = Versand::PruefeAdressen(neu, 2, feld); !f.isEmpty())
        return {false, f};
    Uebernimm(tag, e->EMail, neu, eltern);
    return {};
}

QString EMailAnzeige(const QStringList& adressen, int nummer)
{
    return nummer >= 0 && nummer < adressen.size() ? adressen[nummer] : QString();
}
