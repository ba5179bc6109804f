#pragma once

#include "core/operator_port.h"

#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace tremaro {

// Shows the program's message boxes: modal over their window, titled "Tremaro", without
// an icon, with the focus (which Enter and Space press) on the button the message's buttons
// name as the default. A test can queue the next answers; a queued answer is given without showing
// anything, and the message is kept in Shown() for the test to read.
class MessagePresenter {
public:
    struct Message {
        QString text;
        MessageButtons buttons;
    };

    PressedButton Show(QWidget* parent, const QString& text, MessageButtons buttons);

    void SetNextAnswer(PressedButton answer) { nextAnswers_.push_back(answer); }
    const std::vector<Message>& Shown() const { return shown_; }

private:
    std::deque<PressedButton> nextAnswers_;
    std::vector<Message> shown_;
};

}  // namespace tremaro
