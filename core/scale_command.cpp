#include "core/scale_command.h"

#include "core/console_port.h"
#include "core/correction.h"
#include "core/line_store.h"
#include "core/save_backup.h"
#include "platform/unicode.h"

#include <variant>

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
    const auto bytes = EncodeViewText(port.ViewText());
    out << std::get<std::string>(bytes);  // read from the code page, so always writable
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
