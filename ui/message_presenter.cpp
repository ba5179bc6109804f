#include "ui/message_presenter.h"

#include "picture/captions.h"

#include <QMessageBox>

namespace tremaro {

PressedButton MessagePresenter::Show(QWidget* parent, const QString& text, MessageButtons buttons) {
    if (!nextAnswers_.empty()) {
        shown_.push_back({text, buttons});
        const PressedButton answer = nextAnswers_.front();
        nextAnswers_.pop_front();
        return answer;
    }
    QMessageBox box(QMessageBox::NoIcon, captions::ProgramName(), text,
                    buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setDefaultButton(buttons == MessageButtons::OkCancelDefaultCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    box.setWindowModality(Qt::WindowModal);
    return box.exec() == QMessageBox::Ok ? PressedButton::Ok : PressedButton::Cancel;
}

}  // namespace tremaro
