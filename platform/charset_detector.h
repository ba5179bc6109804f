#pragma once

#include <string>
#include <string_view>

namespace tremaro {

// What the statistical detector (uchardet) hears in a sample of text: the name of a character
// set as it spells them ("WINDOWS-1253", "GB18030", "SHIFT_JIS", "ASCII"), or nothing when it
// heard nothing or could not run. It is one witness among several: it errs on short texts.
std::string DetectedCharsetName(std::string_view sample);

}  // namespace tremaro
