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
class FormDocument {
public:
    explicit FormDocument(OperatorPort& port) : port_(port) {}

    // Loads the file, shows its text in the view and names it in the title.
    FormLines::LoadStatus Read(const std::string& path);

    CorrectionOutcome Correct(std::u16string_view percentText);

    // Writes the view's text (which the operator may have edited) over the file read last,
    // which must still be as it was read or as the last save left it, unless the operator
    // agrees to write over another program's change.
    SaveOutcome Save();

    const FormLines& Lines() const { return lines_; }
    const std::string& FileName() const { return fileName_; }

private:
    OperatorPort& port_;
    FormLines lines_;
    std::string fileName_;
    std::optional<FileRead> saved_;  // the form file as the last save wrote it
};

}  // namespace tremaro
