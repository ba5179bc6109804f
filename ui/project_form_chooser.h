#pragma once

#include "core/project_forms.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace tremaro {

// The dialog "Форми на проекта": the forms of a project, each by its file name (from the
// project's folder) and its caption, one row chosen to start with; Enter or a double click
// reads the chosen one, Esc reads none. A test can queue the next answers (a row, or nothing
// for Cancel); a queued answer is given without a dialog, and every list offered is kept in
// Offered() for the test to read.
class ProjectFormChooser {
public:
    struct Offer {
        QStringList files;
        QStringList captions;
        int startingRow = 0;
    };

    std::optional<std::size_t> ChooseForm(QWidget* parent, const QString& projectPath,
                                          const std::vector<ProjectForm>& forms, int startingRow);

    void SetNextAnswer(std::optional<std::size_t> row) { nextAnswers_.push_back(row); }
    const std::vector<Offer>& Offered() const { return offered_; }

private:
    std::deque<std::optional<std::size_t>> nextAnswers_;
    std::vector<Offer> offered_;
};

}  // namespace tremaro
