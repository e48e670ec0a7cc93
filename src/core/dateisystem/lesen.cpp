#include "dateisystem/lesen.h"

#include "dateisystem/systemgrund.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace Dateisystem {

namespace {

TGelesen Fehler(TGelesen::Art art, int fehlernummer = 0)
{
    TGelesen g;
    g.art = art;
    if (fehlernummer != 0)
        g.Grund = SystemGrund(fehlernummer);
    return g;
}

class TDeskriptor {
public:
    explicit TDeskriptor(int fd) : m_fd(fd) {}
    ~TDeskriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TDeskriptor(const TDeskriptor&) = delete;
    TDeskriptor& operator=(const TDeskriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

QString KeineNormaleDatei(const QString& pfad)
{
    return QStringLiteral("„%1“ ist keine normale Datei.").arg(QDir::toNativeSeparators(pfad));
}

QString Groesse(qint64 bytes)
{
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return QStringLiteral("%1 MB").arg(bytes / (1024 * 1024));
    return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
}

QString TGelesen::Meldung(const QString& pfad, qint64 hoechstens) const
{
    const QString name = QDir::toNativeSeparators(pfad);
    switch (art) {
    case Art::Ok:
        return {};
    case Art::NichtGeoeffnet:
        return QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden.\r%2").arg(name, Grund);
    case Art::KeineNormaleDatei:
        return KeineNormaleDatei(pfad);
    case Art::ZuGross:
        return QStringLiteral("Die Datei „%1“ ist größer als %2 und wird nicht gelesen.").arg(name, Groesse(hoechstens));
    case Art::Lesefehler:
        return QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.\r%2").arg(name, Grund);
    }
    return {};
}

namespace {

TGelesen Lies(const QString& pfad, qint64 hoechstens, bool ganz)
{
    const QByteArray name = QFile::encodeName(pfad);
    struct stat st {};
    if (name.isEmpty())
        return Fehler(TGelesen::Art::NichtGeoeffnet, ENOENT);
    if (::stat(name.constData(), &st) != 0)
        return Fehler(TGelesen::Art::NichtGeoeffnet, errno);
    if (!S_ISREG(st.st_mode))
        return Fehler(TGelesen::Art::KeineNormaleDatei);
    // Non-blocking, so that a FIFO swapped in after the check cannot hold us up.
    const TDeskriptor datei(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (datei.fd() < 0)
        return Fehler(TGelesen::Art::NichtGeoeffnet, errno);
    if (::fstat(datei.fd(), &st) != 0)
        return Fehler(TGelesen::Art::Lesefehler, errno);
    if (!S_ISREG(st.st_mode))
        return Fehler(TGelesen::Art::KeineNormaleDatei);

    TGelesen g;
    try {
        // The reported size is only a first guess for the buffer; the bound holds for
        // what is read. One byte beyond the bound tells that the file is too large.
        const qint64 grenze = hoechstens + 1;
        qint64 gelesen = 0;
        g.Bytes.resize(qsizetype(qBound<qint64>(4096, qint64(st.st_size) + 1, grenze)));
        for (;;) {
            if (gelesen == g.Bytes.size()) {
                if (gelesen >= grenze)
                    break;
                g.Bytes.resize(qsizetype(qMin<qint64>(grenze, 2 * gelesen)));
            }
            const ssize_t n = ::read(datei.fd(), g.Bytes.data() + gelesen, size_t(g.Bytes.size() - gelesen));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return Fehler(TGelesen::Art::Lesefehler, errno);
            }
            if (n == 0)
                break;
            gelesen += n;
        }
        if (gelesen > hoechstens) {
            if (ganz)
                return Fehler(TGelesen::Art::ZuGross);
            gelesen = hoechstens;
        }
        g.Bytes.truncate(qsizetype(gelesen));
    } catch (const std::bad_alloc&) {
        return Fehler(TGelesen::Art::Lesefehler, ENOMEM);
    }
    return g;
}

} // namespace

TGelesen LiesDatei(const QString& pfad, qint64 hoechstens)
{
    return Lies(pfad, hoechstens, true);
}

TGelesen LiesAnfang(const QString& pfad, qint64 anzahl)
{
    return Lies(pfad, anzahl, false);
}

} // namespace Dateisystem
