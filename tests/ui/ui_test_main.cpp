#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The windows are driven headless; CTest sets this too, but test discovery runs the
    // binary on its own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
