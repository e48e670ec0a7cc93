#include "schuldaten/faecher.h"

#include "schuldaten/felder.h"

#include <QHash>
#include <QRegularExpression>

namespace Schuldaten {
namespace {

const QHash<QString, QString>& tabelle()
{
    // Abbreviations German schools commonly use. Where two subjects share a letter in
    // practice (S for Spanisch or Sport) the lesson file's own text still matches exactly.
    static const QHash<QString, QString> t = [] {
        const struct {
            const char16_t* name;
            std::initializer_list<const char16_t*> kurz;
        } faecher[] = {
            {u"deutsch", {u"d", u"de", u"deu"}},
            {u"mathematik", {u"m", u"ma", u"mat", u"mathe"}},
            {u"englisch", {u"e", u"en", u"eng"}},
            {u"franzoesisch", {u"f", u"fr", u"frz"}},
            {u"latein", {u"l", u"la", u"lat"}},
            {u"spanisch", {u"s", u"sn", u"spa"}},
            {u"italienisch", {u"i", u"it", u"ita"}},
            {u"russisch", {u"ru", u"rus"}},
            {u"griechisch", {u"gr", u"grie"}},
            {u"biologie", {u"bi", u"bio"}},
            {u"chemie", {u"c", u"ch", u"che"}},
            {u"physik", {u"ph", u"phy"}},
            {u"geschichte", {u"g", u"ge", u"ges", u"gs"}},
            {u"erdkunde", {u"ek", u"erd", u"geographie", u"geografie", u"geo"}},
            // One subject family in practice: a lesson "SoWi" answers a wish "Politik".
            {u"politik",
             {u"po", u"pol", u"pk", u"powi", u"politikwirtschaft", u"sowi", u"sw", u"sozialwissenschaften",
              u"sozialwissenschaft", u"sozialkunde", u"sk"}},
            {u"wirtschaft", {u"wi", u"wirt"}},
            {u"kunst", {u"ku", u"bk"}},
            {u"musik", {u"mu", u"mus"}},
            {u"sport", {u"sp", u"spo"}},
            {u"religion", {u"re", u"rel", u"reli"}},
            {u"evangelischereligion",
             {u"er", u"ev", u"evr", u"evrel", u"evreligion", u"evangelisch", u"evangelischreligion", u"religionev",
              u"religionevangelisch"}},
            {u"katholischereligion",
             {u"kr", u"kath", u"rk", u"kathrel", u"kathreligion", u"katreligion", u"rkreligion", u"katholisch",
              u"katholischreligion", u"religionkath", u"religionkatholisch"}},
            {u"ethik", {u"et", u"eth"}},
            {u"philosophie", {u"pl", u"phil", u"pp"}},
            {u"informatik", {u"if", u"inf", u"info"}},
            {u"technik", {u"te", u"tc"}},
            {u"darstellendesspiel", {u"ds"}},
        };
        QHash<QString, QString> h;
        for (const auto& f : faecher) {
            const QString name = QString::fromUtf16(f.name);
            h.insert(name, name);
            for (const char16_t* k : f.kurz)
                h.insert(QString::fromUtf16(k), name);
        }
        return h;
    }();
    return t;
}

} // namespace

TFachTabelle FachTabelleAusText(const QString& text, QString* fehler)
{
    TFachTabelle t;
    static const QRegularExpression trenner(QStringLiteral("[;,\\n\\r]"));
    for (const QString& roh : text.split(trenner, Qt::SkipEmptyParts)) {
        const QString eintrag = roh.trimmed();
        if (eintrag.isEmpty())
            continue;
        const qsizetype gleich = eintrag.indexOf(QLatin1Char('='));
        const QString kurz = gleich < 0 ? QString() : Falte(eintrag.left(gleich).trimmed());
        const QString lang = gleich < 0 ? QString() : eintrag.mid(gleich + 1).trimmed();
        if (kurz.isEmpty() || lang.isEmpty()) {
            if (fehler)
                *fehler = QStringLiteral("Der Eintrag „%1“ der Fachkürzel hat nicht die Form „Kürzel=Fach“ "
                                         "(etwa „PK=Politik“).")
                              .arg(eintrag);
            return t;
        }
        // Through the built-in table, so that "Sw=Sozialwissenschaften" joins its family.
        t.insert(kurz, FachSchluessel(lang));
    }
    return t;
}

QString FachSchluessel(const QString& fach, const TFachTabelle& eigene)
{
    const QString f = Falte(fach.trimmed());
    if (const auto it = eigene.constFind(f); it != eigene.cend())
        return *it;
    return tabelle().value(f, f);
}

} // namespace Schuldaten
