#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tremaro {

// tremaro-preview PERCENT FILE OUT.png: the picture of FILE as read and as corrected by
// PERCENT, side by side at 100 %, with the new layout problems listed under them, written as
// a PNG. Exit codes: 0 written, 1 FILE could not be read or OUT.png not written, 2 a wrong
// command line, a refused percent or a value out of range.
//
// tremaro-preview --problems PERCENT FILE...: for each file, each layout problem the
// correction by PERCENT would bring, on a line "FILE: text" on out; nothing for a file
// without any. A file that cannot be read or corrected is reported on err and the others are
// still checked. Exit codes: 0 every file checked, 1 a file could not be read or corrected or
// out not written, 2 a wrong command line or a refused percent.
//
// tremaro-preview --report DIR PERCENT FILE...: each file's picture in DIR and DIR/index.html,
// the page that shows them with their problems (see project_report.h). Exit codes as for
// --problems, 1 also when the page or a picture could not be written.
//
// A FILE that is a VB project or group stands for its forms.
//
// Nothing is written to FILE. Needs a QGuiApplication (the offscreen platform will do).
int RunPreviewCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tremaro
