#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // The tests drive real windows but never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "fast");
    return RUN_ALL_TESTS();
}
