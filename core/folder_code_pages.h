#pragma once

#include "core/code_page_choice.h"

#include <span>
#include <string>
#include <vector>

namespace tremaro {

// The forms of one folder are one project's, written on one machine in one code page. A form
// whose own bytes say little (a few accented letters, no font naming a script) or nothing (ASCII
// alone) is read in the code page that the folder's other forms decide with certainty from their
// own text, the most frequent such one (the first among the files given on a tie). Every other
// form keeps its own decision, and so does every form of a folder where none is certain.
//
// One decision for each path, in their order; a file that cannot be read keeps the decision of
// no bytes, and its read reports the failure later.
std::vector<CodePageDecision> DecideCodePagesTogether(std::span<const std::string> paths);

// The same where the forms that belong together are named: paths[i] belongs with the forms
// whose key is keys[i] (a project's forms share its file's path, wherever their folders are),
// or, where keys[i] is empty, with the forms of its folder.
std::vector<CodePageDecision> DecideCodePagesTogether(std::span<const std::string> paths,
                                                      std::span<const std::string> keys);

}  // namespace tremaro
