#include "aktionen/einstellungen.h"

#include "aktionen/dateiaktionen.h"
#include "aktionen/importaktionen.h"
#include "fenster/hauptfenster.h"
#include "ini/inidatei.h"
#include "plattform/shell.h"
#include "seiten/elternseite.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// An explicit path (tests, or an administrator who keeps the file elsewhere) wins over
// the search beside the program and in the user's configuration folder.
QString PfadAusUmgebung()
{
    return qEnvironmentVariable("KALUMO_INI");
}

} // namespace

TEinstellungen::TEinstellungen(TForm2* haupt, TDateiAktionen* dateien, TImportAktionen* import)
    : m_haupt(haupt)
    , m_dateien(dateien)
    , m_import(import)
    , m_pfad(PfadAusUmgebung())
{
}

void TEinstellungen::LoadIni()
{
    TIniStart start;
    if (const QScreen* s = QGuiApplication::primaryScreen())
        start.Bildschirm = s->availableGeometry().size();
    start.Fenster = m_haupt->size();
    start.ElternBoxSpalten = m_haupt->Eltern()->ElternSpalten();
    start.SprechwunschBoxSpalten = m_haupt->Eltern()->RelationsSpalten();
    start.ProgrammOrdner = Shell::ProgrammOrdner();
    const QString lesePfad = m_pfad.isEmpty() ? IniLesePfad(start.ProgrammOrdner) : m_pfad;
    m_werte = ::LoadIni(lesePfad, start);

    if (m_werte.WindowState != TIniWerte::Maximiert)
        m_haupt->resize(m_werte.Width, m_werte.Height);
    m_haupt->move(m_werte.Left, m_werte.Top);
    if (m_werte.WindowState == TIniWerte::Maximiert)
        m_haupt->setWindowState(Qt::WindowMaximized);
    else if (m_werte.WindowState == TIniWerte::Minimiert)
        m_haupt->setWindowState(Qt::WindowMinimized);
    m_haupt->Eltern()->SetSpalten(m_werte.ElternBoxSpalten, m_werte.SprechwunschBoxSpalten);
    m_dateien->SetOrdner(m_werte.QvtFiles);
    m_import->SetOrdner(m_werte.OpenTXT);
}

QString TEinstellungen::SaveIni()
{
    const Qt::WindowStates zustand = m_haupt->windowState();
    m_werte.WindowState = zustand & Qt::WindowMaximized   ? TIniWerte::Maximiert
                          : zustand & Qt::WindowMinimized ? TIniWerte::Minimiert
                                                          : TIniWerte::Normal;
    m_werte.Height = m_haupt->height();
    m_werte.Width = m_haupt->width();
    m_werte.Left = m_haupt->x();
    m_werte.Top = m_haupt->y();
    m_werte.ElternBoxSpalten = m_haupt->Eltern()->ElternSpalten();
    m_werte.SprechwunschBoxSpalten = m_haupt->Eltern()->RelationsSpalten();
    m_werte.QvtFiles = m_dateien->Ordner();
    m_werte.OpenTXT = m_import->Ordner();
    const QString pfad = m_pfad.isEmpty() ? IniPfad(Shell::ProgrammOrdner()) : m_pfad;
    const TIniSpeicherung r = ::SaveIni(pfad, m_werte);
    return r.ok ? QString() : r.Meldung;
}
