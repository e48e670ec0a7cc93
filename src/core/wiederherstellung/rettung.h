#pragma once
// Keeps the recovery copy of one open day (see kopie.h). While the day has unsaved
// changes, a copy is written every few minutes and at once after an import, a
// computation or a drop-out; a day that counts as saved again has none. The main thread
// only takes a picture of the day (TSprechtag::Abbild); encoding and the atomic write run
// on a worker thread of their own, one copy after the other.
//
// Holds the lock of its process in the folder for its whole life, so that another
// Kalumo never offers this run's copy as left behind.

#include <QDateTime>
#include <QLockFile>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <memory>

class TSprechtag;

class TRettung : public QObject {
    Q_OBJECT
public:
    static constexpr int StandardSekunden = 120;

    /// `ordner` empty: Wiederherstellung::Ordner().
    explicit TRettung(TSprechtag& tag, const QString& ordner = {}, QObject* eltern = nullptr);
    /// Waits for a copy being written. Leaves the copy: only a clean end removes it.
    ~TRettung() override;

    /// The day's own file (after a load or save under a new name): the copy follows it.
    void SetTagesdatei(const QString& pfad);
    void SetIntervall(int sekunden);
    int Intervall() const { return m_sekunden; }

    /// Writes a copy now when the day has unsaved changes not yet in a copy.
    void Sichern();
    /// A clean end: no copy is left.
    void Beenden();
    /// Waits until every copy asked for is on disk (tests, the end of the run).
    void Warten();

    QString Pfad() const;
    QString Ordner() const { return m_ordner; }
    /// Why the last copy could not be written; empty when it was.
    QString LetzterFehler() const;
    /// Copies written so far (tests wait for it to move).
    int Geschrieben() const { return m_geschrieben.load(); }

signals:
    /// A copy is on disk (emitted from the worker thread).
    void geschrieben();

private:
    void beobachtet(bool sofort);
    void entfernen();

    TSprechtag& m_tag;
    QString m_ordner;
    QString m_tagesdatei;
    int m_sekunden = StandardSekunden;
    QTimer m_takt;
    QThreadPool m_arbeiter;
    std::unique_ptr<QLockFile> m_sperre;
    int m_beobachterId = 0;
    /// The day's change count of the last copy asked for.
    quint64 m_gesichertStand = 0;
    bool m_hatKopie = false;
    std::atomic<int> m_geschrieben{0};
    mutable QMutex m_fehlerSperre;
    QString m_fehler;
};
