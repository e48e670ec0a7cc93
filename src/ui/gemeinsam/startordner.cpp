#include "gemeinsam/startordner.h"

#include "plattform/shell.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Startordner {

namespace {

std::function<QString()>& quelle()
{
    static std::function<QString()> q;
    return q;
}

QString sauber(const QString& ordner) { return QDir::cleanPath(QDir(ordner).absolutePath()); }

} // namespace

void SetTagesdateiQuelle(std::function<QString()> q) { quelle() = std::move(q); }

QString Tagesordner()
{
    const QString datei = quelle() ? quelle()() : QString();
    return datei.isEmpty() ? QString() : QFileInfo(datei).absolutePath();
}

bool IstProgrammOrdner(const QString& ordner)
{
    return !ordner.isEmpty() && sauber(ordner) == sauber(Shell::ProgrammOrdner());
}

QString Vorschlag(const QString& gemerkt)
{
    if (!gemerkt.isEmpty() && QFileInfo(gemerkt).isDir() && !IstProgrammOrdner(gemerkt))
        return gemerkt;
    if (const QString tag = Tagesordner(); !tag.isEmpty())
        return tag;
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return dokumente.isEmpty() ? QDir::homePath() : dokumente;
}

} // namespace Startordner
