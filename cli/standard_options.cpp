#include "cli/standard_options.h"

#include "cli/command_texts.h"
#include "core/console_port.h"

namespace tremaro {

std::optional<int> AnswerStandardOption(const std::vector<std::string>& arguments, std::string_view program,
                                        UsageText usage, std::ostream& out) {
    if (arguments.size() != 1)
        return std::nullopt;
    if (arguments[0] == "--version") {
        out << command_texts::Version(program) << '\n';
        return kExitSuccess;
    }
    if (usage && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << usage();
        return kExitSuccess;
    }
    return std::nullopt;
}

int WrongCommandLine(std::ostream& err, const char* usage) {
    PrintMessage(err, command_texts::WrongCommandLine());
    err << usage;
    return kExitRefused;
}

}  // namespace tremaro
