#include "core/console_port.h"

namespace tremaro {

PressedButton ConsolePort::ShowMessage(const MessageLines& lines, MessageButtons buttons) {
    messages_.push_back({lines, buttons});
    if (!AsksQuestion(buttons) || answers_.empty())
        return PressedButton::Ok;
    const PressedButton answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void PrintMessage(std::ostream& stream, const std::string& message) {
    std::string text;
    text.reserve(message.size() + 1);
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n')
            continue;
        text.push_back(message[i]);
    }
    stream << text << '\n';
}

void PrintMessage(std::ostream& stream, const MessageLines& lines) {
    PrintMessage(stream, TextOf(lines));
}

}  // namespace tremaro
