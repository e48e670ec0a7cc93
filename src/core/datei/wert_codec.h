#pragma once
// The tagged values of the data file: integers, floats, texts and booleans, each with a
// one-byte tag, multi-byte numbers little-endian, texts as Windows-1252 bytes.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace Tag {
inline constexpr char Int8 = 0x02;
inline constexpr char Int16 = 0x03;
inline constexpr char Int32 = 0x04;
inline constexpr char Extended = 0x05;
inline constexpr char KurzerText = 0x06;
inline constexpr char Falsch = 0x08;
inline constexpr char Wahr = 0x09;
inline constexpr char LangerText = 0x0C;
} // namespace Tag

/// A load that cannot go on; `what()` is unused, the message is the program's text.
class TDateiFehler : public std::exception {
public:
    explicit TDateiFehler(QString meldung) : m_meldung(std::move(meldung)) {}
    const QString& Meldung() const { return m_meldung; }
    const char* what() const noexcept override { return "TDateiFehler"; }

private:
    QString m_meldung;
};

class TWertSchreiber {
public:
    explicit TWertSchreiber(QByteArray& ziel) : m_ziel(ziel) {}

    void Roh(const QByteArray& bytes) { m_ziel.append(bytes); }
    /// The smallest of the three integer tags that holds the value.
    void Int(qint32 wert);
    void Float(double wert);
    /// Bytes already encoded (scrambled plan texts); tag 0x06 up to 255 bytes, else 0x0C.
    void TextBytes(const QByteArray& bytes);
    void Text(const QString& text);
    void Bool(bool wert) { m_ziel.append(wert ? Tag::Wahr : Tag::Falsch); }
    /// Count, then the texts.
    void Liste(const QStringList& texte);

private:
    void LittleEndian(quint64 wert, int bytes);

    QByteArray& m_ziel;
};

/// Reads values from a buffer held in memory. Every read checks what is left first, so
/// a damaged length or count ends as a truncated file before anything is allocated.
class TWertLeser {
public:
    explicit TWertLeser(const QByteArray& quelle) : m_quelle(quelle) {}

    qsizetype Position() const { return m_pos; }
    qsizetype Rest() const { return m_quelle.size() - m_pos; }

    QByteArray Roh(qsizetype n);
    qint32 Int();
    /// An integer tag is accepted and converted.
    double Float();
    QByteArray TextBytes();
    QString Text();
    /// Exactly one byte: 0x09 is true, anything else false.
    bool Bool();
    QStringList Liste();
    /// A count of following items that take at least `minBytes` each; negative counts as
    /// no items, more than the rest of the file could hold is a read error.
    qsizetype Anzahl(qsizetype minBytes);

    /// How much to reserve for `n` announced items: a damaged count in a large file must
    /// not reserve many times the file's size before the items prove to be there.
    static qsizetype Vorbelegen(qsizetype n) { return n < 4096 ? n : 4096; }

private:
    const uchar* Nimm(qsizetype n);
    qint32 IntNachTag(char tag);

    const QByteArray m_quelle; // shared, not copied: the reader may outlive its argument
    qsizetype m_pos = 0;
};
