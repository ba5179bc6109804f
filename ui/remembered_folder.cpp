#include "ui/remembered_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace tremaro {
namespace {

const QString kKey = QStringLiteral("lastFormFolder");

QSettings Settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tremaro"), QStringLiteral("tremaro"));
}

}  // namespace

QString RememberedFolder::FolderToStartIn() const {
    const QString folder = Settings().value(kKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void RememberedFolder::RememberFolderOf(const std::string& formPath) {
    Settings().setValue(kKey, QFileInfo(QFile::decodeName(formPath.c_str())).absolutePath());
}

}  // namespace tremaro
