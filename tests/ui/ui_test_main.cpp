#include "platform/translation.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The windows are driven headless; CTest sets this too, but test discovery runs the
    // binary on its own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows speak Bulgarian, whatever the locale of the run (the application has just
    // read it); a test that looks at another language asks for it, and comes back.
    tremaro::UseLanguage("bg");
    // What a window remembers between runs stays in this run: the user's own settings are
    // neither read nor written.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
