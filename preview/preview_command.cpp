#include "preview/preview_command.h"

#include "cli/command_texts.h"
#include "cli/standard_options.h"
#include "core/console_port.h"
#include "core/correction.h"
#include "core/form_document.h"
#include "core/messages.h"
#include "core/scale_factors.h"
#include "core/form_model.h"
#include "core/layout_problems.h"
#include "core/vb_project.h"
#include "platform/unicode.h"
#include "picture/form_picture.h"
#include "picture/picture_fonts.h"
#include "preview/project_report.h"

#include <QImage>
#include <QString>

#include <cerrno>
#include <sstream>

#include <cstdio>
#include <fstream>
#include <span>
#include <sys/stat.h>

namespace tremaro {
namespace {

int WrongCommandLine(std::ostream& err) {
    return tremaro::WrongCommandLine(err, command_texts::PreviewUsage());
}

// A form as read and as the correction makes it; or, when it could not be read or corrected,
// the exit status that says so, its message already printed.
struct Comparison {
    FormModel before;
    FormModel after;
    ScaleFactors factors;
    int failure = kExitSuccess;
};

// What the command corrects with: the percent and the operator's choices.
struct Correction {
    std::u16string percent;
    CorrectionChoices choices;
};

Comparison ReadAndCorrect(const Correction& correction, const std::string& path, int correctionRefused,
                          std::ostream& err) {
    // Both models are read from the lines themselves: nobody looks at a view.
    ConsolePort port;
    port.ShowNoViewText();
    FormDocument form(port);
    if (form.Read(path) != FormLines::LoadStatus::Loaded) {
        PrintMessage(err, port.LastMessage());
        return {{}, {}, {}, kExitFileFailed};
    }
    FormModel before = BuildFormModel(form.Lines());
    if (form.Correct(correction.percent, correction.choices) != CorrectionOutcome::Corrected) {
        err << path << ": ";  // the message names a line, not the file
        PrintMessage(err, port.LastMessage());
        return {{}, {}, {}, correctionRefused};
    }
    return {std::move(before), BuildFormModel(form.Lines()), *ScaleFactorsOf(correction.percent), kExitSuccess};
}

int WritePicture(const Correction& correction, const std::string& path, const std::string& picturePath,
                 std::ostream& err) {
    const Comparison forms = ReadAndCorrect(correction, path, kExitRefused, err);
    if (forms.failure != kExitSuccess)
        return forms.failure;
    PictureTextMeasure measure;
    const QImage picture = RenderComparison(
        forms.before, forms.after, FindNewLayoutProblems(forms.before, forms.after, forms.factors, &measure), 1.0);
    if (picture.isNull()) {
        PrintMessage(err, command_texts::PictureNotDrawn());
        return kExitFileFailed;
    }
    if (!picture.save(QString::fromLocal8Bit(picturePath.c_str()), "PNG")) {
        err << command_texts::PictureNotWritten(picturePath) << '\n';
        return kExitFileFailed;
    }
    return kExitSuccess;
}

// Each file's new problems, one to a line, and the line that closes a list cut short.
int ListProblems(const Correction& correction, std::span<const std::string> files, std::ostream& out,
                 std::ostream& err) {
    PictureTextMeasure measure;  // one for all the files: their fonts are mostly the same
    int status = kExitSuccess;
    for (const std::string& path : files) {
        const Comparison forms = ReadAndCorrect(correction, path, kExitFileFailed, err);
        if (forms.failure != kExitSuccess) {
            status = forms.failure;
            continue;
        }
        const LayoutProblems problems = FindNewLayoutProblems(forms.before, forms.after, forms.factors, &measure);
        for (const LayoutProblem& problem : problems.listed)
            out << path << ": " << TextOf(problem.message) << '\n';
        if (const auto more = UnlistedProblemsNote(problems))
            out << path << ": " << TextOf(*more) << '\n';
    }
    out.flush();
    if (!out) {
        PrintMessage(err, command_texts::OutputNotWritten());
        return kExitFileFailed;
    }
    return status;
}

std::string PictureName(std::size_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "form-%04zu.png", number);
    return name;
}

// One form of the report: its picture beside the page, and its problems; or why not.
ReportedForm ReportForm(const Correction& correction, const std::string& path, const std::string& folder,
                        std::size_t number, PictureTextMeasure& measure) {
    std::ostringstream failure;
    const Comparison forms = ReadAndCorrect(correction, path, kExitFileFailed, failure);
    if (forms.failure != kExitSuccess) {
        std::string said = failure.str();
        while (!said.empty() && said.back() == '\n')
            said.pop_back();
        return {path, {}, {}, said};
    }
    const LayoutProblems problems = FindNewLayoutProblems(forms.before, forms.after, forms.factors, &measure);
    ReportedForm reported{path, PictureName(number), {}, {}};
    for (const LayoutProblem& problem : problems.listed)
        reported.problems.push_back(TextOf(problem.message));
    if (const auto more = UnlistedProblemsNote(problems))
        reported.problems.push_back(TextOf(*more));
    const QImage picture = RenderComparison(forms.before, forms.after, problems, 1.0);
    const std::string picturePath = folder + "/" + reported.picture;
    if (picture.isNull())
        return {path, {}, {}, command_texts::PictureNotDrawn()};
    if (!picture.save(QString::fromLocal8Bit(picturePath.c_str()), "PNG"))
        return {path, {}, {}, command_texts::PictureNotWritten(picturePath)};
    return reported;
}

// The folder DIR gets each form's picture and index.html; what is there already of other
// names stays.
int WriteReport(const std::string& folder, const Correction& correction, std::span<const std::string> files,
                std::ostream& err) {
    const std::string page = folder + "/index.html";
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        PrintMessage(err, command_texts::ReportNotWritten(page));
        return kExitFileFailed;
    }
    PictureTextMeasure measure;
    std::vector<ReportedForm> reported;
    int status = kExitSuccess;
    for (const std::string& path : files) {
        reported.push_back(ReportForm(correction, path, folder, reported.size() + 1, measure));
        if (!reported.back().failure.empty()) {
            PrintMessage(err, reported.back().failure);
            status = kExitFileFailed;
        }
    }
    std::ofstream file(page, std::ios::binary | std::ios::trunc);
    file << ProjectReportPage(reported, Utf16ToUtf8(correction.percent));
    file.close();
    if (!file) {
        PrintMessage(err, command_texts::ReportNotWritten(page));
        return kExitFileFailed;
    }
    return status;
}

}  // namespace

int RunPreviewCommand(const std::vector<std::string>& allArguments, std::ostream& out, std::ostream& err) {
    // --truetype stands first, as tremaro-scale's options do.
    const bool trueTypeFonts = !allArguments.empty() && allArguments[0] == "--truetype";
    const auto arguments = std::span(allArguments).subspan(trueTypeFonts ? 1 : 0);
    const bool listing = !arguments.empty() && arguments[0] == "--problems";
    const bool reporting = !arguments.empty() && arguments[0] == "--report";
    if (reporting ? arguments.size() < 4 : listing ? arguments.size() < 3 : arguments.size() != 3)
        return WrongCommandLine(err);
    const Correction correction{Utf8ToUtf16(arguments[reporting ? 2 : listing ? 1 : 0]), {trueTypeFonts}};
    if (!ScaleFactorsOf(correction.percent)) {
        PrintMessage(err, {messages::PercentRefused()});
        return kExitRefused;
    }
    if (reporting)
        return WriteReport(arguments[1], correction, FormsNamedBy(arguments.subspan(3)), err);
    if (listing)
        return ListProblems(correction, FormsNamedBy(arguments.subspan(2)), out, err);
    return WritePicture(correction, arguments[1], arguments[2], err);
}

}  // namespace tremaro
