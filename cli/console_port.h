#pragma once

#include "core/operator_port.h"

#include <ostream>
#include <string>

namespace tremaro {

// The operator port of the command line: the view lives in memory, every question is
// answered OK (running the command is the operator's confirmation) and the last message
// is kept for the front to print where it belongs.
class ConsolePort final : public OperatorPort {
public:
    PressedButton ShowMessage(const std::string& text, MessageButtons) override {
        lastMessage_ = text;
        return PressedButton::Ok;
    }
    void SetViewText(std::u16string text) override { viewText_ = std::move(text); }
    std::u16string ViewTextToSave() override { return viewText_; }
    void SetTitle(const std::string&) override {}

    const std::u16string& ViewText() const { return viewText_; }
    const std::string& LastMessage() const { return lastMessage_; }

private:
    std::u16string viewText_;
    std::string lastMessage_;
};

// Prints a message as a terminal wants it: the message boxes' CR LF breaks become LF, and
// the message ends with one.
void PrintMessage(std::ostream& stream, const std::string& message);

}  // namespace tremaro
