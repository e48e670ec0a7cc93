// kalumo: the desktop program.
#include "programm.h"

#include <QApplication>
#include <csignal>

int main(int argc, char** argv)
{
    // Beyond a file size limit a save then fails with a message instead of killing the
    // program with the day unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    TProgramm::DeutschLaden(app);
    TProgramm programm;
    return programm.Ausfuehren(app.arguments().mid(1));
}
