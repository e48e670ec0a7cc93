#include "tuerschrift.h"

#include "plandrucker.h"

#include <QFontMetricsF>
#include <QHash>

TTuerSchriftArt TuerSchriftArt(TTuerText::Schrift s)
{
    using S = TTuerText::Schrift;
    switch (s) {
    case S::Name:
        // Larger than on the plans: the door is read from a few steps away.
        return {&TPlanDrucker::SchmalesMuster, 17.0, true};
    case S::Kopf:
    case S::Spaltenkopf:
        return {&TPlanDrucker::BreitesMuster, 11.2, true};
    case S::Zeit:
        return {&TPlanDrucker::BreitesMuster, 11.2, true};
    case S::Zeile:
        return {&TPlanDrucker::BreitesMuster, 11.2, false};
    case S::Stand:
        return {&TPlanDrucker::BreitesMuster, 9.0, false};
    case S::Fuss:
        return {&TPlanDrucker::FussnotenMuster, 5.0, false};
    }
    return {&TPlanDrucker::BreitesMuster, 11.2, false};
}

QFont TuerGrundschrift()
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    f.setStyleHint(QFont::SansSerif);
    f.setKerning(false);
    return f;
}

double TuerTextBreiteMm(const QString& text, TTuerText::Schrift s)
{
    // Measured against the sample at a large size: the ratio is what the printer's fitted
    // size keeps (its whole point size only makes the text a little narrower).
    const TTuerSchriftArt art = TuerSchriftArt(s);
    QFont f = TuerGrundschrift();
    f.setBold(art.fett);
    f.setPointSize(100);
    const QFontMetricsF m(f);
    const qreal muster = m.horizontalAdvance(*art.muster);
    if (muster <= 0)
        return 0;
    return m.horizontalAdvance(text) / muster * art.breiteCm * 10.0;
}
