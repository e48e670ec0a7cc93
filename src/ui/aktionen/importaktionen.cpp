#include "aktionen/importaktionen.h"

#include "dialoge/schuldaten/assistent.h"
#include "fenster/hauptfenster.h"
#include "gemeinsam/dateiwahl.h"
#include "gemeinsam/meldungen.h"
#include "import/briefimport.h"
#include "import/importfragen.h"
#include "import/namensimport.h"
#include "model/sprechtag.h"
#include "plattform/shell.h"
#include "seiten/elternseite.h"
#include "seiten/lehrerseite.h"

#include <QFileInfo>

TImportAktionen::TImportAktionen(TSprechtag& tag, TForm2* haupt, QObject* eltern)
    : QObject(eltern)
    , m_tag(tag)
    , m_haupt(haupt)
    , m_ordner(Shell::ProgrammOrdner())
    , m_assistent(new TSchuldatenAssistent(tag, haupt))
{
    m_assistent->SetOrdner(m_ordner);
}

void TImportAktionen::SchuldatenBtnClick()
{
    // A selection still waiting in a relation list belongs to the day before the import
    // adds wishes to it.
    if (!m_haupt->AuswahlenSichern())
        return;
    const bool lehrer = m_haupt->AktiveSeite() == TForm2::Seite::Lehrer;
    if (!m_assistent->Ausfuehren(lehrer ? Schuldaten::TQuellArt::Lehrer : Schuldaten::TQuellArt::Schueler))
        return;
    m_haupt->Lehrer()->ListeNeu();
    m_haupt->Eltern()->ListeNeu();
    m_haupt->PageCChange();
}

void TImportAktionen::ImportBtnClick()
{
    TImportSeite seite;
    switch (m_haupt->AktiveSeite()) {
    case TForm2::Seite::Lehrer:
        seite = TImportSeite::Lehrer;
        break;
    case TForm2::Seite::Eltern:
        seite = TImportSeite::Eltern;
        break;
    case TForm2::Seite::Vorschau:
        seite = TImportSeite::Vorschau;
        break;
    default:
        return;
    }
    if (!m_haupt->AuswahlenSichern())
        return;
    if (!Meldung::Frage(m_haupt, ImportFrage(seite)))
        return;
    Dateiwahl::TAnfrage a;
    a.titel = QStringLiteral("Textdatei importieren");
    a.ordner = m_ordner;
    a.filter = ImportFilter;
    a.endung = ImportEndung;
    const QString pfad = Dateiwahl::Waehle(m_haupt, a);
    if (pfad.isEmpty())
        return;
    m_ordner = QFileInfo(pfad).absolutePath();

    if (seite == TImportSeite::Vorschau) {
        const TBriefImport r = ImportiereBrief(m_tag, pfad);
        if (!r.ok)
            Meldung::Fehler(m_haupt, r.Fehler);
        else if (!r.Hinweis.isEmpty())
            Meldung::Info(m_haupt, r.Hinweis);
        m_haupt->PageCChange();
        return;
    }
    const bool lehrer = seite == TImportSeite::Lehrer;
    const TNamensImport r = ImportiereNamen(m_tag, pfad, lehrer);
    if (!r.ok) {
        Meldung::Fehler(m_haupt, r.Fehler);
        return;
    }
    // The list shows the new names; selection and details stay until the next page
    // preparation.
    if (lehrer)
        m_haupt->Lehrer()->ListeNeu();
    else
        m_haupt->Eltern()->ListeNeu();
    if (!r.NichtUebernommen.isEmpty())
        Meldung::Info(m_haupt, NichtUebernommenMeldung(r.NichtUebernommen));
}
