#pragma once
// The settings file in memory: "[Sektion]" lines and "Schluessel=Wert" lines, matched
// without regard to case, with the behaviour of the classic profile calls. Lines the
// program does not know (comments, other sections, keys of other versions) survive
// every write unchanged.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class TIniDokument {
public:
    /// A value is read up to this many characters.
    static constexpr qsizetype MaxWertLaenge = 1023;

    TIniDokument() = default;

    /// Reads the bytes of a file: UTF-8, or Windows-1252 for a file that an old
    /// installation wrote. Never fails; what is not a section or key line is kept as is.
    static TIniDokument AusBytes(const QByteArray& bytes);

    /// The value of the first matching key in the first matching section, blanks around
    /// it removed and cut to MaxWertLaenge characters; nothing when absent.
    std::optional<QString> Wert(const QString& sektion, const QString& schluessel) const;
    QString Text(const QString& sektion, const QString& schluessel, const QString& vorgabe) const;

    /// Replaces the value of an existing key (keeping the key's spelling in the file), or
    /// adds the key at the end of its section, or adds the section at the end of the file.
    /// A line break inside the value would split the line, so it becomes a blank.
    void Setze(const QString& sektion, const QString& schluessel, const QString& wert);

    /// The file content: UTF-8, the line ending the file had (LF for a new file), a
    /// byte-order mark only when the file had one (or the first line starts with
    /// U+FEFF). Reading what this writes and writing again gives the same bytes.
    QByteArray Bytes() const;

    const QStringList& Zeilen() const { return m_zeilen; }

private:
    /// Index of the section line, or -1.
    qsizetype sektionsZeile(const QString& sektion) const;
    /// Index of the key line within the section that starts at `kopf`, or -1.
    qsizetype schluesselZeile(qsizetype kopf, const QString& schluessel) const;
    /// One past the last line of the section that starts at `kopf`.
    qsizetype sektionsEnde(qsizetype kopf) const;

    QStringList m_zeilen;
    QString m_zeilenende = QStringLiteral("\n");
    bool m_bom = false;
};
