#include "datei/wert_codec.h"

#include "datei/extended.h"
#include "datei/meldungen.h"
#include "text/cp1252.h"

#include <cstring>

void TWertSchreiber::LittleEndian(quint64 wert, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        m_ziel.append(char(uchar(wert >> (8 * i))));
}

void TWertSchreiber::Int(qint32 wert)
{
    if (wert >= -128 && wert <= 127) {
        m_ziel.append(Tag::Int8);
        LittleEndian(quint64(wert), 1);
    } else if (wert >= -32768 && wert <= 32767) {
        m_ziel.append(Tag::Int16);
        LittleEndian(quint64(wert), 2);
    } else {
        m_ziel.append(Tag::Int32);
        LittleEndian(quint64(wert), 4);
    }
}

void TWertSchreiber::Float(double wert)
{
    const Extended::Bytes b = Extended::AusDouble(wert);
    m_ziel.append(Tag::Extended);
    m_ziel.append(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

void TWertSchreiber::TextBytes(const QByteArray& bytes)
{
    if (bytes.size() <= 255) {
        m_ziel.append(Tag::KurzerText);
        LittleEndian(quint64(bytes.size()), 1);
    } else {
        m_ziel.append(Tag::LangerText);
        LittleEndian(quint64(bytes.size()), 4);
    }
    m_ziel.append(bytes);
}

void TWertSchreiber::Text(const QString& text) { TextBytes(Cp1252::Kodiere(text)); }

void TWertSchreiber::Liste(const QStringList& texte)
{
    Int(qint32(texte.size()));
    for (const QString& t : texte)
        Text(t);
}

const uchar* TWertLeser::Nimm(qsizetype n)
{
    if (n < 0 || n > Rest())
        throw TDateiFehler(DateiMeldung::Abgebrochen());
    const uchar* p = reinterpret_cast<const uchar*>(m_quelle.constData()) + m_pos;
    m_pos += n;
    return p;
}

QByteArray TWertLeser::Roh(qsizetype n)
{
    const uchar* p = Nimm(n);
    return QByteArray(reinterpret_cast<const char*>(p), n);
}

static quint32 LiesLE(const uchar* p, int bytes)
{
    quint32 w = 0;
    for (int i = bytes - 1; i >= 0; --i)
        w = (w << 8) | p[i];
    return w;
}

qint32 TWertLeser::IntNachTag(char tag)
{
    switch (tag) {
    case Tag::Int8:
        return qint8(*Nimm(1));
    case Tag::Int16:
        return qint16(quint16(LiesLE(Nimm(2), 2)));
    case Tag::Int32:
        return qint32(LiesLE(Nimm(4), 4));
    default:
        throw TDateiFehler(DateiMeldung::UngueltigerWert());
    }
}

qint32 TWertLeser::Int() { return IntNachTag(char(*Nimm(1))); }

double TWertLeser::Float()
{
    const char tag = char(*Nimm(1));
    if (tag != Tag::Extended)
        return double(IntNachTag(tag));
    Extended::Bytes b;
    std::memcpy(b.data(), Nimm(10), 10);
    return Extended::ZuDouble(b);
}

QByteArray TWertLeser::TextBytes()
{
    const char tag = char(*Nimm(1));
    quint32 laenge = 0;
    if (tag == Tag::KurzerText)
        laenge = *Nimm(1);
    else if (tag == Tag::LangerText)
        laenge = LiesLE(Nimm(4), 4);
    else
        throw TDateiFehler(DateiMeldung::UngueltigerWert());
    // Checked before the copy: a length beyond the end of the file never allocates.
    if (qint64(laenge) > qint64(Rest()))
        throw TDateiFehler(DateiMeldung::Abgebrochen());
    return Roh(qsizetype(laenge));
}

QString TWertLeser::Text() { return Cp1252::Dekodiere(TextBytes()); }

bool TWertLeser::Bool() { return char(*Nimm(1)) == Tag::Wahr; }

qsizetype TWertLeser::Anzahl(qsizetype minBytes)
{
    const qint32 n = Int();
    if (n <= 0)
        return 0;
    if (qint64(n) * minBytes > qint64(Rest()))
        throw TDateiFehler(DateiMeldung::Abgebrochen());
    return n;
}

QStringList TWertLeser::Liste()
{
    const qsizetype n = Anzahl(2); // a text is at least its tag and a length byte
    QStringList texte;
    texte.reserve(Vorbelegen(n));
    for (qsizetype i = 0; i < n; ++i)
        texte.append(Text());
    return texte;
}
