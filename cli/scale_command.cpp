#include "cli/scale_command.h"

#include "cli/command_texts.h"
#include "cli/console_port.h"
#include "cli/standard_options.h"
#include "core/folder_code_pages.h"
#include "core/form_document.h"
#include "core/messages.h"
#include "core/vb_project.h"
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

constexpr int kSuccess = 0;
constexpr int kFileFailed = 1;
constexpr int kRefused = 2;

int WrongCommandLine(std::ostream& err) {
    PrintMessage(err, command_texts::kWrongCommandLine);
    err << command_texts::kScaleUsage;
    return kRefused;
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

// The corrected lines, each followed by CR LF, as a save writes the view. The text was read
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
        piece += u"\r\n";
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
        return kFileFailed;
    }
    const CorrectionOutcome outcome = form.Correct(percent);
    PrintMessage(err, port.LastMessage());
    if (outcome != CorrectionOutcome::Corrected)
        return kRefused;
    if (!WriteLineBytes(form.Lines(), out)) {
        PrintMessage(err, command_texts::kOutputNotWritten);
        return kFileFailed;
    }
    return kSuccess;
}

// What one file's correction and save said, and where it goes.
struct Report {
    bool toStandardOutput;
    std::string message;
};

// The forms of a run, in pieces: the forms of a project or group file are one piece, corrected
// together and saved all or none, since half a project scaled is a broken project; a form
// named on its own is a piece of its own, and its failure stops no other.
struct Piece {
    std::optional<std::string> project;  // the project or group file the forms come from
    std::vector<std::string> forms;
    std::vector<std::string> designers;  // listed by the project, never scaled
};

std::vector<Piece> PiecesOf(std::span<const std::string> files) {
    std::vector<Piece> pieces;
    for (const std::string& file : files) {
        if (!ListsForms(file)) {
            pieces.push_back({std::nullopt, {file}, {}});
            continue;
        }
        ProjectMembers members = MembersOfProjects(std::span(&file, 1));
        pieces.push_back({file, std::move(members.forms), std::move(members.designers)});
    }
    return pieces;
}

std::vector<std::string> FormsOf(const std::vector<Piece>& pieces) {
    std::vector<std::string> forms;
    for (const Piece& piece : pieces)
        forms.insert(forms.end(), piece.forms.begin(), piece.forms.end());
    return forms;
}

// A form read and corrected, waiting for its save. Running the command confirms the save; a
// form that another program changed after it was read is refused (the question answered with
// Cancel, its text the failure's).
struct CorrectedForm {
    std::unique_ptr<ConsolePort> port = std::make_unique<ConsolePort>();
    std::unique_ptr<FormDocument> form = std::make_unique<FormDocument>(*port);
};

// The corrected form, or nothing with the failure reported; a failed correction's message is
// about a line, so the report names the form.
std::optional<CorrectedForm> ReadAndCorrect(const std::u16string& percent, const std::string& path,
                                            std::optional<CodePageDecision> codePage, std::vector<Report>& reports) {
    CorrectedForm corrected;
    corrected.port->AnswerNextQuestion(PressedButton::Ok);
    corrected.port->AnswerNextQuestion(PressedButton::Cancel);
    if (corrected.form->Read(path, codePage) != FormLines::LoadStatus::Loaded) {
        reports.push_back({false, corrected.port->LastMessage()});
        return std::nullopt;
    }
    if (corrected.form->Correct(percent) != CorrectionOutcome::Corrected) {
        reports.push_back({false, command_texts::InForm(path, corrected.port->LastMessage())});
        return std::nullopt;
    }
    return corrected;
}

bool Save(CorrectedForm& corrected, FolderBatch& batch, std::vector<Report>& reports) {
    const bool saved = IsSaved(corrected.form->Save(&batch));
    reports.push_back({saved, corrected.port->LastMessage()});
    return saved;
}

// Every form of the project is corrected before the first is saved; a save that fails stops
// the rest, so that the report can say which forms are corrected and which are as they were.
bool CorrectAndSaveProject(const std::u16string& percent, const Piece& piece,
                           std::span<const std::optional<CodePageDecision>> decisions, FolderBatch& batch,
                           std::vector<Report>& reports) {
    for (const std::string& designer : piece.designers)
        reports.push_back({true, command_texts::DesignerNotScaled(designer)});
    std::vector<CorrectedForm> corrected;
    for (std::size_t i = 0; i < piece.forms.size(); ++i)
        if (auto form = ReadAndCorrect(percent, piece.forms[i], decisions[i], reports))
            corrected.push_back(std::move(*form));
    if (corrected.size() != piece.forms.size()) {
        reports.push_back({false, command_texts::ProjectNotSaved(*piece.project)});
        return false;
    }
    std::size_t saved = 0;
    while (saved < corrected.size() && Save(corrected[saved], batch, reports))
        ++saved;
    if (saved == corrected.size())
        return true;
    reports.push_back({false, command_texts::ProjectPartlySaved(*piece.project, saved, corrected.size())});
    return false;
}

bool CorrectAndSave(const std::u16string& percent, const Piece& piece,
                    std::span<const std::optional<CodePageDecision>> decisions, FolderBatch& batch,
                    std::vector<Report>& reports) {
    if (piece.project)
        return CorrectAndSaveProject(percent, piece, decisions, batch, reports);
    auto corrected = ReadAndCorrect(percent, piece.forms[0], decisions[0], reports);
    return corrected && Save(*corrected, batch, reports);
}

std::vector<std::string> FoldersOf(std::span<const std::string> files) {
    std::vector<std::string> folders;
    for (const std::string& file : files)
        folders.push_back(FolderOf(FinalTarget(file)));
    return folders;
}

// The files are saved as one batch, and each is reported once the batch has flushed its
// folders: a form said to be saved is saved for good.
bool CorrectAndSaveAll(const std::u16string& percent, const std::vector<Piece>& pieces,
                       const std::vector<std::optional<CodePageDecision>>& decisions, std::ostream& out,
                       std::ostream& err) {
    std::vector<Report> reports;
    bool allSaved = true;
    {
        FolderBatch batch(FoldersOf(FormsOf(pieces)));
        auto decided = std::span(decisions);
        for (const Piece& piece : pieces) {
            allSaved = CorrectAndSave(percent, piece, decided.first(piece.forms.size()), batch, reports) && allSaved;
            decided = decided.subspan(piece.forms.size());
        }
        batch.Finish();
    }
    for (const Report& report : reports)
        PrintMessage(report.toStandardOutput ? out : err, report.message);
    return allSaved;
}

// The code page each file is read in: the one the operator named, or what each form and the
// forms of its folder decide together (nothing: the form decides alone as it is read).
// A project's forms belong together wherever they are; other forms with their folder's.
std::vector<std::optional<CodePageDecision>> CodePagesOf(const std::vector<Piece>& pieces,
                                                         std::optional<CodePage> named) {
    const std::vector<std::string> forms = FormsOf(pieces);
    if (named)
        return std::vector<std::optional<CodePageDecision>>(forms.size(), ChosenByHand(*named));
    if (forms.size() == 1)
        return {std::nullopt};
    std::vector<std::string> keys;
    for (const Piece& piece : pieces)
        keys.insert(keys.end(), piece.forms.size(), piece.project.value_or(""));
    const std::vector<CodePageDecision> together = DecideCodePagesTogether(forms, keys);
    return {together.begin(), together.end()};
}

// One line for each file: its name, the code page it is read in, and whether the form itself
// or its folder decided it.
int ShowCodePages(const std::vector<Piece>& pieces, std::optional<CodePage> codePage, std::ostream& out,
                  std::ostream& err) {
    const auto decisions = CodePagesOf(pieces, codePage);
    const std::vector<std::string> files = FormsOf(pieces);
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
    return allRead ? kSuccess : kFileFailed;
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
            return kRefused;
        }
    }
    if (commandLine.showCodePages)
        return ShowCodePages(PiecesOf(commandLine.operands), codePage, out, err);

    const std::u16string percent = Utf8ToUtf16(commandLine.operands[0]);
    if (!CorrectionFactorOf(percent)) {
        PrintMessage(err, messages::kPercentRefused);
        return kRefused;
    }
    const auto files = std::span(commandLine.operands).subspan(1);
    if (commandLine.toStandardOutput) {
        // One form's bytes go out; a project has many.
        if (ListsForms(files[0]))
            return WrongCommandLine(err);
        const std::vector<Piece> form{{std::nullopt, {files[0]}, {}}};
        return CorrectToStandardOutput(percent, files[0], CodePagesOf(form, codePage)[0], out, err);
    }
    const std::vector<Piece> pieces = PiecesOf(files);
    return CorrectAndSaveAll(percent, pieces, CodePagesOf(pieces, codePage), out, err) ? kSuccess : kFileFailed;
}

}  // namespace tremaro
