#pragma once

#include <QString>

#include <deque>
#include <optional>

class QWidget;

namespace tremaro {

// The open dialog of the read button: Qt's own dialog (the same on every desktop), with
// the three file types and one of project files, and "*.frm" as the starting file name,
// listing the folder it is given.
// A test can queue the next answers (a path, or nothing for Cancel); a queued answer is given
// without a dialog.
class FileChooser {
public:
    std::optional<QString> ChooseFormFile(QWidget* parent, const QString& folder);

    void SetNextAnswer(std::optional<QString> answer) { nextAnswers_.push_back(std::move(answer)); }

private:
    std::deque<std::optional<QString>> nextAnswers_;
};

}  // namespace tremaro
