#include "cli/command_texts.h"
#include "cli/standard_options.h"
#include "platform/translation.h"
#include "preview/preview_command.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    // Before anything is said, --help and the refusals included.
    tremaro::UseLanguageOfEnvironment();
    if (const auto answered =
            tremaro::AnswerStandardOption(std::vector<std::string>(argv + 1, argv + argc), "tremaro-preview",
                                          tremaro::command_texts::PreviewUsage, std::cout))
        return *answered;
    // The picture is drawn into memory: no display is needed, and none is opened even when
    // there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return tremaro::RunPreviewCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
