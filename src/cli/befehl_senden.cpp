// kalumo-cli senden EIN.qvt --an eltern|lehrer|alle --datum JJJJ-MM-TT [--nur-neue]
// [--eml ORDNER] [--probe ADRESSE] [server options]: every family its plan by mail, every
// teacher the list of talks, through the school's server; or the messages as .eml files.
#include "datei_befehle.h"
#include "dateisystem/schreiben.h"
#include "ini/inidatei.h"
#include "mailanhang.h"
#include "model/sprechtag.h"
#include "termine/kalender.h"
#include "schluesselbund.h"
#include "versand.h"
#include "versand/adresse.h"
#include "versand/auswahl.h"
#include "versand/protokoll.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

namespace {

QDateTime Stempel()
{
    bool ok = false;
    const qint64 sekunden = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(sekunden, Qt::UTC) : QDateTime::currentDateTimeUtc();
}

const QStringList WertOptionen{QStringLiteral("--an"),       QStringLiteral("--datum"),     QStringLiteral("--eml"),
                               QStringLiteral("--probe"),    QStringLiteral("--host"),      QStringLiteral("--port"),
                               QStringLiteral("--tls"),      QStringLiteral("--benutzer"),  QStringLiteral("--absender"),
                               QStringLiteral("--absendername"), QStringLiteral("--schule"), QStringLiteral("--pause"),
                               QStringLiteral("--passwortdatei"), QStringLiteral("--ca")};

// Settings from qvt.ini's [Versand] section, each replaced by its option when given.
QString Einstellung(const QMap<QString, QString>& o, const TIniDokument& ini, const QString& option, const QString& schluessel,
                    const QString& vorgabe = {})
{
    if (o.contains(option))
        return o.value(option);
    return ini.Text(QStringLiteral("Versand"), schluessel, vorgabe);
}

int Senden(const QStringList& argumente, TCliAusgabe& io)
{
    QStringList dateien;
    QMap<QString, QString> o;
    bool nurNeue = false;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--nur-neue")) {
            nurNeue = true;
        } else if (WertOptionen.contains(a)) {
            if (i + 1 >= argumente.size()) {
                io.fehler << QStringLiteral("Nach %1 fehlt ein Wert.\n").arg(a);
                return ExitVerwendung;
            }
            o[a] = argumente[++i];
        } else if (a == QLatin1String("--passwort")) {
            io.fehler << QStringLiteral("Das Passwort steht nie auf der Befehlszeile (andere Benutzer sehen sie): "
                                        "bitte --passwortdatei DATEI angeben.\n");
            return ExitVerwendung;
        } else if (a.startsWith(QLatin1String("--"))) {
            io.fehler << QStringLiteral("Unbekannte Option: ") << a << "\n";
            return ExitVerwendung;
        } else {
            dateien.append(a);
        }
    }
    if (dateien.size() != 1)
        return ExitVerwendung;
    Versand::TEmpfaenger fuer = Versand::TEmpfaenger::Alle;
    const QString an = o.value(QStringLiteral("--an"));
    if (an == QLatin1String("eltern"))
        fuer = Versand::TEmpfaenger::Eltern;
    else if (an == QLatin1String("lehrer"))
        fuer = Versand::TEmpfaenger::Lehrer;
    else if (an == QLatin1String("alle"))
        fuer = Versand::TEmpfaenger::Alle;
    else {
        io.fehler << QStringLiteral("Bitte mit --an eltern, --an lehrer oder --an alle angeben, wer Post bekommt.\n");
        return ExitVerwendung;
    }
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QString datumText = o.value(QStringLiteral("--datum"));
    const QDate datum = form.match(datumText).hasMatch() ? QDate::fromString(datumText, Qt::ISODate) : QDate();
    if (!datum.isValid()) {
        io.fehler << (datumText.isEmpty()
                          ? QStringLiteral("Bitte das Datum des Elternsprechtags mit --datum JJJJ-MM-TT angeben.\n")
                          : QStringLiteral("„%1“ ist kein gültiges Datum (JJJJ-MM-TT).\n").arg(datumText));
        return ExitVerwendung;
    }

    const TIniDokument ini = IniLesen(IniLesePfad(QCoreApplication::applicationDirPath()));
    Versand::TAngaben angaben;
    angaben.Datum = datum;
    angaben.Stempel = Stempel();
    angaben.Absender = Einstellung(o, ini, QStringLiteral("--absender"), QStringLiteral("Absender")).trimmed();
    angaben.AbsenderName = Einstellung(o, ini, QStringLiteral("--absendername"), QStringLiteral("AbsenderName"));
    angaben.Schule = Einstellung(o, ini, QStringLiteral("--schule"), QStringLiteral("Schule"), angaben.AbsenderName);
    for (const QString& wert : {angaben.AbsenderName, angaben.Schule})
        for (QChar c : wert)
            if (Versand::IstSteuerzeichen(c))
                return CliDatei::Fehler(io, QStringLiteral("Absendername und Schule dürfen keine Steuerzeichen enthalten."));
    if (angaben.Absender.isEmpty())
        return CliDatei::Fehler(io, QStringLiteral("Bitte die Absenderadresse der Schule angeben (--absender oder "
                                                   "„Absender“ im Abschnitt [Versand] der qvt.ini)."));
    QString f = Versand::PruefeAdresse(angaben.Absender, QStringLiteral("Absender"));
    if (!f.isEmpty())
        return CliDatei::Fehler(io, f);
    const QString probe = o.value(QStringLiteral("--probe"));
    if (o.contains(QStringLiteral("--probe")) && !(f = Versand::PruefeAdresse(probe, QStringLiteral("--probe"))).isEmpty())
        return CliDatei::Fehler(io, f);

    TSprechtag tag;
    if (const auto status = CliDatei::Lade(io, tag, dateien[0], TLadeModus::Hinzufuegen))
        return *status;
    if (!tag.PlaeneGueltig)
        return CliDatei::Fehler(io, QStringLiteral("„%1“: Es liegen keine gültigen Zeitpläne vor. Bitte zuerst "
                                                   "berechnen (kalumo-cli berechnen).")
                                        .arg(dateien[0]));

    // A run that skips what the log shows as sent draws no PDF for those messages. A log
    // that cannot be read draws everything: the run stops on it with its message.
    const bool nurNeueSenden = nurNeue && !o.contains(QStringLiteral("--eml")) && !o.contains(QStringLiteral("--probe"));
    QString lesefehler;
    const std::vector<Versand::TProtokollZeile> protokoll =
        nurNeueSenden ? Versand::ProtokollLesen(Versand::ProtokollPfad(dateien[0]), &lesefehler)
                      : std::vector<Versand::TProtokollZeile>();
    const Versand::TProtokollStand stand(protokoll);
    Versand::TMitPdf mitPdf;
    if (nurNeueSenden && lesefehler.isEmpty())
        mitPdf = [&stand](const Versand::TNachricht& x) { return stand.Stand(x) != Versand::TVersandStand::Versendet; };
    Versand::TNachrichten n = MailAnhang::BaueMitPdf(tag, fuer, angaben, angaben.Schule, angaben.Stempel, mitPdf);
    if (!n.Fehler.isEmpty())
        return CliDatei::Fehler(io, QStringLiteral("Es wurde nichts versendet. %1")
                                        .arg(n.Fehler.join(QStringLiteral(" "))));
    if (!n.OhneAdresse.isEmpty())
        io.aus << QStringLiteral("Ohne E-Mail-Adresse (%1): %2\n").arg(n.OhneAdresse.size()).arg(CliDatei::Konsole(n.OhneAdresse.join(QStringLiteral("; "))));
    if (o.contains(QStringLiteral("--probe"))) {
        if (n.Liste.empty())
            return CliDatei::Fehler(io, QStringLiteral("Es gibt keine Nachricht, die als Probe dienen könnte."));
        n.Liste.resize(1);
        Versand::TNachricht& p = n.Liste.front();
        p.Was = QStringLiteral("Probe ") + p.Was;
        p.Mail.An = {probe};
        p.Mail.EmpfaengerName.clear();
        p.Mail.Betreff = QStringLiteral("[Probe] ") + p.Mail.Betreff;
    }

    if (o.contains(QStringLiteral("--eml"))) {
        const QString ordner = o.value(QStringLiteral("--eml"));
        if (!QDir().mkpath(ordner))
            return CliDatei::Fehler(io, QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(ordner));
        const int stellen = int(QString::number(n.Liste.size()).size());
        for (size_t i = 0; i < n.Liste.size(); ++i) {
            const QString name = QStringLiteral("%1 %2.eml")
                                     .arg(i + 1, stellen, 10, QChar(u'0'))
                                     .arg(Kalender::Dateiname(n.Liste[i].Was));
            const QString pfad = QDir(ordner).filePath(name);
            const QString grund = Dateisystem::SchreibeAtomar(pfad, Versand::Mime(n.Liste[i].Mail));
            if (!grund.isEmpty())
                return CliDatei::Fehler(io, QStringLiteral("Die Datei „%1“ wurde nicht gespeichert. %2").arg(pfad, grund));
        }
        io.aus << QStringLiteral("%1 Nachrichten in den Ordner „%2“ geschrieben.\n").arg(n.Liste.size()).arg(ordner);
        io.aus.flush();
        return 0;
    }

    Versand::TLauf lauf;
    lauf.Absender = angaben.Absender;
    lauf.NurNeue = nurNeue;
    lauf.Protokoll = Versand::ProtokollPfad(dateien[0]);
    Versand::TServer& s = lauf.Server;
    s.Host = Einstellung(o, ini, QStringLiteral("--host"), QStringLiteral("Host")).trimmed();
    bool ok = true;
    s.Port = Einstellung(o, ini, QStringLiteral("--port"), QStringLiteral("Port"), QStringLiteral("587")).toInt(&ok);
    if (!ok)
        s.Port = 0;
    const QString tls = Einstellung(o, ini, QStringLiteral("--tls"), QStringLiteral("Tls"), QStringLiteral("starttls"));
    if (!Versand::TlsAusText(tls, s.Tls))
        return CliDatei::Fehler(io, QStringLiteral("„%1“ ist keine Verschlüsselung: starttls, tls oder keine.").arg(tls));
    s.Benutzer = Einstellung(o, ini, QStringLiteral("--benutzer"), QStringLiteral("Benutzer"));
    s.CaDatei = Einstellung(o, ini, QStringLiteral("--ca"), QStringLiteral("Zertifikate"));
    if ((f = Versand::PruefeServer(s)).size())
        return CliDatei::Fehler(io, f);
    const QString pause = Einstellung(o, ini, QStringLiteral("--pause"), QStringLiteral("Pause"), QStringLiteral("2"));
    const double sekunden = pause.toDouble(&ok);
    if (!ok || sekunden < 0 || sekunden > 600)
        return CliDatei::Fehler(io, QStringLiteral("„%1“ ist keine gültige Pause (Sekunden von 0 bis 600).").arg(pause));
    lauf.PauseMs = int(sekunden * 1000);
    if (!s.Benutzer.isEmpty()) {
        const QString datei = o.value(QStringLiteral("--passwortdatei"));
        if (datei.isEmpty()) {
            // The password the program kept in the desktop's keyring serves here too.
            const Schluesselbund::TLesung l = Schluesselbund::Lesen(Schluesselbund::Konto(s.Host, s.Port, s.Benutzer));
            if (!l.passwort)
                return CliDatei::Fehler(io, QStringLiteral("Für den Benutzer „%1“ fehlt das Passwort: Es steht nicht im "
                                                           "Schlüsselbund des Desktops (dort legt es „Pläne versenden …“ "
                                                           "im Programm ab); bitte --passwortdatei DATEI angeben.")
                                                .arg(s.Benutzer));
            s.Passwort = *l.passwort;
        } else {
            QFile pf(datei);
            if (!pf.open(QIODevice::ReadOnly))
                return CliDatei::Fehler(io, QStringLiteral("Die Passwortdatei „%1“ kann nicht gelesen werden: %2").arg(datei, pf.errorString()));
            s.Passwort = QString::fromUtf8(pf.readLine(4096)).remove(u'\n').remove(u'\r');
        }
    }

    io.aus.flush();
    lauf.Fortschritt = [&io](int fertig, int alle) {
        io.aus << QStringLiteral("%1 von %2 versendet\n").arg(fertig).arg(alle);
        io.aus.flush();
        return true;
    };
    const Versand::TLaufBericht b = Versand::Versende(n.Liste, lauf);
    io.aus << Versand::Zusammenfassung(b) << "\n";
    io.aus.flush();
    if (!b.Abbruch.isEmpty())
        io.fehler << CliDatei::Konsole(b.Abbruch) << "\n";
    io.fehler.flush();
    return b.AllesAngenommen() ? 0 : 1;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("senden"),
    TBefehl{QStringLiteral("senden EIN.qvt --an eltern|lehrer|alle --datum JJJJ-MM-TT [--nur-neue] [--eml ORDNER] "
                           "[--probe ADRESSE] [--host H] [--port P] [--tls starttls|tls|keine] [--benutzer B] "
                           "[--passwortdatei DATEI] [--absender A] [--absendername N] [--schule S] [--pause SEK]"),
            QStringLiteral("Sendet jeder Familie ihre Termine mit Kalenderdatei und Plan (PDF) und jeder Lehrkraft ihre Gespräche "
                           "mit Türliste (PDF) per "
                           "E-Mail über den Mailserver der Schule (Einstellungen im Abschnitt [Versand] der qvt.ini) "
                           "und schreibt EIN.versand.csv; --eml schreibt die Nachrichten stattdessen als Dateien."),
            Senden, true});

} // namespace
