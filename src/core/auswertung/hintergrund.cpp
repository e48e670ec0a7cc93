#include "auswertung/hintergrund.h"

#include "berechnung/statistik.h"
#include "optimierung/gruende.h"
#include "optimierung/optimierer.h"
#include "optimierung/schranke.h"

#include <QPromise>
#include <QThreadPool>
#include <memory>

TPlanAuswertung WertePlaeneAus(const TSprechtag& tag)
{
    const bool optimierbar = OptimierungsHindernis(tag).isEmpty();
    return {BerechnePlanKennzahlen(tag), ErklaereNichtErfuellte(tag), optimierbar ? TerminSchranke(tag) : -1};
}

QFuture<TPlanAuswertung> WerteImHintergrundAus(TSprechtag& tag, std::optional<TStatistikTexte> texte)
{
    struct Auftrag {
        std::unique_ptr<TSprechtag> abbild;
        std::optional<TStatistikTexte> texte;
        QPromise<TStatistikTexte> statistik;
        QPromise<TPlanAuswertung> auswertung;
    };
    // Shared, because the pool takes a copyable function; the job owns everything it reads.
    auto a = std::make_shared<Auftrag>();
    a->abbild = tag.Abbild();
    a->texte = std::move(texte);
    a->auswertung.start();
    if (a->texte) {
        a->statistik.start();
        tag.StatistikSpaeter(a->statistik.future());
    }
    QFuture<TPlanAuswertung> ergebnis = a->auswertung.future();

    QThreadPool::globalInstance()->start([a] {
        // The stored texts first: saving waits for them, not for the window's figures.
        if (a->texte) {
            ErstelleStatistik(*a->abbild, *a->texte);
            a->statistik.addResult(std::move(*a->texte));
            a->statistik.finish();
        }
        // Nobody waits for figures that a newer evaluation has replaced.
        if (!a->auswertung.isCanceled())
            a->auswertung.addResult(WertePlaeneAus(*a->abbild));
        a->auswertung.finish();
        a->abbild.reset();
    });
    return ergebnis;
}
