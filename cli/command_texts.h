#pragma once

#include <string>
#include <string_view>

namespace tremaro::command_texts {

// The texts that the command line programs (tremaro-scale and tremaro-preview) and the
// window's own command line (tremaro --help) print of their own, in one place; what the core reports is in
// core/messages.h. The programs and the tests name them here instead of writing them again. A usage text ends with its
// LF; the others are one line each, printed with PrintMessage.

extern const char* const kScaleUsage;
extern const char* const kPreviewUsage;
extern const char* const kWindowUsage;
extern const char* const kWrongCommandLine;  // printed before the usage
extern const char* const kOutputNotWritten;  // tremaro-scale --stdout: the corrected bytes could not be written
extern const char* const kPictureNotDrawn;
std::string PictureNotWritten(const std::string& path);
std::string UnknownCodePage(const std::string& name);  // tremaro-scale --code-page NAME
std::string Version(std::string_view program);         // what PROGRAM --version prints, without its LF

}  // namespace tremaro::command_texts
