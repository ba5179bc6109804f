// Makes the README's pictures: the main window with a corrected form, the help window, and
// the layout preview the main window opens, in the language of the environment (LANG):
// main-window.png, help-window.png and preview-window.png in Bulgarian, with "-en" (the
// language's name) before ".png" in another. Run it under a display (scripts/screenshot.sh
// starts one with Xvfb).
#include "platform/translation.h"
#include "ui/convert_form.h"
#include "ui/help_window.h"
#include "ui/qt_texts.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <string>

namespace {

QString PictureName(const char* window) {
    const std::string language = tremaro::LanguageShown();
    const QString suffix = language == "bg" ? QString() : QStringLiteral("-") + QString::fromStdString(language);
    return QString::fromLatin1(window) + suffix + QStringLiteral(".png");
}

QWidget* PreviewWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmPreview") && window->isVisible())
            return window;
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    tremaro::UseLanguageOfEnvironment();
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: tremaro-screenshot FORM.frm OUTPUT-FOLDER\n", stderr);
        return 2;
    }
    QTranslator translator;
    tremaro::LoadQtTexts(app, translator);

    tremaro::HelpLauncher help;
    tremaro::ConvertForm form(help);
    form.show();
    form.Chooser().SetNextAnswer(QString::fromLocal8Bit(argv[1]));
    form.findChild<QPushButton*>(QStringLiteral("cmdRead"))->click();
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("120"));
    form.Messages().SetNextAnswer(tremaro::PressedButton::Ok);
    form.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    form.findChild<QPushButton*>(QStringLiteral("cmdRead"))->setFocus();
    form.findChild<QAction*>(QStringLiteral("previewForm"))->trigger();
    help.ShowHelp();

    const QString folder = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    QTimer::singleShot(500, [&] {
        QWidget* preview = PreviewWindow();
        const bool saved = form.grab().save(folder + PictureName("main-window")) &&
                           help.Window()->grab().save(folder + PictureName("help-window")) && preview &&
                           preview->grab().save(folder + PictureName("preview-window"));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
