#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// How the package's command-line programs end: every file done, a file that could not be
// read or written (the others still done), or nothing done for a wrong command line or a
// refused percent.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFileFailed = 1;
inline constexpr int kExitRefused = 2;

// The options every program of the package answers alike, alone on its command line:
// --help (or -h) prints its usage and --version its name and version, to standard output.
// Returns the exit status (0) when the arguments were one of them, nothing otherwise. A
// program without a usage text (null) answers --version only. The usage is asked for only
// when it is printed: looking it up in the operator's language would cost every run.
using UsageText = const char* (*)();
std::optional<int> AnswerStandardOption(const std::vector<std::string>& arguments, std::string_view program,
                                        UsageText usage, std::ostream& out);

// Says the command line is wrong and prints the program's usage to err; returns kExitRefused.
int WrongCommandLine(std::ostream& err, const char* usage);

}  // namespace tremaro
