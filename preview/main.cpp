#include "preview/preview_command.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    // The picture is drawn into memory: no display is needed, and none is opened even when
    // there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return tremaro::RunPreviewCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
