#include "core/form_document.h"

namespace tremaro {
namespace {

std::string ReadFailureMessage(FormLines::LoadStatus status, const std::string& path) {
    if (status == FormLines::LoadStatus::TooLong)
        return "Файлът " + path + " е твърде дълъг: допустими са до 32766 реда.";
    return "Файлът " + path + " не може да бъде прочетен.";
}

}  // namespace

FormLines::LoadStatus FormDocument::Read(const std::string& path) {
    const FormLines::LoadStatus status = lines_.LoadFormFile(path);
    if (status != FormLines::LoadStatus::Loaded) {
        port_.ShowMessage(ReadFailureMessage(status, path), MessageButtons::Ok);
        return status;
    }
    fileName_ = path;
    port_.SetViewText(lines_.AssembleText());
    port_.SetTitle("Tremaro: " + path);
    return status;
}

CorrectionOutcome FormDocument::Correct(std::u16string_view percentText) {
    return RunCorrection(percentText, lines_, port_);
}

SaveOutcome FormDocument::Save() {
    return SaveWithBackup(fileName_, port_);
}

}  // namespace tremaro
