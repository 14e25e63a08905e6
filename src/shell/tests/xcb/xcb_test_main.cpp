// main() of the X11 GUI tests; each test makes its own application.
#include <QByteArray>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qgetenv("QT_QPA_PLATFORM") != "xcb" || qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "Run under with_x_server.sh: it starts the X server and window manager.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
