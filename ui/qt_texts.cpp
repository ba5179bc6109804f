#include "ui/qt_texts.h"

#include "platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace tremaro {

void LoadQtTexts(QCoreApplication& app, QTranslator& translator) {
    const QString file = QStringLiteral("qtbase_") + QString::fromStdString(LanguageShown());
    if (translator.load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

}  // namespace tremaro
