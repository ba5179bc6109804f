#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// The options every program of the package answers alike, alone on its command line:
// --help (or -h) prints its usage and --version its name and version, to standard output.
// Returns the exit status (0) when the arguments were one of them, nothing otherwise. A
// program without a usage text (null) answers --version only.
std::optional<int> AnswerStandardOption(const std::vector<std::string>& arguments, std::string_view program,
                                        const char* usage, std::ostream& out);

}  // namespace tremaro
