#pragma once

#include <string>
#include <vector>

namespace tremaro {

// The page that lets a maintainer review a whole project's correction in a browser: every
// form with its picture before and after and its new problems, those with problems first,
// then the clean ones, then those that could not be checked, and a count at the top. Plain
// HTML and CSS: no script, nothing from the network, every picture named relative to the
// page, so that the folder can be sent as it is.
struct ReportedForm {
    std::string path;                   // the form file, as named
    std::string picture;                // its picture's file name beside the page; empty when none
    std::vector<std::string> problems;  // its new problems (UTF-8), the note of those unlisted last
    std::string failure;                // why it could not be checked; empty when it was
};

std::string ProjectReportPage(const std::vector<ReportedForm>& forms, const std::string& percent);

}  // namespace tremaro
