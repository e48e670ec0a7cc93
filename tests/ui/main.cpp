// Widget tests run on the offscreen platform with the German translations loaded.
#include "programm.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    // The tests never read or write a settings file of a real installation.
    qputenv("KALUMO_INI", QByteArray("/nonexistent-kalumo-test/qvt.ini"));
    // Nor recovery copies in the user's state folder.
    QTemporaryDir zustand;
    qputenv("XDG_STATE_HOME", zustand.path().toUtf8());
    QApplication app(argc, argv);
    TProgramm::DeutschLaden(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
