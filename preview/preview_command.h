#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tremaro {

// tremaro-preview PERCENT FILE OUT.png: the picture of FILE as read and as corrected by
// PERCENT, side by side at 100 %, with the new layout problems listed under them, written as
// a PNG. Nothing is written to FILE. Needs a QGuiApplication (the offscreen platform will do).
// Exit codes: 0 written, 1 FILE could not be read or OUT.png not written, 2 a wrong command
// line, a refused percent or a value out of range.
int RunPreviewCommand(const std::vector<std::string>& arguments, std::ostream& err);

}  // namespace tremaro
