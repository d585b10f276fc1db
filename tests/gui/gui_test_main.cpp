// The GUI tests share one application object, prepared as the program's.
#include <QApplication>
#include <gtest/gtest.h>

#include "application_setup.h"

int main(int argc, char* argv[]) {
    // Listing or running the tests must not need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    zenlith::prepareApplication(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
