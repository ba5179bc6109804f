#include "cli/command_texts.h"
#include "cli/standard_options.h"
#include "picture/captions.h"
#include "platform/heap_pages.h"
#include "platform/translation.h"
#include "ui/convert_form.h"
#include "ui/help_window.h"
#include "ui/qt_texts.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Every window's icon, at each size it was drawn for (app/icons, compiled into the program).
QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/tremaro.png").arg(size));
    return icon;
}

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    return (std::getenv("DISPLAY") && *std::getenv("DISPLAY")) ||
           (std::getenv("WAYLAND_DISPLAY") && *std::getenv("WAYLAND_DISPLAY"));
}

}  // namespace

// tremaro [FILE]: the window, with FILE read as Чете reads it (a file manager's "Open with"
// passes one), or tremaro --help or --version, which need no display.
int main(int argc, char* argv[]) {
    // Every text, --help's included, in the operator's language.
    tremaro::UseLanguageOfEnvironment();
    // A large form's text document is some 20 MB of small blocks: in huge pages it comes in
    // a few faults rather than thousands.
    const tremaro::HeapInHugePages heap(64u << 20);
    if (const auto answered = tremaro::AnswerStandardOption(std::vector<std::string>(argv + 1, argv + argc), "tremaro",
                                                            tremaro::command_texts::WindowUsage, std::cout))
        return *answered;
    if (!HasDisplay()) {
        std::fputs((tremaro::captions::NoDisplay() + QLatin1Char('\n')).toUtf8().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(tremaro::captions::ProgramName());
    QApplication::setDesktopFileName(QStringLiteral("tremaro"));
    QApplication::setWindowIcon(ProgramIcon());
    QTranslator translator;
    tremaro::LoadQtTexts(app, translator);

    tremaro::HelpLauncher help;
    tremaro::ConvertForm form(help);
    if (argc > 1)  // QApplication has taken its own options out of argv by now
        form.OpenFileWhenShown(argv[1]);
    form.show();
    return app.exec();
}
