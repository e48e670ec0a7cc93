#include "aktionen/dateiaktionen.h"

#include "datei/datei.h"
#include "dialoge/ladefrage.h"
#include "dialoge/speicherdialog.h"
#include "dialoge/wartefenster.h"
#include "fenster/hauptfenster.h"
#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"
#include "plattform/shell.h"

#include <QDir>
#include <QFileInfo>

TDateiAktionen::TDateiAktionen(TSprechtag& tag, TForm2* haupt, TSaveForm* speichern, TListLoadSpecForm* ladefrage, QObject* eltern)
    : QObject(eltern)
    , m_tag(tag)
    , m_haupt(haupt)
    , m_speichern(speichern)
    , m_ladefrage(ladefrage)
    , m_ordner(Shell::ProgrammOrdner())
{
}

QString TDateiAktionen::waehle(bool speichern, const QString& vorschlag)
{
    Dateiwahl::TAnfrage a;
    a.speichern = speichern;
    // Not "Daten speichern": that is the dialog before, which asks what goes into the file.
    a.titel = speichern ? QStringLiteral("Daten speichern unter") : QStringLiteral("Daten laden");
    a.ordner = m_ordner;
    a.vorschlag = vorschlag;
    a.filter = QStringLiteral("Elternsprechtags-Dateien (*.qvt)");
    a.endung = QStringLiteral("qvt");
    return Dateiwahl::Waehle(m_haupt, a);
}

void TDateiAktionen::eigeneDatei(const QString& pfad)
{
    m_ordner = QFileInfo(pfad).absolutePath();
    m_vorschlag = QFileInfo(pfad).absoluteFilePath();
    m_eigene = QFileInfo(pfad).canonicalFilePath();
    m_haupt->SetDateiName(pfad);
}

bool TDateiAktionen::istEigeneDatei(const QString& pfad) const
{
    const QString echt = QFileInfo(pfad).canonicalFilePath();
    return !echt.isEmpty() && echt == m_eigene;
}

QString TDateiAktionen::speicherZiel()
{
    QString vorschlag = m_vorschlag;
    for (;;) {
        const QString pfad = waehle(true, vorschlag);
        // The day's own file is replaced silently; any other existing file only with consent,
        // else the dialog opens again on that name.
        if (pfad.isEmpty() || !QFileInfo::exists(pfad) || istEigeneDatei(pfad))
            return pfad;
        if (Meldung::LoeschFrage(m_haupt, QStringLiteral("Die Datei „%1“ existiert bereits. Möchten Sie sie ersetzen?")
                                              .arg(QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()))))
            return pfad;
        vorschlag = QFileInfo(pfad).absoluteFilePath();
    }
}

bool TDateiAktionen::SaveIt()
{
    if (!m_haupt->AuswahlenSichern())
        return false;
    emit vorDemSpeichern();
    const int angekreuzt = m_speichern->Frage(m_tag.PlaeneGueltig);
    if (angekreuzt < 0)
        return false;
    const QString pfad = speicherZiel();
    if (pfad.isEmpty())
        return false;
    TDateiErgebnis ergebnis;
    {
        TWarten warten(m_haupt->Warten(), m_haupt);
        ergebnis = Datei::Speichern(m_tag, pfad, angekreuzt);
    }
    if (!ergebnis.ok()) {
        Meldung::Fehler(m_haupt, ergebnis.Fehler);
        return false;
    }
    // Only now is this the day's file: caption, folder and the next proposal name it.
    eigeneDatei(pfad);
    return true;
}

void TDateiAktionen::LoadIt()
{
    // A combining load adds to the records: what was typed belongs in them first.
    if (!m_haupt->AuswahlenSichern())
        return;
    const QString pfad = waehle(false, m_vorschlag);
    if (pfad.isEmpty()) {
        m_haupt->PageCChange();
        return;
    }
    LadeDatei(pfad);
}

void TDateiAktionen::LadeDatei(const QString& pfad)
{
    // Caption, folder and proposed name change only with a load that succeeded: the next
    // save must not replace a file whose day is not the one in memory.
    const TDateiKopf kopf = DateiKopf::LiesDatei(pfad);
    if (!kopf.ok()) {
        Meldung::Fehler(m_haupt, kopf.Fehler);
        return;
    }
    TLadeModus modus = TLadeModus::Hinzufuegen;
    if (Datei::LadeFrageNoetig(m_tag, kopf.Maske)) {
        const auto wahl = m_ladefrage->Frage();
        if (!wahl) {
            m_haupt->PageCChange();
            return;
        }
        modus = *wahl;
    }
    TDateiErgebnis ergebnis;
    {
        // Shown after the question: a window that stays on top must not cover it.
        TWarten warten(m_haupt->Warten(), m_haupt);
        ergebnis = Datei::Laden(m_tag, pfad, modus);
    }
    if (!ergebnis.ok()) {
        Meldung::Fehler(m_haupt, ergebnis.Fehler);
        m_haupt->PageCChange();
        return;
    }
    eigeneDatei(pfad);
    if (m_tag.Lehrer.IstLeer())
        m_haupt->ZeigeSeite(TForm2::Seite::Vorgaben);
    emit geladen(ergebnis.Maske & Inhalt::Plaene);
    m_haupt->DatenNeu();
    if (!ergebnis.Hinweis.isEmpty())
        Meldung::Info(m_haupt, ergebnis.Hinweis);
}

void TDateiAktionen::Wiederhergestellt(const QString& tagesdatei)
{
    if (!tagesdatei.isEmpty())
        eigeneDatei(tagesdatei);
    if (m_tag.Lehrer.IstLeer())
        m_haupt->ZeigeSeite(TForm2::Seite::Vorgaben);
    emit geladen(m_tag.PlaeneGueltig);
    m_haupt->DatenNeu();
}

bool TDateiAktionen::DarfBeenden()
{
    if (!m_haupt->AuswahlenSichern())
        return false;
    if (!m_tag.UngespeicherteAenderungen())
        return true;
    switch (Meldung::FrageMitAbbruch(m_haupt, QStringLiteral("Die Daten wurden seit dem letzten Speichern geändert. Möchten Sie sie "
                                                             "speichern?"))) {
    case Meldung::Antwort::Ja:
        return SaveIt();
    case Meldung::Antwort::Nein:
        return true;
    default:
        return false;
    }
}
