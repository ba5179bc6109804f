#include "preview/preview_command.h"

#include "cli/command_texts.h"
#include "cli/console_port.h"
#include "core/form_document.h"
#include "core/messages.h"
#include "core/form_model.h"
#include "core/layout_problems.h"
#include "platform/unicode.h"
#include "ui/form_picture.h"
#include "ui/picture_fonts.h"

#include <QImage>
#include <QString>

namespace tremaro {
namespace {

constexpr int kWritten = 0;
constexpr int kFileFailed = 1;
constexpr int kRefused = 2;

}  // namespace

int RunPreviewCommand(const std::vector<std::string>& arguments, std::ostream& err) {
    if (arguments.size() != 3) {
        PrintMessage(err, command_texts::kWrongCommandLine);
        err << command_texts::kPreviewUsage;
        return kRefused;
    }
    const std::u16string percent = Utf8ToUtf16(arguments[0]);
    if (!CorrectionFactorOf(percent)) {
        PrintMessage(err, messages::kPercentRefused);
        return kRefused;
    }
    ConsolePort port;
    FormDocument form(port);
    if (form.Read(arguments[1]) != FormLines::LoadStatus::Loaded) {
        PrintMessage(err, port.LastMessage());
        return kFileFailed;
    }
    const std::u16string beforeText = port.ViewText();
    if (form.Correct(percent) != CorrectionOutcome::Corrected) {
        PrintMessage(err, port.LastMessage());
        return kRefused;
    }
    const FormModel before = BuildFormModel(std::u16string_view(beforeText));
    const FormModel after = BuildFormModel(std::u16string_view(port.ViewText()));
    PictureTextMeasure measure;
    const QImage picture = RenderComparison(before, after, FindNewLayoutProblems(before, after, &measure), 1.0);
    if (picture.isNull()) {
        PrintMessage(err, command_texts::kPictureNotDrawn);
        return kFileFailed;
    }
    if (!picture.save(QString::fromLocal8Bit(arguments[2].c_str()), "PNG")) {
        err << command_texts::PictureNotWritten(arguments[2]) << '\n';
        return kFileFailed;
    }
    return kWritten;
}

}  // namespace tremaro
