#pragma once

#include "core/code_page_choice.h"

#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// The forms of a project or group file as the operator chooses one of them to read: each with
// the caption its window bears, so that a form is found by what it shows rather than by its
// file's name, and the code page it is to be read in, which the project's forms decide
// together (DecideCodePagesTogether), as the command line reads them. A form the project lists
// that is not there is listed all the same: reading it says so.
struct ProjectForm {
    std::string path;
    std::u16string caption;  // empty where the form has none, or is not there
    bool found = false;      // whether a file is there under path
    CodePageDecision codePage;
};
std::vector<ProjectForm> FormsOfProject(const std::string& listingPath);

// The Caption of the form itself (not of a control) in a form's text: only the lines before
// its first control are looked at, which the designer writes at the file's head.
std::u16string OwnCaptionOf(std::string_view formBytes, CodePage page);

}  // namespace tremaro
