#include "versand.h"

#include "versand/adresse.h"

#include <QThread>

#include <algorithm>

namespace Versand {

TLaufBericht Versende(const std::vector<TNachricht>& nachrichten, const TLauf& lauf)
{
    TLaufBericht b;
    b.Nachrichten = int(nachrichten.size());
    QString lesefehler;
    const QSet<QString> schon = lauf.NurNeue ? Versendet(ProtokollLesen(lauf.Protokoll, &lesefehler)) : QSet<QString>();
    if (!lesefehler.isEmpty()) {
        b.Abbruch = lesefehler;
        return b;
    }
    const auto warte = [&lauf](int ms) {
        if (ms <= 0)
            return;
        if (lauf.Warte)
            lauf.Warte(ms);
        else
            QThread::msleep(ulong(ms));
    };
    TSmtp smtp(lauf.Server);
    bool ersteGesendet = false;
    for (size_t i = 0; i < nachrichten.size(); ++i) {
        const TNachricht& n = nachrichten[i];
        QStringList offen;
        for (const QString& a : n.Mail.An)
            if (!schon.contains(Schluessel(a, n.Was, n.Pruefwert)))
                offen.append(a);
        if (offen.isEmpty()) {
            ++b.SchonVersendet;
        } else if (OhnePdf(n)) {
            // Built to be skipped, yet the log no longer shows it as sent: a mail without
            // its plan is not sent in its place.
            for (const QString& a : offen)
                b.Fehler.append(QStringLiteral("%1 (%2): Der PDF-Anhang fehlt, die Nachricht wurde nicht gesendet.").arg(a, n.Was));
        } else {
            if (ersteGesendet)
                warte(lauf.PauseMs);
            ersteGesendet = true;
            const QByteArray mime = Mime(n.Mail);
            std::vector<TProtokollZeile> zeilen;
            bool alle = true;
            // Only the recipients with a temporary failure are tried again: one that the
            // server took must not get the mail twice, one it refused for good never will.
            for (int versuch = 1; !offen.isEmpty(); ++versuch) {
                const TSendung s = smtp.Sende(lauf.Absender, offen, mime);
                if (s.art == TSendung::Art::Abbruch) {
                    b.Abbruch = s.Antwort;
                    // What earlier tries delivered is logged all the same.
                    const QString f = ProtokollSchreiben(lauf.Protokoll, zeilen);
                    if (!f.isEmpty())
                        b.Abbruch += u'\n' + f;
                    return b;
                }
                const QDateTime jetzt = QDateTime::currentDateTime();
                QStringList nochmal;
                for (const QString& a : offen) {
                    TProtokollZeile z{jetzt, a, n.Was, n.Pruefwert, ErgebnisFehlgeschlagen, s.Antwort};
                    const auto it = std::find_if(s.Empfaenger.begin(), s.Empfaenger.end(), [&a](const TEmpfaengerAntwort& e) {
                        return e.Adresse.compare(AdresseFuerServer(a), Qt::CaseInsensitive) == 0;
                    });
                    if (s.art == TSendung::Art::Angenommen && (it == s.Empfaenger.end() || it->Angenommen)) {
                        z.Ergebnis = ErgebnisVersendet;
                        zeilen.push_back(std::move(z));
                        continue;
                    }
                    bool endgueltig = s.art == TSendung::Art::Abgewiesen;
                    if (it != s.Empfaenger.end() && !it->Angenommen) {
                        endgueltig = it->Antwort.startsWith(u'5');
                        z.Antwort = it->Antwort;
                    }
                    if (!endgueltig && versuch < lauf.Versuche) {
                        nochmal.append(a);
                        continue;
                    }
                    if (endgueltig)
                        z.Ergebnis = ErgebnisAbgewiesen;
                    alle = false;
                    b.Fehler.append(QStringLiteral("%1 (%2): %3").arg(a, n.Was, z.Antwort));
                    zeilen.push_back(std::move(z));
                }
                offen = nochmal;
                if (!offen.isEmpty())
                    warte(lauf.PauseMs);
            }
            const QString f = ProtokollSchreiben(lauf.Protokoll, zeilen);
            if (!f.isEmpty()) {
                b.Abbruch = f;
                return b;
            }
            if (alle)
                ++b.Versendet;
        }
        if (lauf.Fortschritt && !lauf.Fortschritt(int(i) + 1, b.Nachrichten)) {
            b.Abgebrochen = i + 1 < nachrichten.size();
            break;
        }
    }
    return b;
}

QString Zusammenfassung(const TLaufBericht& b)
{
    QString t = QStringLiteral("%1 von %2 Nachrichten versendet.").arg(b.Versendet).arg(b.Nachrichten);
    if (b.SchonVersendet)
        t += QStringLiteral(" %1 waren schon versendet und wurden übersprungen.").arg(b.SchonVersendet);
    if (b.Abgebrochen)
        t += QStringLiteral(" Der Versand wurde abgebrochen.");
    if (!b.Fehler.isEmpty()) {
        t += QStringLiteral("\nNicht zugestellt (%1):").arg(b.Fehler.size());
        for (const QString& f : b.Fehler)
            t += QStringLiteral("\n  ") + f;
    }
    if (!b.Abbruch.isEmpty())
        t += QStringLiteral("\nVersand angehalten: ") + b.Abbruch;
    return t;
}

} // namespace Versand
