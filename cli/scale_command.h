#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tremaro {

// tremaro-scale, the command line front of the core:
//   tremaro-scale [--] PERCENT FILE...        corrects and saves each file with its backup
//   tremaro-scale --stdout [--] PERCENT FILE  writes the corrected bytes to out, touches nothing
// A FILE that is a VB project or group stands for its forms, corrected all before the first is
// saved, and saved all or none. "--" ends the options, so that a file named like one can follow it. Reports go to out,
// failures to err. Exit codes: 0 success, 1 a file could not be read or saved, 2 a wrong
// command line, a refused percent or (with --stdout) a value out of range.
// terminal: standard error where it is a terminal, on which a run of several forms that takes
// more than a second shows which form it is at; nothing elsewhere.
// --truetype has the forms' fonts name the TrueType twins of MS Sans Serif and Courier
// (CorrectionChoices).
int RunScaleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    std::ostream* terminal = nullptr);

}  // namespace tremaro
