#include "aktionen/einstellungen.h"

#include "aktionen/dateiaktionen.h"
#include "aktionen/importaktionen.h"
#include "dialoge/schuldaten/assistent.h"
#include "fenster/hauptfenster.h"
#include "ini/fensterlage.h"
#include "ini/inidatei.h"
#include "plattform/shell.h"
#include "seiten/elternseite.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace {

// An explicit path (tests, or an administrator who keeps the file elsewhere) wins over
// the search beside the program and in the user's configuration folder.
QString PfadAusUmgebung()
{
    return qEnvironmentVariable("KALUMO_INI");
}

// The frame of a window that was never shown is not known yet: a title bar and thin
// borders are assumed.
QMargins Rahmen(const QWidget* fenster)
{
    if (const QWindow* w = fenster->windowHandle(); w && !w->frameMargins().isNull())
        return w->frameMargins();
    const int titel = fenster->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, fenster);
    return {4, titel + 4, 4, 4};
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

    // Values written on a larger screen, or for a screen that is gone, are fitted to the
    // screen the window lands on, so that its buttons are never beyond the edge.
    const QRect gespeichert(m_werte.Left, m_werte.Top,
                            m_werte.WindowState == TIniWerte::Maximiert ? m_haupt->width() : m_werte.Width,
                            m_werte.WindowState == TIniWerte::Maximiert ? m_haupt->height() : m_werte.Height);
    const QScreen* bildschirm = QGuiApplication::screenAt(gespeichert.center());
    if (!bildschirm)
        bildschirm = QGuiApplication::primaryScreen();
    const QRect lage = bildschirm ? FensterEinpassen(gespeichert, bildschirm->availableGeometry(), Rahmen(m_haupt), m_haupt->minimumSize())
                                  : gespeichert;
    m_haupt->resize(lage.size());
    m_haupt->move(lage.topLeft());
    if (m_werte.WindowState == TIniWerte::Maximiert)
        m_haupt->setWindowState(Qt::WindowMaximized);
    else if (m_werte.WindowState == TIniWerte::Minimiert)
        m_haupt->setWindowState(Qt::WindowMinimized);
    m_haupt->Eltern()->SetSpalten(m_werte.ElternBoxSpalten, m_werte.SprechwunschBoxSpalten);
    m_dateien->SetOrdner(m_werte.QvtFiles);
    m_import->SetOrdner(m_werte.OpenTXT);

    TSchuldatenAssistent* a = m_import->Assistent();
    a->SetOrdner(m_werte.SchuldatenOrdner);
    Schuldaten::TImportMuster muster;
    if (!m_werte.LehrerMuster.isEmpty())
        muster.Lehrer = m_werte.LehrerMuster;
    if (!m_werte.ElternMuster.isEmpty())
        muster.Eltern = m_werte.ElternMuster;
    muster.Faecher = m_werte.Faecher;
    muster.Umschreiben = m_werte.Umschreiben;
    a->SetMuster(muster);
    a->SetSpalten(Schuldaten::TQuellArt::Lehrer, m_werte.SpaltenLehrer);
    a->SetSpalten(Schuldaten::TQuellArt::Schueler, m_werte.SpaltenSchueler);
    a->SetSpalten(Schuldaten::TQuellArt::Unterricht, m_werte.SpaltenUnterricht);
    a->SetSpalten(Schuldaten::TQuellArt::Wuensche, m_werte.SpaltenWuensche);
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
    const TSchuldatenAssistent* a = m_import->Assistent();
    m_werte.SchuldatenOrdner = a->Ordner();
    // The defaults are not written, so that a later version's defaults reach the user.
    const Schuldaten::TImportMuster muster = a->Muster();
    m_werte.LehrerMuster = muster.Lehrer == Schuldaten::StandardLehrerMuster ? QString() : muster.Lehrer;
    m_werte.ElternMuster = muster.Eltern == Schuldaten::StandardElternMuster ? QString() : muster.Eltern;
    m_werte.Faecher = muster.Faecher;
    m_werte.Umschreiben = muster.Umschreiben;
    m_werte.SpaltenLehrer = a->Spalten(Schuldaten::TQuellArt::Lehrer);
    m_werte.SpaltenSchueler = a->Spalten(Schuldaten::TQuellArt::Schueler);
    m_werte.SpaltenUnterricht = a->Spalten(Schuldaten::TQuellArt::Unterricht);
    m_werte.SpaltenWuensche = a->Spalten(Schuldaten::TQuellArt::Wuensche);
    const QString pfad = m_pfad.isEmpty() ? IniPfad(Shell::ProgrammOrdner()) : m_pfad;
    const TIniSpeicherung r = ::SaveIni(pfad, m_werte);
    return r.ok ? QString() : r.Meldung;
}

QString TEinstellungen::LesePfad() const
{
    return m_pfad.isEmpty() ? IniLesePfad(Shell::ProgrammOrdner()) : m_pfad;
}

QString TEinstellungen::SchreibPfad() const
{
    return m_pfad.isEmpty() ? IniPfad(Shell::ProgrammOrdner()) : m_pfad;
}
