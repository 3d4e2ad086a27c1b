// The Qt and end-to-end tests need a QApplication. They run on the offscreen platform unless
// QT_QPA_PLATFORM names another, also when CTest lists them without its test environment.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
