#include "dateisystem/schreiben.h"

#include "dateisystem/systemgrund.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <atomic>
#include <vector>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Dateisystem {

namespace {

std::atomic<Pruefhilfe::TFlush> g_flush{&::fdatasync};

constexpr int ZufallsLaenge = 6;
constexpr char Zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool IstZufallsteil(QStringView s)
{
    if (s.size() != ZufallsLaenge)
        return false;
    for (QChar c : s)
        if (!(c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
              || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))) || c.unicode() > 127)
            return false;
    return true;
}

QString Zufallsteil()
{
    QString s;
    for (int i = 0; i < ZufallsLaenge; ++i)
        s += QLatin1Char(Zeichen[QRandomGenerator::global()->bounded(int(sizeof(Zeichen) - 1))]);
    return s;
}

// Leftovers of a save that was killed: they hold a complete or partial copy that nobody
// will ever rename. `praefix` names the file whose leftovers go. A folder may hold
// thousands of files, so it is read as bare names and only those that can be leftovers
// are looked at more closely.
void RaeumeAuf(const QString& ordner, const QString& praefix)
{
    const QByteArray anfang = QFile::encodeName(praefix);
    QStringList kandidaten;
    if (DIR* d = ::opendir(QFile::encodeName(ordner).constData())) {
        while (const dirent* e = ::readdir(d))
            if (std::strncmp(e->d_name, anfang.constData(), size_t(anfang.size())) == 0)
                kandidaten << QFile::decodeName(e->d_name);
        ::closedir(d);
    }
    const QDateTime grenze = QDateTime::currentDateTimeUtc().addSecs(-AlterUebrigerKopienSekunden);
    for (const QString& name : std::as_const(kandidaten)) {
        const qsizetype rest = name.size() - ZufallsLaenge;
        if (rest != praefix.size() || !name.startsWith(praefix) || !IstZufallsteil(QStringView(name).mid(rest)))
            continue;
        const QFileInfo info(QDir(ordner).filePath(name));
        if (info.isSymLink() || !info.isFile() || info.lastModified().toUTC() > grenze)
            continue;
        QFile::remove(info.filePath());
    }
}

bool SchreibeAlles(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, size_t(rest));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        rest -= n;
    }
    return true;
}

// The directory entry of the rename reaches the disk too; a file system that cannot
// flush a folder (some network shares) still has the data itself on disk.
void FlusheOrdner(const QByteArray& ordner)
{
    const int fd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

namespace Pruefhilfe {
TFlush SetzeFlush(TFlush flush)
{
    return g_flush.exchange(flush ? flush : &::fdatasync);
}
} // namespace Pruefhilfe

QString TemporaerPraefix(const QString& zielName)
{
    // Kept short enough that the suffix still fits into a file name.
    return QLatin1Char('.') + zielName.left(200) + QStringLiteral(".kalumo-");
}

QString NichtGespeichert(const QString& pfad, const QString& grund)
{
    return QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.\r%2\rEine vorhandene Datei dieses Namens ist "
                          "unverändert.")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

namespace {

// A complete copy of the new content beside its target, flushed to the disk; only the
// rename is left to do.
struct TVorbereitet {
    QByteArray temp;
    QByteArray ziel;   ///< the file a link points to, not the link
    QByteArray ordner;
    QString praefix;
    bool vorhanden = false;
};

QString Vorbereiten(const QString& pfad, const QByteArray& bytes, TReste reste, TVorbereitet& v)
{
    if (pfad.isEmpty())
        return SystemGrund(ENOENT);
    QString ziel = QFileInfo(pfad).absoluteFilePath();
    struct stat st {};
    bool vorhanden = false;
    if (::lstat(QFile::encodeName(ziel).constData(), &st) == 0) {
        vorhanden = true;
        if (S_ISLNK(st.st_mode)) {
            // A link to a file of the user's: the file is replaced, the link stays.
            if (::stat(QFile::encodeName(ziel).constData(), &st) != 0)
                return QStringLiteral("Das Ziel ist eine Verknüpfung, die ins Leere zeigt.");
            ziel = QFileInfo(ziel).canonicalFilePath();
        }
        if (S_ISDIR(st.st_mode))
            return QStringLiteral("Das Ziel ist ein Ordner, keine normale Datei.");
        if (!S_ISREG(st.st_mode))
            return QStringLiteral("Das Ziel ist keine normale Datei.");
        // Replacing a write-protected file by a new one would get around its protection.
        if (::access(QFile::encodeName(ziel).constData(), W_OK) != 0)
            return QStringLiteral("Die Datei ist schreibgeschützt.");
    } else if (errno != ENOENT) {
        return SystemGrund(errno);
    }

    const QFileInfo zielInfo(ziel);
    const QString ordner = zielInfo.absolutePath();
    const QByteArray ordnerName = QFile::encodeName(ordner);
    struct stat ost {};
    if (::stat(ordnerName.constData(), &ost) != 0 || !S_ISDIR(ost.st_mode))
        return QStringLiteral("Den Ordner „%1“ gibt es nicht.").arg(QDir::toNativeSeparators(ordner));

    const QString praefix = TemporaerPraefix(zielInfo.fileName());
    if (reste == TReste::Aufraeumen)
        RaeumeAuf(ordner, praefix);

    QByteArray temp;
    int fd = -1;
    for (int versuch = 0; versuch < 100 && fd < 0; ++versuch) {
        temp = QFile::encodeName(QDir(ordner).filePath(praefix + Zufallsteil()));
        // 0666: the umask decides, as for any new file of the user's.
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST)
            return QStringLiteral("Im Ordner „%1“ kann keine Datei angelegt werden. %2")
                .arg(QDir::toNativeSeparators(ordner), SystemGrund(errno));
    }
    if (fd < 0)
        return SystemGrund(EEXIST);

    auto aufgeben = [&](int fehlernummer, const QString& vorsatz = {}) {
        ::close(fd);
        ::unlink(temp.constData());
        return vorsatz + SystemGrund(fehlernummer);
    };
    // An existing file keeps its permissions.
    if (vorhanden && ::fchmod(fd, st.st_mode & 07777) != 0)
        return aufgeben(errno);
    if (!SchreibeAlles(fd, bytes))
        return aufgeben(errno);
    if (g_flush.load()(fd) != 0)
        return aufgeben(errno, QStringLiteral("Die Daten konnten nicht sicher auf den Datenträger gebracht werden. "));
    if (::close(fd) != 0) {
        const int fehlernummer = errno;
        ::unlink(temp.constData());
        return SystemGrund(fehlernummer);
    }
    v = TVorbereitet{temp, QFile::encodeName(ziel), ordnerName, praefix, vorhanden};
    return {};
}

} // namespace

QString SchreibeAtomar(const QString& pfad, const QByteArray& bytes, TReste reste)
{
    TVorbereitet v;
    const QString grund = Vorbereiten(pfad, bytes, reste, v);
    if (!grund.isEmpty())
        return grund;
    if (::rename(v.temp.constData(), v.ziel.constData()) != 0) {
        const int fehlernummer = errno;
        ::unlink(v.temp.constData());
        return SystemGrund(fehlernummer);
    }
    FlusheOrdner(v.ordner);
    return {};
}

QString SchreibeAlleAtomar(const QList<TZielDatei>& dateien)
{
    std::vector<TVorbereitet> fertig;
    auto verwerfen = [&fertig](size_t ab) {
        for (size_t i = ab; i < fertig.size(); ++i)
            ::unlink(fertig[i].temp.constData());
    };
    for (const TZielDatei& d : dateien) {
        TVorbereitet v;
        const QString grund = Vorbereiten(d.pfad, d.bytes, TReste::Aufraeumen, v);
        if (!grund.isEmpty()) {
            verwerfen(0);
            return NichtGespeichert(d.pfad, grund);
        }
        fertig.push_back(v);
    }
    // Every old content stays reachable under a hidden name of the leftover pattern until
    // the last rename is done, so that a failing rename can put back those before it.
    std::vector<QByteArray> alt(fertig.size());
    auto altesWeg = [&alt] {
        for (const QByteArray& a : alt)
            if (!a.isEmpty())
                ::unlink(a.constData());
    };
    for (size_t i = 0; i < fertig.size(); ++i) {
        const TVorbereitet& v = fertig[i];
        if (v.vorhanden) {
            const QByteArray kopie = QFile::encodeName(
                QDir(QFile::decodeName(v.ordner)).filePath(v.praefix + Zufallsteil()));
            if (::link(v.ziel.constData(), kopie.constData()) == 0)
                alt[i] = kopie;
        }
        if (::rename(v.temp.constData(), v.ziel.constData()) != 0) {
            const int fehlernummer = errno;
            verwerfen(i);
            for (size_t j = 0; j < i; ++j) {
                if (!alt[j].isEmpty() && ::rename(alt[j].constData(), fertig[j].ziel.constData()) == 0)
                    alt[j].clear();
                else if (!fertig[j].vorhanden)
                    ::unlink(fertig[j].ziel.constData());
            }
            altesWeg();
            return NichtGespeichert(dateien[qsizetype(i)].pfad, SystemGrund(fehlernummer));
        }
    }
    altesWeg();
    for (const TVorbereitet& v : fertig)
        FlusheOrdner(v.ordner);
    return {};
}

} // namespace Dateisystem
