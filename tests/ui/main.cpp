// Widget tests run on the offscreen platform with the German translations loaded.
#include "programm.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    TProgramm::DeutschLaden(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
