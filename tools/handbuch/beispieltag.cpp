#include "beispieltag.h"

#include "bearbeiten/emailfelder.h"
#include "bearbeiten/vorrang.h"
#include "model/sprechtag.h"

#include <QRegularExpression>

namespace Beispieltag {
namespace {

// "7b: Ahornbrink, Anke" -> "ahornbrink.anke"; "Dr. Kümmelhorst (A12)" -> "kuemmelhorst".
QString Lokalteil(QString name)
{
    if (const qsizetype doppelpunkt = name.indexOf(u':'); doppelpunkt >= 0)
        name = name.mid(doppelpunkt + 1);
    if (const qsizetype klammer = name.indexOf(u'('); klammer >= 0)
        name = name.left(klammer);
    name.remove(QStringLiteral("Dr. "));
    name = name.toLower();
    const std::pair<QChar, const char*> ersatz[] = {{u'ä', "ae"}, {u'ö', "oe"}, {u'ü', "ue"}, {u'ß', "ss"}};
    for (const auto& [zeichen, text] : ersatz)
        name.replace(zeichen, QString::fromLatin1(text));
    QString teil;
    for (const QString& wort : name.split(QRegularExpression(QStringLiteral("[^a-z]+")), Qt::SkipEmptyParts))
        teil += (teil.isEmpty() ? QString() : QStringLiteral(".")) + wort;
    return teil;
}

} // namespace

void Ergaenze(TSprechtag& tag)
{
    const QStringList lehrer = tag.Lehrer.Namen();
    const QStringList eltern = tag.Eltern.Namen();
    if (lehrer.size() <= EinladendeLehrkraft || eltern.size() <= ElternMitMarken)
        return;

    // The teacher invites two families who asked anyway and one who did not.
    const QString einladend = lehrer.at(EinladendeLehrkraft);
    QStringList eingeladen;
    QString ohneWunsch;
    for (const QString& e : eltern) {
        const bool fragt = tag.Eltern.Suche(e)->Sprechwuensche.contains(einladend, Qt::CaseInsensitive);
        if (fragt && eingeladen.size() < 2)
            eingeladen << e;
        else if (!fragt && ohneWunsch.isEmpty() && e != eltern.at(ElternMitMarken))
            ohneWunsch = e;
    }
    if (!ohneWunsch.isEmpty())
        eingeladen << ohneWunsch;
    EinladungenSpeichern(tag, einladend, eingeladen);

    // The family's first request matters most to the parents; its second teacher invites.
    const QString mitMarken = eltern.at(ElternMitMarken);
    const QStringList wuensche = tag.Eltern.Suche(mitMarken)->Sprechwuensche;
    if (!wuensche.isEmpty())
        PrioritaetSetzen(tag, mitMarken, wuensche.at(0), TPrioritaet::Vorrang);
    if (wuensche.size() > 1)
        PrioritaetSetzen(tag, mitMarken, wuensche.at(1), TPrioritaet::Einladung);

    for (const QString& l : lehrer)
        LehrerEMailSetzen(tag, l, Lokalteil(l) + QStringLiteral("@schule.example.org"));
    // Some families gave no address: the send dialog lists them apart.
    for (qsizetype i = 0; i < eltern.size(); ++i)
        if (i % 9 != 5)
            ElternEMailSetzen(tag, eltern.at(i), QString(), Lokalteil(eltern.at(i)) + QStringLiteral("@example.org"),
                              ElternEMailFeld1);
}

} // namespace Beispieltag
