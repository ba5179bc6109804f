#include "ui/remembered_code_pages.h"

#include "ui/user_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace tremaro {
namespace {

// A folder's path as one settings key: its slashes would otherwise nest groups.
QString KeyOfFolderOf(const std::string& formPath) {
    const QString folder = QFileInfo(QFile::decodeName(formPath.c_str())).absolutePath();
    return QStringLiteral("codePageOfFolder/") + QString::fromLatin1(QUrl::toPercentEncoding(QDir::cleanPath(folder)));
}

}  // namespace

std::optional<CodePage> RememberedCodePages::ForFolderOf(const std::string& formPath) const {
    const QString name = UserSettings().value(KeyOfFolderOf(formPath)).toString();
    return name.isEmpty() ? std::nullopt : CodePageNamed(name.toStdString());
}

void RememberedCodePages::Remember(const std::string& formPath, CodePage page) {
    UserSettings().setValue(
        KeyOfFolderOf(formPath),
        QString::fromLatin1(LowerCaseName(page).data(), static_cast<qsizetype>(LowerCaseName(page).size())));
}

}  // namespace tremaro
