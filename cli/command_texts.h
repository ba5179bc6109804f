#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tremaro::command_texts {

// The texts that the command line programs (tremaro-scale and tremaro-preview) and the
// window's own command line (tremaro --help) print of their own, in one place; what the core
// reports is in core/messages.h. Each is looked up in the operator's language when it is
// asked for (platform/translation.h), never before: the language is chosen in main. A usage
// text ends with its LF; the others are one line each, printed with PrintMessage.

const char* ScaleUsage();
const char* PreviewUsage();
const char* WindowUsage();
const char* WrongCommandLine();  // printed before the usage
const char* OutputNotWritten();  // tremaro-scale --stdout: the corrected bytes could not be written
const char* PictureNotDrawn();
std::string PictureNotWritten(const std::string& path);
std::string UnknownCodePage(const std::string& name);  // tremaro-scale --code-page NAME
std::string Version(std::string_view program);         // what PROGRAM --version prints, without its LF
// tremaro-preview --report: the page's title, its count, a clean form, and what could not be made.
std::string ReportTitle(const std::string& percent);
std::string ReportCount(std::size_t withProblems, std::size_t forms);
const char* ReportNoNewProblems();
std::string ReportNotWritten(const std::string& path);
// A project's (or group's) forms are saved all or none.
std::string InForm(const std::string& path, const std::string& message);  // a failure, named by its form
std::string DesignerNotScaled(const std::string& path);
std::string ProjectNotSaved(const std::string& project);
std::string ProjectPartlySaved(const std::string& project, std::size_t saved, std::size_t forms);

}  // namespace tremaro::command_texts
