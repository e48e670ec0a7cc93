#include "planlayout.h"

#include <algorithm>

namespace PlanLayout {

TKasten A4Kasten()
{
    // 0.02 of 25.7 cm: 0.514 cm rows, 50 of them down to the frame, 49 down to the
    // footnote 0.3 cm above it.
    return TKasten{2.0, 2.0, 17.0, 25.7, 0.02, 50, 49, 6, false};
}

TKasten A6Kasten(int viertel)
{
    const int v = ((viertel % 4) + 4) % 4;
    const double x0 = (v % 2 == 0) ? 1.0 : 11.5;
    const double y0 = (v < 2) ? 1.8 : 16.65;
    // 0.035 of 11.25 cm: 0.39375 cm rows, 28 whole rows inside the frame, 27 above the
    // footnote.
    return TKasten{x0, y0, 8.5, 11.25, 0.035, 28, 27, 5, true};
}

int ErsteTextzeile(bool a6)
{
    // A6: name at 4.5, school at 6, headline at 7, body from 9.
    // A4: name at 6, school at 8, headline at 9, body from 11.
    return a6 ? 9 : 11;
}

QString FortsetzungsName(const QString& name)
{
    return name + QStringLiteral(" (Forts.)");
}

std::vector<TBox> Verteile(int n, bool mitEinleitung, int einleitung, bool a6, bool fussnote)
{
    const TKasten k = a6 ? A6Kasten(0) : A4Kasten();
    // The footnote shares the left side with the first column; the second column may
    // run down to the frame.
    const int grenzeLinks = fussnote ? k.FussGrenze : k.Grenze;
    const int grenzeRechts = k.Grenze;
    const int start = ErsteTextzeile(a6);
    std::vector<TBox> boxen;
    boxen.emplace_back();

    int zeile = start;
    auto neueBox = [&] {
        boxen.emplace_back();
        boxen.back().fortsetzung = true;
        zeile = start;
    };

    if (mitEinleitung) {
        for (int i = 0; i < einleitung; ++i) {
            if (zeile + 1 > grenzeLinks)
                neueBox();
            boxen.back().eintraege.push_back({TEintrag::Art::Einleitung, i, 0, double(zeile)});
            ++zeile;
        }
        // The heading takes two rows and sits in the lower half of the first.
        if (zeile + 2 > grenzeLinks && zeile > start)
            neueBox();
        boxen.back().eintraege.push_back({TEintrag::Art::Ueberschrift, 0, 0, zeile + 0.5});
        zeile += 2;
    }

    int i = 0;
    while (i < n) {
        if (grenzeLinks - zeile <= 0)
            neueBox();
        const int platz = grenzeLinks - zeile; // rows left in the first column
        const int platzRechts = grenzeRechts - zeile;
        const int rest = n - i;
        auto& e = boxen.back().eintraege;
        if (!a6 && rest >= ZweiSpaltenAb) {
            const int s = rest / 2 + 1;
            const int links = std::min(s, platz);
            const int rechts = s <= platz ? rest - s : std::min(rest - links, platzRechts);
            for (int j = 0; j < links; ++j)
                e.push_back({TEintrag::Art::Planzeile, i + j, 0, double(zeile + j)});
            for (int j = 0; j < rechts; ++j)
                e.push_back({TEintrag::Art::Planzeile, i + links + j, 1, double(zeile + j)});
            i += links + rechts;
        } else {
            const int anzahl = std::min(rest, platz);
            for (int j = 0; j < anzahl; ++j)
                e.push_back({TEintrag::Art::Planzeile, i + j, 0, double(zeile + j)});
            i += anzahl;
        }
        if (i < n)
            neueBox();
    }
    return boxen;
}

} // namespace PlanLayout
