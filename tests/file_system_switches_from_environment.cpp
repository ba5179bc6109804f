#include "platform/system_calls.h"

#include <cstdlib>
#include <string>

// Linked only into tremaro-scale-switchable, the test build's twin of tremaro-scale, which
// the crash test kills: it lets the test take file system features away from a separate,
// statically linked program that no LD_PRELOAD shim can reach. tremaro-scale itself and
// the desktop program contain no code that reads this variable, so nothing in an
// installed program can be switched by accident.
//
// TREMARO_TEST_FILE_SYSTEM: a comma-separated list of no-hard-links, no-rename-noreplace
// and no-unnamed-temporary.
namespace {

const bool kSwitched = [] {
    const char* value = std::getenv("TREMARO_TEST_FILE_SYSTEM");
    if (!value)
        return false;
    const std::string list = std::string(",") + value + ",";
    tremaro::system::FileSystemSwitches switches;
    switches.noHardLinks = list.find(",no-hard-links,") != std::string::npos;
    switches.noRenameNoReplace = list.find(",no-rename-noreplace,") != std::string::npos;
    switches.noUnnamedTemporary = list.find(",no-unnamed-temporary,") != std::string::npos;
    tremaro::system::SetFileSystemSwitches(switches);
    return true;
}();

}  // namespace
