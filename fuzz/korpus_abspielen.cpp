// Feeds every file of the given folders (or the given files) to a fuzz entry
// (FUZZ_EINSTIEG) once: the corpus as a quick regression test of the normal build,
// without libFuzzer.
#include "datei_einstieg.h"
#include "ini_einstieg.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    int anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        const QString pfad = QString::fromLocal8Bit(argv[i]);
        QStringList dateien;
        if (QFileInfo(pfad).isDir()) {
            QDirIterator it(pfad, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                dateien.append(it.next());
        } else {
            dateien.append(pfad);
        }
        for (const QString& d : dateien) {
            QFile f(d);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "Kann %s nicht lesen\n", qPrintable(d));
                return 1;
            }
            const QByteArray b = f.readAll();
            FUZZ_EINSTIEG(reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size()));
            ++anzahl;
        }
    }
    std::printf("%d Eingaben geprüft\n", anzahl);
    return anzahl > 0 ? 0 : 1;
}
