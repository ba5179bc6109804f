#pragma once

#include <string>

namespace tremaro {

// A form file as the designer writes them, exactly lineCount lines long (CR LF, Windows-1251):
// a form with frames, nested controls, font blocks, Booleans, hidden-tab controls and
// ActiveX sizes, then the code section. The same seed gives the same file.
std::string GenerateSampleForm(int lineCount, unsigned seed = 1);

}  // namespace tremaro
