#include "core/scale_command.h"

#include "core/console_port.h"
#include "core/correction.h"
#include "core/line_store.h"
#include "core/save_backup.h"
#include "platform/code_page.h"
#include "platform/unicode.h"


namespace tremaro {

namespace {

constexpr int kSuccess = 0;
constexpr int kFileFailed = 1;
constexpr int kRefused = 2;

constexpr const char* kUsage =
    "Употреба:\n"
    "  tremaro-scale ПРОЦЕНТ ФАЙЛ...\n"
    "      коригира всеки файл с процента и го записва; оригиналът остава\n"
    "      до него с разширение .bak\n"
    "  tremaro-scale --stdout ПРОЦЕНТ ФАЙЛ\n"
    "      извежда коригирания текст на стандартния изход, без да променя файла\n"
    "  tremaro-scale --help\n"
    "      показва тази помощ\n"
    "Процентът е от 20 до 500.\n";

// Messages break lines with CR LF as the window's message boxes do; a terminal wants LF.
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

int WrongCommandLine(std::ostream& err) {
    err << "Грешен команден ред.\n" << kUsage;
    return kRefused;
}

int CorrectToStandardOutput(const std::u16string& percent, const std::string& path, std::ostream& out,
                            std::ostream& err) {
    FormLines lines;
    if (const auto load = lines.LoadFormFile(path); load.status != FormLines::LoadStatus::Loaded) {
        PrintMessage(err, load.message);
        return kFileFailed;
    }
    ConsolePort port;
    const CorrectionOutcome outcome = RunCorrection(percent, lines, port);
    PrintMessage(err, port.LastMessage());
    if (outcome != CorrectionOutcome::Corrected)
        return kRefused;
    // Written a piece at a time: the whole form's bytes need not sit in memory at once.
    // The text was read through the code page, so every character has its byte.
    constexpr std::size_t kPiece = 64 * 1024;
    const std::u16string_view text = port.ViewText();
    std::string bytes;
    for (std::size_t start = 0; start < text.size(); start += kPiece) {
        bytes.clear();
        AppendEncodedCodePage(text.substr(start, kPiece), bytes);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    out.flush();
    return out ? kSuccess : kFileFailed;
}

bool CorrectAndSave(const std::u16string& percent, const std::string& path, std::ostream& out,
                    std::ostream& err) {
    FormLines lines;
    if (const auto load = lines.LoadFormFile(path); load.status != FormLines::LoadStatus::Loaded) {
        PrintMessage(err, load.message);
        return false;
    }
    ConsolePort port;
    if (RunCorrection(percent, lines, port) != CorrectionOutcome::Corrected) {
        PrintMessage(err, port.LastMessage());
        return false;
    }
    const bool saved = IsSaved(SaveWithBackup(path, port));
    PrintMessage(saved ? out : err, port.LastMessage());
    return saved;
}

}  // namespace

int RunScaleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << kUsage;
        return kSuccess;
    }
    const bool toStandardOutput = !arguments.empty() && arguments[0] == "--stdout";
    const std::size_t first = toStandardOutput ? 1 : 0;
    if (arguments.size() < first + 2 || (toStandardOutput && arguments.size() != 3))
        return WrongCommandLine(err);

    const std::u16string percent = Utf8ToUtf16(arguments[first]);
    if (!CorrectionFactorOf(percent)) {
        PrintMessage(err, kPercentRefusedMessage);
        return kRefused;
    }
    if (toStandardOutput)
        return CorrectToStandardOutput(percent, arguments[2], out, err);

    bool allSaved = true;
    for (std::size_t i = first + 1; i < arguments.size(); ++i)
        allSaved = CorrectAndSave(percent, arguments[i], out, err) && allSaved;
    return allSaved ? kSuccess : kFileFailed;
}

}  // namespace tremaro
