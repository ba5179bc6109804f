#pragma once

#include "core/operator_port.h"

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace tremaro {

// The operator port where nobody sits at a window: the command line's, and the tests'. The
// view lives in memory, every message is kept in order for the front to print where it
// belongs, and a question (a message with OK and Cancel) is answered from a queue of
// answers, OK when the queue is empty (running the command is the operator's confirmation).
class ConsolePort final : public OperatorPort {
public:
    struct ShownMessage {
        MessageLines lines;
        MessageButtons buttons;
    };

    PressedButton ShowMessage(const MessageLines& lines, MessageButtons buttons) override;
    void SetViewText(std::u16string text) override {
        viewText_ = std::move(text);
        viewTextEdited_ = false;
    }
    std::u16string ViewTextToSave() override { return viewText_; }
    bool ViewTextEdited() override { return viewTextEdited_; }
    void SetTitle(const std::string& title) override { titles_.push_back(title); }

    bool ShowsViewText() const override { return showsViewText_; }

    // For a run that takes the form's text from its lines, never from the view.
    void ShowNoViewText() { showsViewText_ = false; }

    void AnswerNextQuestion(PressedButton answer) { answers_.push_back(answer); }

    // What the operator types into the view, for the tests.
    void EditViewText(std::u16string text) {
        viewText_ = std::move(text);
        viewTextEdited_ = true;
    }

    const std::u16string& ViewText() const { return viewText_; }
    const std::vector<ShownMessage>& Messages() const { return messages_; }
    MessageLines LastMessage() const { return messages_.empty() ? MessageLines() : messages_.back().lines; }
    const std::vector<std::string>& Titles() const { return titles_; }

private:
    std::u16string viewText_;
    bool viewTextEdited_ = false;
    bool showsViewText_ = true;
    std::vector<ShownMessage> messages_;
    std::vector<std::string> titles_;
    std::deque<PressedButton> answers_;
};

// Prints a message as a terminal wants it: the message boxes' CR LF breaks become LF, and
// the message ends with one.
void PrintMessage(std::ostream& stream, const std::string& message);
void PrintMessage(std::ostream& stream, const MessageLines& lines);

}  // namespace tremaro
