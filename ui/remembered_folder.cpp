#include "ui/remembered_folder.h"

#include "ui/user_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tremaro {
namespace {

const QString kKey = QStringLiteral("lastFormFolder");

}  // namespace

QString RememberedFolder::FolderToStartIn() const {
    const QString folder = UserSettings().value(kKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void RememberedFolder::RememberFolderOf(const std::string& formPath) {
    UserSettings().setValue(kKey, QFileInfo(QFile::decodeName(formPath.c_str())).absolutePath());
}

}  // namespace tremaro
