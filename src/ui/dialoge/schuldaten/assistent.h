#pragma once
// "Schuldaten importieren": teachers, pupils, lessons and parents' wishes from the
// school's exports, in three steps (files, preview, result). The day changes only when
// the user confirms the result; cancelling at any step leaves no trace.

#include "dialoge/schuldaten/stand.h"

#include <QWizard>

class TSprechtag;
class TSchuldatenDateien;
class TSchuldatenVorschau;
class TSchuldatenErgebnis;
class TSchuldatenArbeit;

class TSchuldatenAssistent : public QWizard {
    Q_OBJECT
public:
    enum SeitenId { DateienId, VorschauId, ErgebnisId };

    TSchuldatenAssistent(TSprechtag& tag, QWidget* eltern = nullptr);

    /// Shows the wizard from its first step; files without a recognisable kind are taken
    /// as `vorschlag`. True when the import was applied.
    bool Ausfuehren(Schuldaten::TQuellArt vorschlag);

    TSchuldatenDateien* Dateien() const { return m_dateien; }
    /// Reading and planning on a worker thread (its progress signal, for tests).
    TSchuldatenArbeit* Arbeit() const { return m_arbeit; }

    /// What the settings file keeps of the last applied import.
    QString Ordner() const { return m_gemerkt.Ordner; }
    void SetOrdner(const QString& ordner) { m_gemerkt.Ordner = ordner; }
    Schuldaten::TImportMuster Muster() const { return m_gemerkt.Muster; }
    void SetMuster(const Schuldaten::TImportMuster& muster) { m_gemerkt.Muster = muster; }
    QString Spalten(Schuldaten::TQuellArt art) const { return m_gemerkt.GemerkteSpalten.value(art); }
    void SetSpalten(Schuldaten::TQuellArt art, const QString& text) { m_gemerkt.GemerkteSpalten[art] = text; }

    void accept() override;
    bool validateCurrentPage() override;

private:
    /// Reads every chosen file, or plans the import, on the worker; false when cancelled
    /// (the wizard then stays where it is, with what it had before).
    bool allesLesen();
    bool planen();

    TSprechtag& m_tag;
    TSchuldatenArbeit* m_arbeit;
    /// The steps work on m_stand; m_gemerkt takes its choices only when applied.
    TSchuldatenStand m_stand;
    TSchuldatenStand m_gemerkt;
    TSchuldatenDateien* m_dateien;
    TSchuldatenVorschau* m_vorschau;
    TSchuldatenErgebnis* m_ergebnis;
};
