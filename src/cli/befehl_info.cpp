// kalumo-cli info DATEI.qvt: what a data file holds, without opening a window.
#include "bearbeiten/vorrang.h"
#include "datei_befehle.h"
#include "model/namen.h"
#include "model/sprechtag.h"

#include <QSet>

namespace {

QString Abschnitte(int maske)
{
    static const char* const namen[] = {"Lehrerliste", "Vorgaben", "Elternliste",
                                        "Sprechwünsche und zeitl. Vorgaben der Eltern",
                                        "Vorschau-Einstellungen", "Abgelehnte Sprechwünsche",
                                        "Zeitpläne & Einstellungen"};
    QStringList da;
    for (int bit = 0; bit < 7; ++bit)
        if (maske & (1 << bit))
            da.append(QString::fromUtf8(namen[bit]));
    return da.isEmpty() ? QStringLiteral("keine") : da.join(QStringLiteral(", "));
}

// A sibling link joins two entries; each side lists it, so count the pairs.
qsizetype GeschwisterPaare(const TSprechtag& tag)
{
    QSet<QString> paare;
    for (const auto& e : tag.Eltern) {
        const QString a = Namen::Schluessel(e.name);
        for (const QString& g : e.record->Geschwister) {
            const QString b = Namen::Schluessel(g);
            paare.insert(a < b ? a + QChar(0) + b : b + QChar(0) + a);
        }
    }
    return paare.size();
}

int Info(const QStringList& argumente, TCliAusgabe& io)
{
    if (argumente.size() != 1)
        return ExitVerwendung;
    TSprechtag tag;
    const TDateiErgebnis e = Datei::Laden(tag, argumente[0], TLadeModus::Hinzufuegen);
    if (!e.ok())
        return CliDatei::Fehler(io, e.Fehler);
    CliDatei::Hinweis(io, e);

    int ablehnungen = 0;
    for (const auto& l : tag.Lehrer)
        ablehnungen += int(l.record->Ablehnungen.size());
    io.aus << "Datei: " << argumente[0] << "\n"
           << "Revision: " << e.Revision << "\n"
           << "Abschnitte: " << Abschnitte(e.Maske) << "\n"
           << "Lehrer: " << tag.Lehrer.Anzahl() << "\n"
           << "Eltern: " << tag.Eltern.Anzahl() << "\n"
           << "Sprechwünsche: " << tag.AnzSprechwuensche() << "\n"
           << "Ablehnungen: " << ablehnungen << "\n"
           << "Geschwister-Verknüpfungen: " << GeschwisterPaare(tag) << "\n"
           << "Pausen: " << tag.Pausen.size() << "\n"
           << "Zeitpläne: " << (tag.PlaeneGueltig ? "vorhanden" : "keine") << "\n";
    if (e.ErweiterungVersion) {
        qsizetype kuerzel = 0, nummern = 0, adressen = 0;
        for (const auto& l : tag.Lehrer) {
            kuerzel += l.record->Kuerzel.isEmpty() ? 0 : 1;
            adressen += l.record->EMail.size();
        }
        for (const auto& el : tag.Eltern) {
            nummern += el.record->Schuelernummer.isEmpty() ? 0 : 1;
            adressen += el.record->EMail.size();
        }
        io.aus << "Zusatzblock: Version " << e.ErweiterungVersion << "\n"
               << "  Lehrerkürzel: " << kuerzel << "\n"
               << "  Schülernummern: " << nummern << "\n"
               << "  Unterricht: " << tag.Unterricht.size() << "\n"
               << "  E-Mail-Adressen: " << adressen << "\n";
        // Only days that use them show these lines: older days read as they always did.
        if (const int n = AnzEinladungenGesamt(tag))
            io.aus << "  Einladungen: " << n << "\n";
        if (const int n = AnzVorrangGesamt(tag))
            io.aus << "  Vorrang: " << n << "\n";
        if (tag.GemeinsameGespraeche)
            io.aus << "  Gemeinsame Gespräche für Geschwister: an\n";
    }
    io.aus.flush();
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("info"),
    TBefehl{QStringLiteral("info DATEI.qvt"),
            QStringLiteral("Lädt die Datei in einen leeren Sprechtag und zeigt, was sie enthält."), Info});

} // namespace
