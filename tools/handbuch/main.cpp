// kalumo-handbuch: makes the manual during the build.
//   kalumo-handbuch bilder ORDNER                      pictures of the real windows
//   kalumo-handbuch satz QUELLE.md BILDER PDF HTML     the manual as PDF and HTML page
#include "bildschirmfotos.h"
#include "programm.h"
#include "satz.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int Gebrauch()
{
    std::fprintf(stderr, "Aufruf: kalumo-handbuch bilder ORDNER\n"
                         "        kalumo-handbuch satz QUELLE.md BILDERORDNER HANDBUCH.pdf SEITE.htm\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Never a real screen: the build runs without one, and the pictures must not depend on
    // the desktop of whoever builds. Twice the pixels keep the pictures sharp on paper.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir bildschirmOrdner;
    if (argc > 1 && std::strcmp(argv[1], "bilder") == 0) {
        qputenv("QT_SCALE_FACTOR", "2");
        // The pictures show the windows as on the smallest screen the program is made for,
        // 1024 × 768. The offscreen screen is smaller by default: the main window shrank
        // to its minimum size and every page in the pictures was cut off.
        const QString bildschirm = bildschirmOrdner.filePath(QStringLiteral("bildschirm.json"));
        QFile f(bildschirm);
        if (bildschirmOrdner.isValid() && f.open(QIODevice::WriteOnly)
            && f.write(R"({"screens": [{"name": "Handbuch", "x": 0, "y": 0, "width": 2048, "height": 1536,
                           "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   > 0) {
            f.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + bildschirm.toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    TProgramm::DeutschLaden(app);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSize(9);
    QApplication::setFont(schrift);

    const QStringList a = app.arguments().mid(1);
    if (a.size() == 2 && a[0] == QStringLiteral("bilder")) {
        const int n = Bildschirmfotos::Erzeuge(a[1]);
        std::printf("kalumo-handbuch: %d Bilder\n", n);
        return n > 0 ? 0 : 1;
    }
    if (a.size() == 5 && a[0] == QStringLiteral("satz")) {
        QString fehler;
        std::unique_ptr<QTextDocument> doc(Satz::Lies(a[1], a[2], &fehler));
        if (!doc || !Satz::SchreibePdf(*doc, a[3], &fehler) || !Satz::SchreibeHtml(*doc, a[4], &fehler)) {
            std::fprintf(stderr, "kalumo-handbuch: %s\n", qPrintable(fehler));
            return 1;
        }
        return 0;
    }
    return Gebrauch();
}
