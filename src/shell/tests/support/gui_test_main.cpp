// main() of the offscreen GUI tests: one application for all tests.
#include "shell/application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    qvk::shell::setup_application(app);
    return RUN_ALL_TESTS();
}
