// Makes the README's pictures: the main window with a corrected form, and the help
// window. Run it under a display (scripts/screenshot.sh starts one with Xvfb).
#include "ui/convert_form.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: tremaro-screenshot FORM.frm OUTPUT-FOLDER\n", stderr);
        return 2;
    }
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_bg"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);

    tremaro::HelpLauncher help;
    tremaro::ConvertForm form(help);
    form.show();
    form.Chooser().SetNextAnswer(QString::fromLocal8Bit(argv[1]));
    form.findChild<QPushButton*>(QStringLiteral("cmdRead"))->click();
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("120"));
    form.Messages().SetNextAnswer(tremaro::PressedButton::Ok);
    form.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    form.findChild<QPushButton*>(QStringLiteral("cmdRead"))->setFocus();
    help.ShowHelp();

    const QString folder = QString::fromLocal8Bit(argv[2]);
    QTimer::singleShot(500, [&] {
        const bool saved = form.grab().save(folder + QStringLiteral("/main-window.png")) &&
                           help.Window()->grab().save(folder + QStringLiteral("/help-window.png"));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
