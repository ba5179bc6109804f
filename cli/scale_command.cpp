#include "cli/scale_command.h"

#include "cli/command_texts.h"
#include "core/console_port.h"
#include "cli/standard_options.h"
#include "core/folder_code_pages.h"
#include "core/form_document.h"
#include "core/messages.h"
#include "platform/code_page.h"
#include "platform/file_ops.h"
#include "platform/folder_batch.h"
#include "platform/unicode.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>

namespace tremaro {

namespace {

int WrongCommandLine(std::ostream& err) {
    return tremaro::WrongCommandLine(err, command_texts::kScaleUsage);
}

// The operator's options, then the percent and the files (or, to show code pages, only the
// files). Options stand first; anything else (a negative percent too) is where the operands
// begin.
struct CommandLine {
    bool toStandardOutput = false;
    bool showCodePages = false;
    std::optional<std::string> codePageName;
    std::vector<std::string> operands;
    bool wellFormed = true;
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine commandLine;
    auto next = arguments.begin();
    for (; next != arguments.end(); ++next) {
        if (*next == "--stdout" && !commandLine.toStandardOutput) {
            commandLine.toStandardOutput = true;
        } else if (*next == "--show-code-page" && !commandLine.showCodePages) {
            commandLine.showCodePages = true;
        } else if (*next == "--code-page" && !commandLine.codePageName) {
            if (++next == arguments.end()) {
                commandLine.wellFormed = false;
                return commandLine;
            }
            commandLine.codePageName = *next;
        } else {
            break;
        }
    }
    commandLine.operands.assign(next, arguments.end());
    // The first "--" ends the options wherever it stands, before the percent or after it, as
    // it does for most commands; a second one is a file's name.
    const auto delimiter = std::find(commandLine.operands.begin(), commandLine.operands.end(), "--");
    if (delimiter != commandLine.operands.end())
        commandLine.operands.erase(delimiter);
    const std::size_t count = commandLine.operands.size();
    if (commandLine.showCodePages)
        commandLine.wellFormed = count >= 1 && !commandLine.toStandardOutput;
    else
        commandLine.wellFormed = commandLine.toStandardOutput ? count == 2 : count >= 2;
    return commandLine;
}

void WriteEncoded(std::u16string_view text, CodePage codePage, std::string& bytes, std::ostream& out) {
    bytes.clear();
    AppendEncoded(codePage, text, bytes);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The corrected lines, each followed by the ending it was read with, as a save writes the view. The text was read
// through the code page, so every character has its byte. The lines are gathered a piece at
// a time into one small buffer and encoded from there: neither the whole form's text nor its
// bytes are ever assembled, and a code page that needs a converter opens one per piece.
bool WriteLineBytes(const FormLines& lines, std::ostream& out) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::u16string piece;
    piece.reserve(kPiece);
    std::string bytes;
    for (int slot = 1; slot <= lines.LineCount(); ++slot) {
        piece += lines.Line(slot);
        piece += TextOf(lines.EndingOf(slot));
        if (piece.size() >= kPiece) {
            WriteEncoded(piece, lines.TextCodePage(), bytes, out);
            piece.clear();
        }
    }
    WriteEncoded(piece, lines.TextCodePage(), bytes, out);
    out.flush();
    return static_cast<bool>(out);
}

int CorrectToStandardOutput(const std::u16string& percent, const std::string& path,
                            std::optional<CodePageDecision> codePage, std::ostream& out, std::ostream& err) {
    ConsolePort port;
    port.ShowNoViewText();
    FormDocument form(port);
    if (form.Read(path, codePage) != FormLines::LoadStatus::Loaded) {
        PrintMessage(err, port.LastMessage());
        return kExitFileFailed;
    }
    const CorrectionOutcome outcome = form.Correct(percent);
    PrintMessage(err, port.LastMessage());
    if (outcome != CorrectionOutcome::Corrected)
        return kExitRefused;
    if (!WriteLineBytes(form.Lines(), out)) {
        PrintMessage(err, command_texts::kOutputNotWritten);
        return kExitFileFailed;
    }
    return kExitSuccess;
}

// What one file's correction and save said, and where it goes.
struct Report {
    bool toStandardOutput = false;
    std::string message;
};

// One file of a batch: its form, and what its save said once it ended.
struct BatchForm {
    ConsolePort port;
    FormDocument form{port};
    bool saved = false;
    Report report;
};

// Running the command confirms the save; a form that another program changed after it was
// read is refused (the question answered with Cancel, its text the failure's). A form saved
// with others waits for the batch's flush (true), and its save ends when the batch puts it in
// place; a form saved alone is saved as the window saves it, flushing its own files.
bool CorrectAndSave(const std::u16string& percent, const std::string& path, std::optional<CodePageDecision> codePage,
                    FolderBatch& batch, bool withOthers, BatchForm& file) {
    file.port.AnswerNextQuestion(PressedButton::Ok);
    file.port.AnswerNextQuestion(PressedButton::Cancel);
    const auto ended = [&file](SaveOutcome outcome) {
        file.saved = IsSaved(outcome);
        file.report = {file.saved, file.port.LastMessage()};
    };
    if (file.form.Read(path, codePage) != FormLines::LoadStatus::Loaded ||
        file.form.Correct(percent) != CorrectionOutcome::Corrected) {
        file.report = {false, file.port.LastMessage()};
        return false;
    }
    const SaveOutcome outcome = withOthers ? file.form.Save(&batch, ended) : file.form.Save(&batch);
    if (outcome == SaveOutcome::WaitsForBatch)
        return true;
    ended(outcome);
    return false;
}

std::vector<std::string> FoldersOf(std::span<const std::string> files) {
    std::vector<std::string> folders;
    for (const std::string& file : files)
        folders.push_back(FolderOf(FinalTarget(file)));
    return folders;
}

// The files are saved as one batch, and each is reported once the batch has flushed its
// folders: a form said to be saved is saved for good. A file's form is let go once its save
// has ended, so that a batch of thousands holds only the forms that wait.
bool CorrectAndSaveAll(const std::u16string& percent, std::span<const std::string> files,
                       const std::vector<std::optional<CodePageDecision>>& decisions, std::ostream& out,
                       std::ostream& err) {
    std::vector<Report> reports(files.size());
    std::vector<bool> saved(files.size());
    std::vector<std::pair<std::size_t, std::unique_ptr<BatchForm>>> waiting;
    const auto takeEnded = [&] {
        for (auto& [index, file] : waiting) {
            reports[index] = std::move(file->report);
            saved[index] = file->saved;
        }
        waiting.clear();
    };
    {
        FolderBatch batch(FoldersOf(files));
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (batch.Full()) {
                batch.PutWaitingInPlace();
                takeEnded();
            }
            waiting.emplace_back(i, std::make_unique<BatchForm>());
            if (!CorrectAndSave(percent, files[i], decisions[i], batch, files.size() > 1, *waiting.back().second)) {
                reports[i] = std::move(waiting.back().second->report);
                saved[i] = waiting.back().second->saved;
                waiting.pop_back();
            }
        }
        batch.Finish();
        takeEnded();
    }
    for (const Report& report : reports)
        PrintMessage(report.toStandardOutput ? out : err, report.message);
    return std::all_of(saved.begin(), saved.end(), [](bool each) { return each; });
}

// The code page each file is read in: the one the operator named, or what each form and the
// forms of its folder decide together (nothing: the form decides alone as it is read).
std::vector<std::optional<CodePageDecision>> CodePagesOf(std::span<const std::string> files,
                                                         std::optional<CodePage> named) {
    if (named)
        return std::vector<std::optional<CodePageDecision>>(files.size(), ChosenByHand(*named));
    if (files.size() == 1)
        return {std::nullopt};
    const std::vector<CodePageDecision> together = DecideCodePagesTogether(files);
    return {together.begin(), together.end()};
}

// One line for each file: its name, the code page it is read in, and whether the form itself
// or its folder decided it.
int ShowCodePages(std::span<const std::string> files, std::optional<CodePage> codePage, std::ostream& out,
                  std::ostream& err) {
    const auto decisions = CodePagesOf(files, codePage);
    bool allRead = true;
    for (std::size_t i = 0; i < files.size(); ++i) {
        ConsolePort port;
        port.ShowNoViewText();
        FormDocument form(port);
        if (form.Read(files[i], decisions[i]) != FormLines::LoadStatus::Loaded) {
            PrintMessage(err, port.LastMessage());
            allRead = false;
            continue;
        }
        const bool byFolder = form.CodePageDecided().basis == CodePageBasis::Folder;
        out << files[i] << '\t' << LowerCaseName(form.TextCodePage()) << '\t' << (byFolder ? "folder" : "own") << '\n';
    }
    out.flush();
    return allRead ? kExitSuccess : kExitFileFailed;
}

}  // namespace

int RunScaleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (const auto answered = AnswerStandardOption(arguments, "tremaro-scale", command_texts::kScaleUsage, out))
        return *answered;
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (!commandLine.wellFormed)
        return WrongCommandLine(err);
    std::optional<CodePage> codePage;
    if (commandLine.codePageName) {
        codePage = CodePageNamed(*commandLine.codePageName);
        if (!codePage) {
            PrintMessage(err, command_texts::UnknownCodePage(*commandLine.codePageName));
            return kExitRefused;
        }
    }
    if (commandLine.showCodePages)
        return ShowCodePages(commandLine.operands, codePage, out, err);

    const std::u16string percent = Utf8ToUtf16(commandLine.operands[0]);
    if (!CorrectionFactorOf(percent)) {
        PrintMessage(err, messages::kPercentRefused);
        return kExitRefused;
    }
    const auto files = std::span(commandLine.operands).subspan(1);
    const auto decisions = CodePagesOf(files, codePage);
    if (commandLine.toStandardOutput)
        return CorrectToStandardOutput(percent, files[0], decisions[0], out, err);

    return CorrectAndSaveAll(percent, files, decisions, out, err) ? kExitSuccess : kExitFileFailed;
}

}  // namespace tremaro
