#include "cli/scale_command.h"

#include "cli/command_texts.h"
#include "cli/console_port.h"
#include "core/form_document.h"
#include "core/messages.h"
#include "platform/code_page.h"
#include "platform/unicode.h"

#include <algorithm>
#include <span>

namespace tremaro {

namespace {

constexpr int kSuccess = 0;
constexpr int kFileFailed = 1;
constexpr int kRefused = 2;

int WrongCommandLine(std::ostream& err) {
    PrintMessage(err, command_texts::kWrongCommandLine);
    err << command_texts::kScaleUsage;
    return kRefused;
}

// The operator's options, then the percent and the files. The one option stands first;
// anything else (a negative percent too) is where the operands begin.
struct CommandLine {
    bool toStandardOutput = false;
    std::vector<std::string> operands;
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine commandLine;
    auto next = arguments.begin();
    if (next != arguments.end() && *next == "--stdout") {
        commandLine.toStandardOutput = true;
        ++next;
    }
    commandLine.operands.assign(next, arguments.end());
    // The first "--" ends the options wherever it stands, before the percent or after it, as
    // it does for most commands; a second one is a file's name.
    const auto delimiter = std::find(commandLine.operands.begin(), commandLine.operands.end(), "--");
    if (delimiter != commandLine.operands.end())
        commandLine.operands.erase(delimiter);
    return commandLine;
}

bool IsWellFormed(const CommandLine& commandLine) {
    const std::size_t count = commandLine.operands.size();
    return commandLine.toStandardOutput ? count == 2 : count >= 2;
}

// The text was read through the code page, so every character has its byte. Written a
// piece at a time: the whole form's bytes need not sit in memory at once.
bool WriteViewBytes(std::u16string_view text, std::ostream& out) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::string bytes;
    for (std::size_t start = 0; start < text.size(); start += kPiece) {
        bytes.clear();
        AppendEncodedCodePage(text.substr(start, kPiece), bytes);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    out.flush();
    return static_cast<bool>(out);
}

int CorrectToStandardOutput(const std::u16string& percent, const std::string& path, std::ostream& out,
                            std::ostream& err) {
    ConsolePort port;
    FormDocument form(port);
    if (form.Read(path) != FormLines::LoadStatus::Loaded) {
        PrintMessage(err, port.LastMessage());
        return kFileFailed;
    }
    const CorrectionOutcome outcome = form.Correct(percent);
    PrintMessage(err, port.LastMessage());
    if (outcome != CorrectionOutcome::Corrected)
        return kRefused;
    if (!WriteViewBytes(port.ViewText(), out)) {
        PrintMessage(err, command_texts::kOutputNotWritten);
        return kFileFailed;
    }
    return kSuccess;
}

// Running the command confirms the save; a form that another program changed after it was
// read is refused (the question answered with Cancel, its text the failure's).
bool CorrectAndSave(const std::u16string& percent, const std::string& path, std::ostream& out, std::ostream& err) {
    ConsolePort port;
    port.AnswerNextQuestion(PressedButton::Ok);
    port.AnswerNextQuestion(PressedButton::Cancel);
    FormDocument form(port);
    if (form.Read(path) != FormLines::LoadStatus::Loaded || form.Correct(percent) != CorrectionOutcome::Corrected) {
        PrintMessage(err, port.LastMessage());
        return false;
    }
    const bool saved = IsSaved(form.Save());
    PrintMessage(saved ? out : err, port.LastMessage());
    return saved;
}

}  // namespace

int RunScaleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << command_texts::kScaleUsage;
        return kSuccess;
    }
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (!IsWellFormed(commandLine))
        return WrongCommandLine(err);

    const std::u16string percent = Utf8ToUtf16(commandLine.operands[0]);
    if (!CorrectionFactorOf(percent)) {
        PrintMessage(err, messages::kPercentRefused);
        return kRefused;
    }
    const auto files = std::span(commandLine.operands).subspan(1);
    if (commandLine.toStandardOutput)
        return CorrectToStandardOutput(percent, files[0], out, err);

    bool allSaved = true;
    for (const std::string& path : files)
        allSaved = CorrectAndSave(percent, path, out, err) && allSaved;
    return allSaved ? kSuccess : kFileFailed;
}

}  // namespace tremaro
