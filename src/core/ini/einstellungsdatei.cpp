#include "ini/einstellungsdatei.h"

#include "ini/inidatei.h"
#include "ini/inizahl.h"

#include <QDate>
#include <QDir>

namespace {

int zahl(const TIniDokument& ini, const QString& sektion, const QString& schluessel, int vorgabe)
{
    const auto text = ini.Wert(sektion, schluessel);
    return text ? IniZahl(*text, vorgabe) : vorgabe;
}

int spalten(const TIniDokument& ini, const QString& schluessel, int vorgabe)
{
    const int n = zahl(ini, IniSektionColumns, schluessel, vorgabe);
    return n >= 1 ? n : vorgabe;
}

QString ordner(const TIniDokument& ini, const QString& schluessel, const QString& vorgabe,
              const QString& sektion = IniSektionPath)
{
    const QString o = ini.Text(sektion, schluessel, vorgabe);
    return o.isEmpty() ? vorgabe : o;
}

} // namespace

QString MitTrennzeichen(const QString& ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(QLatin1Char('/')))
        return ordner;
    return ordner + QLatin1Char('/');
}

TIniWerte LoadIni(const TIniDokument& ini, const TIniStart& start)
{
    TIniWerte w;
    w.Width = start.Fenster.width();
    w.Height = start.Fenster.height();
    w.Left = (start.Bildschirm.width() - w.Width) / 2;
    w.Top = (start.Bildschirm.height() - w.Height) / 2;

    w.WindowState = zahl(ini, IniSektionScreenPos, QStringLiteral("WindowState"), start.WindowState);
    if (w.WindowState != TIniWerte::Maximiert) {
        w.Height = zahl(ini, IniSektionScreenPos, QStringLiteral("Height"), w.Height);
        w.Width = zahl(ini, IniSektionScreenPos, QStringLiteral("Width"), w.Width);
        w.Left = zahl(ini, IniSektionScreenPos, QStringLiteral("Left"), w.Left);
        w.Top = zahl(ini, IniSektionScreenPos, QStringLiteral("Top"), w.Top);
    }

    w.ElternBoxSpalten = spalten(ini, QStringLiteral("ElternBox"), start.ElternBoxSpalten);
    w.SprechwunschBoxSpalten = spalten(ini, QStringLiteral("SprechwunschBox"), start.SprechwunschBoxSpalten);

    const QString programm = MitTrennzeichen(start.ProgrammOrdner);
    w.QvtFiles = ordner(ini, QStringLiteral("QvtFiles"), programm);
    w.OpenTXT = ordner(ini, QStringLiteral("OpenTXT"), programm);
    w.SavePreview = ordner(ini, QStringLiteral("SavePreview"), programm);

    w.SchulName = ini.Text(IniSektionDruck, QStringLiteral("SchulName"), QString());

    w.SchuldatenOrdner = ordner(ini, QStringLiteral("Ordner"), programm, IniSektionSchuldaten);
    auto schuldaten = [&](const char* schluessel) {
        return ini.Text(IniSektionSchuldaten, QString::fromLatin1(schluessel), QString());
    };
    w.LehrerMuster = schuldaten("LehrerMuster");
    w.ElternMuster = schuldaten("ElternMuster");
    w.SpaltenLehrer = schuldaten("SpaltenLehrer");
    w.SpaltenSchueler = schuldaten("SpaltenSchueler");
    w.SpaltenUnterricht = schuldaten("SpaltenUnterricht");
    w.SpaltenWuensche = schuldaten("SpaltenWuensche");
    w.Faecher = schuldaten("Faecher");
    // Only a plain 0 turns it off: a damaged value keeps the names importable.
    w.Umschreiben = schuldaten("Umschreiben").trimmed() != QLatin1String("0");

    // A date that is not one is forgotten rather than shown as an error at every export.
    const QString datum = ini.Text(IniSektionTermine, QStringLiteral("Datum"), QString()).trimmed();
    w.TermineDatum = QDate::fromString(datum, Qt::ISODate).isValid() ? datum : QString();
    w.TermineOrdner = ordner(ini, QStringLiteral("Ordner"), programm, IniSektionTermine);
    // Outside the range the default holds: a copy every second would slow typing down,
    // one a day would be none.
    const int sekunden = zahl(ini, IniSektionWiederherstellung, QStringLiteral("Intervall"), w.WiederherstellungSekunden);
    if (sekunden >= 10 && sekunden <= 86400)
        w.WiederherstellungSekunden = sekunden;
    return w;
}

TIniWerte LoadIni(const QString& pfad, const TIniStart& start)
{
    return LoadIni(IniLesen(pfad), start);
}

bool SaveIni(const TIniWerte& w, const TIniSchreiber& schreibe)
{
    const struct {
        const QString& sektion;
        QString schluessel;
        QString wert;
    } folge[] = {
        {IniSektionScreenPos, QStringLiteral("WindowState"), QString::number(w.WindowState)},
        {IniSektionScreenPos, QStringLiteral("Height"), QString::number(w.Height)},
        {IniSektionScreenPos, QStringLiteral("Width"), QString::number(w.Width)},
        {IniSektionScreenPos, QStringLiteral("Left"), QString::number(w.Left)},
        {IniSektionScreenPos, QStringLiteral("Top"), QString::number(w.Top)},
        {IniSektionColumns, QStringLiteral("ElternBox"), QString::number(w.ElternBoxSpalten)},
        {IniSektionColumns, QStringLiteral("SprechwunschBox"), QString::number(w.SprechwunschBoxSpalten)},
        {IniSektionPath, QStringLiteral("QvtFiles"), w.QvtFiles},
        {IniSektionPath, QStringLiteral("OpenTXT"), w.OpenTXT},
        {IniSektionPath, QStringLiteral("SavePreview"), w.SavePreview},
        {IniSektionDruck, QStringLiteral("SchulName"), w.SchulName},
        {IniSektionSchuldaten, QStringLiteral("Ordner"), w.SchuldatenOrdner},
        {IniSektionSchuldaten, QStringLiteral("LehrerMuster"), w.LehrerMuster},
        {IniSektionSchuldaten, QStringLiteral("ElternMuster"), w.ElternMuster},
        {IniSektionSchuldaten, QStringLiteral("SpaltenLehrer"), w.SpaltenLehrer},
        {IniSektionSchuldaten, QStringLiteral("SpaltenSchueler"), w.SpaltenSchueler},
        {IniSektionSchuldaten, QStringLiteral("SpaltenUnterricht"), w.SpaltenUnterricht},
        {IniSektionSchuldaten, QStringLiteral("SpaltenWuensche"), w.SpaltenWuensche},
        {IniSektionSchuldaten, QStringLiteral("Faecher"), w.Faecher},
        {IniSektionSchuldaten, QStringLiteral("Umschreiben"), w.Umschreiben ? QStringLiteral("1") : QStringLiteral("0")},
        {IniSektionTermine, QStringLiteral("Datum"), w.TermineDatum},
        {IniSektionTermine, QStringLiteral("Ordner"), w.TermineOrdner},
        {IniSektionWiederherstellung, QStringLiteral("Intervall"), QString::number(w.WiederherstellungSekunden)},
    };
    for (const auto& f : folge)
        if (!schreibe(f.sektion, f.schluessel, f.wert))
            return false;
    return true;
}

TIniSpeicherung SaveIni(const QString& pfad, const TIniWerte& werte)
{
    TIniSpeicherung r;
    QString grund;
    const bool alles = SaveIni(werte, [&](const QString& s, const QString& k, const QString& v) {
        return IniSchreiben(pfad, s, k, v, &grund);
    });
    if (!alles) {
        r.ok = false;
        r.Meldung = QStringLiteral("Die Einstellungsdatei „%1“ kann nicht geschrieben werden.\r%2")
                        .arg(QDir::toNativeSeparators(pfad), grund);
    }
    return r;
}
