#include "preview/preview_command.h"

#include "cli/console_port.h"
#include "core/form_document.h"
#include "core/messages.h"
#include "core/form_model.h"
#include "core/layout_problems.h"
#include "platform/unicode.h"
#include "ui/form_picture.h"

#include <QImage>
#include <QString>

namespace tremaro {
namespace {

constexpr int kWritten = 0;
constexpr int kFileFailed = 1;
constexpr int kRefused = 2;

constexpr const char* kUsage =
    "Употреба:\n"
    "  tremaro-preview ПРОЦЕНТ ФАЙЛ КАРТИНА.png\n"
    "      рисува формата от ФАЙЛ преди и след корекцията с процента и записва\n"
    "      картината; ФАЙЛ не се променя\n"
    "Процентът е от 20 до 500.\n";

}  // namespace

int RunPreviewCommand(const std::vector<std::string>& arguments, std::ostream& err) {
    if (arguments.size() != 3) {
        err << "Грешен команден ред.\n" << kUsage;
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
    const QImage picture = RenderComparison(before, after, FindNewLayoutProblems(before, after), 1.0);
    if (picture.isNull()) {
        err << "Картината не може да бъде нарисувана: няма достатъчно памет.\n";
        return kFileFailed;
    }
    if (!picture.save(QString::fromLocal8Bit(arguments[2].c_str()), "PNG")) {
        err << "Картината не може да бъде записана: " << arguments[2] << '\n';
        return kFileFailed;
    }
    return kWritten;
}

}  // namespace tremaro
