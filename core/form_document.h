#pragma once

#include "core/correction.h"
#include "core/form_lines.h"
#include "core/operator_port.h"
#include "core/save_backup.h"

#include <optional>
#include <string>
#include <string_view>

namespace tremaro {

// The form file the operator is working on, and the three things the operator does with
// it: read it, correct it by a percent and save it with a backup. Each action tells the
// operator how it ended through the port and returns the same in a value, so the window and
// the command line drive one and the same story and differ only in how they show it.
//
// A read that fails leaves everything as it was: the lines, the file name and the view.
//
// The form has one text: the view's. What the operator typed there is taken into the lines
// before a correction works on them, and a save writes the view. The file's text as last
// read or saved is what tells whether the view holds work that a read would drop.
class FormDocument {
public:
    explicit FormDocument(OperatorPort& port) : port_(port) {}

    // Loads the file, shows its text in the view and names it in the title. The file is read
    // in the code page given, or else in the one its bytes tell.
    FormLines::LoadStatus Read(const std::string& path, std::optional<CodePageDecision> codePage = std::nullopt);

    // Shows the bytes last read again, read in another code page.
    FormLines::LoadStatus ReadAgainIn(CodePage codePage);

    // Corrects the text as it stands in the view, the operator's edits included. A view of
    // more lines than a form may have is refused as a file of them is (TooLong), and a refused
    // correction leaves the view as the operator left it.
    CorrectionOutcome Correct(std::u16string_view percentText, CorrectionChoices choices = {});

    // Writes the view's text (which the operator may have edited), each line with the ending
    // the form file gave it (FormLines::WithKeptEndings), over the file read last,
    // which must still be as it was read or as the last save left it, unless the operator
    // agrees to write over another program's change; once saved, that text is the file's.
    // In a batch, given ended, the save waits for the batch's flush (WaitsForBatch) and ended
    // is told its end; the document must last until then.
    SaveOutcome Save(FolderBatch* batch = nullptr, SaveEnded ended = nullptr);

    // Whether the view's text differs, line by line, from the form file's as last read or
    // saved. Never before a form has been read: there is nothing it could be saved to.
    bool HasUnsavedWork();

    // Asked before the view's text is dropped (another read, leaving): true when there is no
    // unsaved work, else whether the operator answered the question with OK.
    bool MayDropUnsavedWork();

    const FormLines& Lines() const { return lines_; }
    const std::string& FileName() const { return fileName_; }
    CodePage TextCodePage() const { return lines_.TextCodePage(); }
    const CodePageDecision& CodePageDecided() const { return lines_.CodePageDecided(); }

private:
    bool TakeEditedViewText();

    OperatorPort& port_;
    FormLines lines_;
    std::string fileName_;
};

}  // namespace tremaro
