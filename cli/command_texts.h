#pragma once

#include <cstddef>
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
// tremaro-preview --report: the page's title, its count, a clean form, and what could not be made.
std::string ReportTitle(const std::string& percent);
std::string ReportCount(std::size_t withProblems, std::size_t forms);
extern const char* const kReportNoNewProblems;
std::string ReportNotWritten(const std::string& path);
// A project's (or group's) forms are saved all or none.
std::string InForm(const std::string& path, const std::string& message);  // a failure, named by its form
std::string DesignerNotScaled(const std::string& path);
std::string ProjectNotSaved(const std::string& project);
std::string ProjectPartlySaved(const std::string& project, std::size_t saved, std::size_t forms);

}  // namespace tremaro::command_texts
