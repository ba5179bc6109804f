#include "ui/file_chooser.h"

#include "picture/captions.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

namespace tremaro {
namespace {

// The starting file name is a pattern, as in the classic open dialog: until the operator
// picks a file type, the list shows the folders and the files that match it.
class StartingPatternFilter final : public QSortFilterProxyModel {
public:
    explicit StartingPatternFilter(const QString& pattern, QObject* parent)
        : QSortFilterProxyModel(parent), pattern_(QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive)) {}

    void ShowEveryType() {
        active_ = false;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!active_ || !files)
            return true;
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || pattern_.match(files->fileName(index)).hasMatch();
    }

    // Folders before files, names alphabetically whatever their case.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || left.column() != 0)
            return QSortFilterProxyModel::lessThan(left, right);
        if (files->isDir(left) != files->isDir(right))
            return files->isDir(left);
        return files->fileName(left).compare(files->fileName(right), Qt::CaseInsensitive) < 0;
    }

private:
    QRegularExpression pattern_;
    bool active_ = true;
};

}  // namespace

std::optional<QString> FileChooser::ChooseFormFile(QWidget* parent, const QString& folder) {
    if (!nextAnswers_.empty()) {
        const std::optional<QString> answer = std::move(nextAnswers_.front());
        nextAnswers_.pop_front();
        return answer;
    }
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({captions::AllFilesType(), captions::RichTextFilesType(), captions::TextFilesType(),
                           captions::ProjectFilesType()});
    dialog.selectNameFilter(captions::AllFilesType());
    auto* startingPattern = new StartingPatternFilter(captions::FormFilesPattern(), &dialog);
    dialog.setProxyModel(startingPattern);
    dialog.setDirectory(folder);
    QObject::connect(&dialog, &QFileDialog::filterSelected, startingPattern, &StartingPatternFilter::ShowEveryType);
    dialog.selectFile(captions::FormFilesPattern());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace tremaro
