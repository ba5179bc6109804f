#pragma once

#include "platform/code_page.h"

#include <optional>
#include <string>

namespace tremaro {

// The code page the operator chose by hand for a form, remembered for every form of its folder
// (one project's forms, written in one code page) and kept between runs in the user's
// settings. A form read from that folder is read in it, whatever its own bytes would say.
class RememberedCodePages {
public:
    std::optional<CodePage> ForFolderOf(const std::string& formPath) const;
    void Remember(const std::string& formPath, CodePage page);
};

}  // namespace tremaro
