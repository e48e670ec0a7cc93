#pragma once
// The send log beside the day's file ("<Tag>.versand.csv"): one line per recipient and
// message, appended as soon as the server answered, so that an interrupted run still
// tells what went out. It is what keeps a second run from sending anything twice.

#include <QDateTime>
#include <QSet>
#include <QString>
#include <vector>

namespace Versand {

inline const QString ErgebnisVersendet = QStringLiteral("versendet");
inline const QString ErgebnisAbgewiesen = QStringLiteral("abgewiesen");
inline const QString ErgebnisFehlgeschlagen = QStringLiteral("fehlgeschlagen");

struct TProtokollZeile {
    QDateTime Zeit;
    QString Empfaenger;
    QString Was;
    QString Pruefwert;
    QString Ergebnis;
    QString Antwort;
};

/// "<Ordner>/<Tag>.versand.csv" for the day's file "<Ordner>/<Tag>.qvt".
QString ProtokollPfad(const QString& tagDatei);

/// Appends lines (creating the file with its header and a BOM); empty on success, else
/// the German message naming the file.
QString ProtokollSchreiben(const QString& pfad, const std::vector<TProtokollZeile>& zeilen);

/// Every line of the log; a missing file is an empty log. `fehler` gets a German message
/// when the file exists but cannot be read.
std::vector<TProtokollZeile> ProtokollLesen(const QString& pfad, QString* fehler = nullptr);

/// Keys (recipient, what, check value) of everything the log shows as accepted.
QSet<QString> Versendet(const std::vector<TProtokollZeile>& zeilen);
QString Schluessel(const QString& empfaenger, const QString& was, const QString& pruefwert);

} // namespace Versand
