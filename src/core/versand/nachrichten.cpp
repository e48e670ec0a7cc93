#include "versand/nachrichten.h"

#include "termine/kalender.h"

#include <QCryptographicHash>
#include <QLocale>
#include <QMap>

#include <algorithm>

namespace Versand {

TVorlage StandardVorlageEltern()
{
    return {QStringLiteral("Elternsprechtag am {Datum}: Ihre Termine"),
            QStringLiteral("Liebe Eltern von {Name},\n\n"
                           "für den Elternsprechtag am {Datum} haben Sie folgende Termine:\n\n"
                           "{Termine}\n\n"
                           "Im Anhang finden Sie die Termine als Kalenderdatei.\n\n"
                           "Mit freundlichen Grüßen\n{Schule}\n")};
}

TVorlage StandardVorlageLehrer()
{
    return {QStringLiteral("Elternsprechtag am {Datum}: Ihre Gespräche"),
            QStringLiteral("Guten Tag {Name},\n\n"
                           "für den Elternsprechtag am {Datum} sind folgende Gespräche geplant:\n\n"
                           "{Termine}\n\n"
                           "Mit freundlichen Grüßen\n{Schule}\n")};
}

QString FuelleAus(const QString& vorlage, const QString& name, const QString& schule, QDate datum,
                  const QString& termine)
{
    QString t = vorlage;
    t.replace(QStringLiteral("{Name}"), name);
    t.replace(QStringLiteral("{Schule}"), schule);
    t.replace(QStringLiteral("{Datum}"), QLocale(QLocale::German).toString(datum, QStringLiteral("dddd, dd.MM.yyyy")));
    t.replace(QStringLiteral("{Termine}"), termine);
    return t;
}

namespace {

QString Zeitspanne(const TTermin& t)
{
    return Termine::Uhrzeit(t.Beginn) + QStringLiteral("–") + Termine::Uhrzeit(t.Ende) + QStringLiteral(" Uhr");
}

QString Pruefwert(const QString& termine, const QStringList& planzeilen, const std::vector<TAnhang>& anhaenge)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(termine.toUtf8());
    // A PDF carries its creation time, so its bytes differ on every run; what it shows
    // comes from the plan lines, which stand in for it.
    for (const QString& z : planzeilen) {
        h.addData(QByteArrayView("\n"));
        h.addData(z.toUtf8());
    }
    for (const TAnhang& a : anhaenge) {
        h.addData(a.Name.toUtf8());
        if (a.Typ == "application/pdf")
            continue;
        // The calendar's DTSTAMP is the time of sending, not part of the plan.
        for (const QByteArray& zeile : a.Daten.split('\n'))
            if (!zeile.startsWith("DTSTAMP"))
                h.addData(zeile);
    }
    return QString::fromLatin1(h.result().toHex().left(16));
}

TMail Grundmail(const TAngaben& a, const QStringList& an, const QString& name)
{
    TMail m;
    m.Absender = a.Absender;
    m.AbsenderName = a.AbsenderName;
    m.An = an;
    m.EmpfaengerName = name;
    m.Datum = QDateTime::currentDateTime();
    m.MessageId = NeueMessageId(a.Absender);
    return m;
}

} // namespace

TNachrichten Baue(const TSprechtag& tag, TEmpfaenger fuer, const TAngaben& angaben, const TPlanPdf& planPdf,
                  const TTuerPdf& tuerPdf, const TMitPdf& mitPdf)
{
    TNachrichten aus;
    const TTerminListe liste = Termine::Lies(tag);

    if (int(fuer) & int(TEmpfaenger::Eltern)) {
        const QStringList dateinamen = Kalender::Dateinamen(liste, tag);
        for (size_t f = 0; f < liste.Familien.size(); ++f) {
            QStringList eintraege, an, planzeilen;
            for (int i : liste.Familien[f]) {
                eintraege.append(tag.Eltern.Name(i));
                planzeilen += tag.Eltern.Record(i).Zeitplan.Liste();
                for (const QString& adresse : tag.Eltern.Record(i).EMail)
                    if (!an.contains(adresse, Qt::CaseInsensitive))
                        an.append(adresse);
            }
            const QString name = eintraege.join(QStringLiteral(", "));
            if (an.isEmpty()) {
                aus.OhneAdresse.append(name);
                continue;
            }
            QStringList zeilen;
            for (int k : liste.TermineDerFamilie[f]) {
                const TTermin& t = liste.Termine[size_t(k)];
                QString z = Zeitspanne(t) + QStringLiteral("  ") + t.Lehrkraft;
                if (!t.Raum.isEmpty())
                    z += QStringLiteral(", Raum ") + t.Raum;
                if (eintraege.size() > 1)
                    z += QStringLiteral("  (") + t.Eintrag + u')';
                zeilen.append(z);
            }
            const QString termine = zeilen.join(u'\n');
            TNachricht n;
            n.Was = QStringLiteral("Plan ") + eintraege.front();
            n.Eintraege = eintraege;
            n.Mail = Grundmail(angaben, an, name);
            n.Mail.Betreff = FuelleAus(angaben.Eltern.Betreff, name, angaben.Schule, angaben.Datum, termine);
            n.Mail.Text = FuelleAus(angaben.Eltern.Text, name, angaben.Schule, angaben.Datum, termine);
            n.Mail.Anhaenge.push_back({dateinamen[qsizetype(f)] + QStringLiteral(".ics"),
                                       "text/calendar; charset=UTF-8; method=PUBLISH",
                                       Kalender::Familie(liste, int(f), angaben.Datum, angaben.Stempel)});
            if (planPdf)
                n.Mail.Anhaenge.push_back({dateinamen[qsizetype(f)] + QStringLiteral(".pdf"), "application/pdf", {}});
            n.Pruefwert = Pruefwert(termine, planzeilen, n.Mail.Anhaenge);
            if (planPdf && (!mitPdf || mitPdf(n))) {
                QByteArray pdf = planPdf(eintraege);
                if (pdf.isEmpty()) {
                    aus.Fehler.append(n.Was + QStringLiteral(": Der Plan ließ sich nicht als PDF-Datei erzeugen."));
                    continue;
                }
                n.Mail.Anhaenge.back().Daten = std::move(pdf);
            }
            aus.Liste.push_back(std::move(n));
        }
    }

    if (int(fuer) & int(TEmpfaenger::Lehrer)) {
        QMap<QString, std::vector<const TTermin*>> jeLehrer;
        for (const TTermin& t : liste.Termine)
            jeLehrer[t.Lehrkraft].push_back(&t);
        for (qsizetype i = 0; i < tag.Lehrer.Anzahl(); ++i) {
            const QString name = tag.Lehrer.Name(i);
            const auto it = jeLehrer.constFind(name);
            if (it == jeLehrer.constEnd())
                continue;
            const QStringList an = tag.Lehrer.Record(i).EMail;
            if (an.isEmpty()) {
                aus.OhneAdresse.append(name);
                continue;
            }
            std::vector<const TTermin*> termine = *it;
            std::stable_sort(termine.begin(), termine.end(),
                             [](const TTermin* a, const TTermin* b) { return a->Beginn < b->Beginn; });
            QStringList zeilen;
            for (const TTermin* t : termine)
                zeilen.append(Zeitspanne(*t) + QStringLiteral("  ") + t->Eintrag);
            const QString text = zeilen.join(u'\n');
            TNachricht n;
            n.Was = QStringLiteral("Termine ") + name;
            n.Eintraege = {name};
            n.Mail = Grundmail(angaben, an, name);
            n.Mail.Betreff = FuelleAus(angaben.Lehrer.Betreff, name, angaben.Schule, angaben.Datum, text);
            n.Mail.Text = FuelleAus(angaben.Lehrer.Text, name, angaben.Schule, angaben.Datum, text);
            if (tuerPdf)
                n.Mail.Anhaenge.push_back({QStringLiteral("Türliste ") + Kalender::Dateiname(name) + QStringLiteral(".pdf"),
                                           "application/pdf", {}});
            n.Pruefwert = Pruefwert(text, tag.Lehrer.Record(i).Zeitplan, n.Mail.Anhaenge);
            if (tuerPdf && (!mitPdf || mitPdf(n))) {
                QByteArray pdf = tuerPdf(name);
                if (pdf.isEmpty()) {
                    aus.Fehler.append(n.Was + QStringLiteral(": Die Türliste ließ sich nicht als PDF-Datei erzeugen."));
                    continue;
                }
                n.Mail.Anhaenge.back().Daten = std::move(pdf);
            }
            aus.Liste.push_back(std::move(n));
        }
    }
    return aus;
}

bool OhnePdf(const TNachricht& n)
{
    return std::any_of(n.Mail.Anhaenge.begin(), n.Mail.Anhaenge.end(),
                       [](const TAnhang& a) { return a.Typ == "application/pdf" && a.Daten.isEmpty(); });
}

} // namespace Versand
