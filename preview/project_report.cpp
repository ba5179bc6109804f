#include "preview/project_report.h"

#include "cli/command_texts.h"
#include "platform/translation.h"

#include <algorithm>

namespace tremaro {

namespace {

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1em 2em;color:#222}"
    "section{border-top:1px solid #ccc;padding:.5em 0}"
    "h2{font-size:1.1em;font-family:monospace}"
    ".problems li{color:#a00}.clean{color:#060}.failure{color:#a60}"
    "img{max-width:100%;border:1px solid #ddd}";

// 0 problems first, then clean forms, then those not checked; each group in the order given.
int Rank(const ReportedForm& form) {
    if (!form.failure.empty())
        return 2;
    return form.problems.empty() ? 1 : 0;
}

void AppendForm(const ReportedForm& form, std::string& page) {
    page += "<section>\n<h2>" + Escaped(form.path) + "</h2>\n";
    if (!form.failure.empty()) {
        page += "<p class=\"failure\">" + Escaped(form.failure) + "</p>\n</section>\n";
        return;
    }
    if (form.problems.empty()) {
        page += "<p class=\"clean\">" + Escaped(command_texts::ReportNoNewProblems()) + "</p>\n";
    } else {
        page += "<ul class=\"problems\">\n";
        for (const std::string& problem : form.problems)
            page += "<li>" + Escaped(problem) + "</li>\n";
        page += "</ul>\n";
    }
    if (!form.picture.empty())
        page += "<img src=\"" + Escaped(form.picture) + "\" alt=\"" + Escaped(form.path) + "\"/>\n";
    page += "</section>\n";
}

}  // namespace

std::string ProjectReportPage(const std::vector<ReportedForm>& forms, const std::string& percent) {
    std::vector<const ReportedForm*> ordered;
    for (const ReportedForm& form : forms)
        ordered.push_back(&form);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ReportedForm* a, const ReportedForm* b) { return Rank(*a) < Rank(*b); });
    const auto withProblems = static_cast<std::size_t>(
        std::count_if(forms.begin(), forms.end(), [](const ReportedForm& form) { return Rank(form) == 0; }));

    const std::string title = command_texts::ReportTitle(percent);
    // The page says which language it is in, for the browser's fonts, hyphens and reader.
    std::string page = "<!DOCTYPE html>\n<html lang=\"" + LanguageShown() +
                       "\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" + Escaped(title) + "</title>\n<style>" +
                       kStyle + "</style>\n</head>\n<body>\n<h1>" + Escaped(title) + "</h1>\n<p>" +
                       Escaped(command_texts::ReportCount(withProblems, forms.size())) + "</p>\n";
    for (const ReportedForm* form : ordered)
        AppendForm(*form, page);
    page += "</body>\n</html>\n";
    return page;
}

}  // namespace tremaro
