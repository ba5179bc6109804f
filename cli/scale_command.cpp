#include "cli/scale_command.h"

#include "cli/command_texts.h"
#include "cli/progress_line.h"
#include "core/console_port.h"
#include "cli/standard_options.h"
#include "core/folder_code_pages.h"
#include "core/form_document.h"
#include "core/messages.h"
#include "core/scale_factors.h"
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

int WrongCommandLine(std::ostream& err) {
    return tremaro::WrongCommandLine(err, command_texts::ScaleUsage());
}

// The operator's options, then the percent and the files (or, to show code pages, only the
// files). Options stand first; anything else (a negative percent too) is where the operands
// begin.
struct CommandLine {
    bool toStandardOutput = false;
    CorrectionChoices choices;
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
        } else if (*next == "--truetype" && !commandLine.choices.trueTypeFonts) {
            commandLine.choices.trueTypeFonts = true;
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
        commandLine.wellFormed = count >= 1 && !commandLine.toStandardOutput && !commandLine.choices.trueTypeFonts;
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

int CorrectToStandardOutput(const std::u16string& percent, CorrectionChoices choices, const std::string& path,
                            std::optional<CodePageDecision> codePage, std::ostream& out, std::ostream& err) {
    ConsolePort port;
    port.ShowNoViewText();
    FormDocument form(port);
    if (form.Read(path, codePage) != FormLines::LoadStatus::Loaded) {
        PrintMessage(err, port.LastMessage());
        return kExitFileFailed;
    }
    const CorrectionOutcome outcome = form.Correct(percent, choices);
    PrintMessage(err, port.LastMessage());
    if (outcome != CorrectionOutcome::Corrected)
        return kExitRefused;
    if (!WriteLineBytes(form.Lines(), out)) {
        PrintMessage(err, command_texts::OutputNotWritten());
        return kExitFileFailed;
    }
    return kExitSuccess;
}

// What one file's correction and save said, and where it goes.
struct Report {
    bool toStandardOutput = false;
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

// One file of a batch: its form, and what its save said once it ended. Running the command
// confirms the save; a form that another program changed after it was read is refused (the
// question answered with Cancel, its text the failure's).
struct BatchForm {
    BatchForm() {
        port.ShowNoViewText();  // nobody edits it: the save takes the lines themselves
        port.AnswerNextQuestion(PressedButton::Ok);
        port.AnswerNextQuestion(PressedButton::Cancel);
    }
    ConsolePort port;
    FormDocument form{port};
    bool saved = false;
    bool bitmapSansSerifTooSmall = false;  // the correction said so, and the save's report says it again
    Report report;
};

// Whether the form was read and corrected; if not, its report says why, and names the form
// where the message is only about a line.
bool ReadAndCorrect(const std::u16string& percent, CorrectionChoices choices, const std::string& path,
                    std::optional<CodePageDecision> codePage, BatchForm& file) {
    if (file.form.Read(path, codePage) != FormLines::LoadStatus::Loaded) {
        file.report = {false, TextOf(file.port.LastMessage())};
        return false;
    }
    if (file.form.Correct(percent, choices) != CorrectionOutcome::Corrected) {
        file.report = {false, command_texts::InForm(path, TextOf(file.port.LastMessage()))};
        return false;
    }
    const MessageLines finished = file.port.LastMessage();
    file.bitmapSansSerifTooSmall = !finished.empty() && finished.back().id == MessageId::BitmapSansSerifTooSmall;
    return true;
}

// A form saved with others waits for the batch's flush (true), and its save ends when the
// batch puts it in place; a form saved alone is saved as the window saves it, flushing its
// own files.
bool Save(FolderBatch& batch, bool withOthers, BatchForm& file) {
    const auto ended = [&file](SaveOutcome outcome) {
        file.saved = IsSaved(outcome);
        MessageLines lines = file.port.LastMessage();
        if (file.saved && file.bitmapSansSerifTooSmall)
            lines.push_back(messages::BitmapSansSerifTooSmall());
        file.report = {file.saved, TextOf(lines)};
    };
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

// The forms are saved as one batch, and each is reported once the batch has flushed its
// folders: a form said to be saved is saved for good. A file's form is let go once its save
// has ended, so that a batch of thousands holds only the forms that wait (and a project's
// forms, all corrected before the first is saved).
class BatchRun {
public:
    BatchRun(const std::u16string& percent, CorrectionChoices choices, const std::vector<Piece>& pieces,
             const std::vector<std::optional<CodePageDecision>>& decisions, std::ostream* terminal)
        : percent_(percent), choices_(choices), forms_(FormsOf(pieces)), decisions_(decisions), reports_(forms_.size()),
          saved_(forms_.size()), progress_(terminal, forms_.size()), batch_(FoldersOf(forms_)) {}

    // Corrects and saves each piece's forms, and lets the batch end.
    void Run(const std::vector<Piece>& pieces) {
        std::size_t first = 0;
        for (const Piece& piece : pieces) {
            CorrectAndSave(piece, first);
            first += piece.forms.size();
        }
        batch_.Finish();
        TakeEnded();
        progress_.Wipe();
    }

    // Prints every report; true where every form was saved.
    bool Report(const std::vector<Piece>& pieces, std::ostream& out, std::ostream& err) const {
        std::size_t first = 0;
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            const Piece& piece = pieces[p];
            for (const std::string& designer : piece.designers)
                PrintMessage(out, command_texts::DesignerNotScaled(designer));
            for (std::size_t i = first; i < first + piece.forms.size(); ++i)
                if (!reports_[i].message.empty())
                    PrintMessage(reports_[i].toStandardOutput ? out : err, reports_[i].message);
            if (piece.project)
                ReportProject(*piece.project, refused_[p], first, piece.forms.size(), err);
            first += piece.forms.size();
        }
        return std::all_of(saved_.begin(), saved_.end(), [](bool each) { return each; });
    }

private:
    void CorrectAndSave(const Piece& piece, std::size_t first) {
        std::vector<std::pair<std::size_t, std::unique_ptr<BatchForm>>> corrected;
        for (std::size_t i = first; i < first + piece.forms.size(); ++i) {
            progress_.At(i + 1, forms_[i]);
            auto file = std::make_unique<BatchForm>();
            if (ReadAndCorrect(percent_, choices_, forms_[i], decisions_[i], *file))
                corrected.emplace_back(i, std::move(file));
            else
                reports_[i] = std::move(file->report);
        }
        refused_.push_back(piece.project && corrected.size() != piece.forms.size());
        if (refused_.back())
            return;
        for (auto& [index, file] : corrected) {
            if (batch_.Full()) {
                batch_.PutWaitingInPlace();
                TakeEnded();
            }
            if (Save(batch_, forms_.size() > 1, *file)) {
                waiting_.emplace_back(index, std::move(file));
                continue;
            }
            reports_[index] = std::move(file->report);
            saved_[index] = file->saved;
        }
    }

    void TakeEnded() {
        for (auto& [index, file] : waiting_) {
            reports_[index] = std::move(file->report);
            saved_[index] = file->saved;
        }
        waiting_.clear();
    }

    // A project none of whose forms was saved, or only some.
    void ReportProject(const std::string& project, bool refused, std::size_t first, std::size_t count,
                       std::ostream& err) const {
        const auto begin = saved_.begin() + static_cast<std::ptrdiff_t>(first);
        const auto saved =
            static_cast<std::size_t>(std::count(begin, begin + static_cast<std::ptrdiff_t>(count), true));
        if (refused)
            PrintMessage(err, command_texts::ProjectNotSaved(project));
        else if (saved != count)
            PrintMessage(err, command_texts::ProjectPartlySaved(project, saved, count));
    }

    const std::u16string& percent_;
    CorrectionChoices choices_;
    std::vector<std::string> forms_;
    const std::vector<std::optional<CodePageDecision>>& decisions_;
    std::vector<tremaro::Report> reports_;
    std::vector<bool> saved_;
    std::vector<bool> refused_;  // for each piece: a project left whole since a form of it failed
    ProgressLine progress_;
    FolderBatch batch_;
    std::vector<std::pair<std::size_t, std::unique_ptr<BatchForm>>> waiting_;
};

bool CorrectAndSaveAll(const std::u16string& percent, CorrectionChoices choices, const std::vector<Piece>& pieces,
                       const std::vector<std::optional<CodePageDecision>>& decisions, std::ostream& out,
                       std::ostream& err, std::ostream* terminal) {
    BatchRun run(percent, choices, pieces, decisions, terminal);
    run.Run(pieces);
    return run.Report(pieces, out, err);
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
    return allRead ? kExitSuccess : kExitFileFailed;
}

}  // namespace

int RunScaleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    std::ostream* terminal) {
    if (const auto answered = AnswerStandardOption(arguments, "tremaro-scale", command_texts::ScaleUsage, out))
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
        return ShowCodePages(PiecesOf(commandLine.operands), codePage, out, err);

    const std::u16string percent = Utf8ToUtf16(commandLine.operands[0]);
    if (!ScaleFactorsOf(percent)) {
        PrintMessage(err, {messages::PercentRefused()});
        return kExitRefused;
    }
    const auto files = std::span(commandLine.operands).subspan(1);
    if (commandLine.toStandardOutput) {
        // One form's bytes go out; a project has many.
        if (ListsForms(files[0]))
            return WrongCommandLine(err);
        const std::vector<Piece> form{{std::nullopt, {files[0]}, {}}};
        return CorrectToStandardOutput(percent, commandLine.choices, files[0], CodePagesOf(form, codePage)[0], out,
                                       err);
    }
    const std::vector<Piece> pieces = PiecesOf(files);
    return CorrectAndSaveAll(percent, commandLine.choices, pieces, CodePagesOf(pieces, codePage), out, err, terminal)
               ? kExitSuccess
               : kExitFileFailed;
}

}  // namespace tremaro
