#include "ui/captions.h"
#include "ui/convert_form.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt's own texts (dialog buttons, the open dialog) in Bulgarian, like the rest of the
// program; without the translation they stay in English and everything still works.
void LoadBulgarianQtTexts(QApplication& app, QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_bg"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    return (std::getenv("DISPLAY") && *std::getenv("DISPLAY")) ||
           (std::getenv("WAYLAND_DISPLAY") && *std::getenv("WAYLAND_DISPLAY"));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs((tremaro::captions::NoDisplay() + QLatin1Char('\n')).toUtf8().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(tremaro::captions::ProgramName());
    QApplication::setDesktopFileName(QStringLiteral("tremaro"));
    QTranslator translator;
    LoadBulgarianQtTexts(app, translator);

    tremaro::HelpLauncher help;
    tremaro::ConvertForm form(help);
    form.show();
    return app.exec();
}
