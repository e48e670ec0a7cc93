// kalumo: the desktop program.
#include "programm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TProgramm::DeutschLaden(app);
    TProgramm programm;
    return programm.Ausfuehren(app.arguments().mid(1));
}
