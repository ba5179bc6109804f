#include "core/form_document.h"

#include "core/messages.h"

namespace tremaro {
namespace {

std::string ReadFailureMessage(FormLines::LoadStatus status, const std::string& path) {
    switch (status) {
    case FormLines::LoadStatus::TooLarge:
        return messages::TooLarge(path);
    case FormLines::LoadStatus::TooLong:
        return messages::TooLong(path);
    default:
        return messages::CannotRead(path);
    }
}

}  // namespace

FormLines::LoadStatus FormDocument::Read(const std::string& path, std::optional<CodePage> codePage) {
    const FormLines::LoadStatus status = lines_.LoadFormFile(path, codePage);
    if (status != FormLines::LoadStatus::Loaded) {
        port_.ShowMessage(ReadFailureMessage(status, path), MessageButtons::Ok);
        return status;
    }
    fileName_ = path;
    port_.SetViewText(lines_.AssembleText());
    port_.SetTitle("Tremaro: " + path);
    return status;
}

FormLines::LoadStatus FormDocument::ReadAgainIn(CodePage codePage) {
    const FormLines::LoadStatus status = lines_.ReadAgainIn(codePage);
    if (status != FormLines::LoadStatus::Loaded) {
        port_.ShowMessage(ReadFailureMessage(status, fileName_), MessageButtons::Ok);
        return status;
    }
    port_.SetViewText(lines_.AssembleText());
    return status;
}

CorrectionOutcome FormDocument::Correct(std::u16string_view percentText) {
    return RunCorrection(percentText, lines_, port_);
}

SaveOutcome FormDocument::Save() {
    return SaveWithBackup(fileName_, port_, lines_.TextCodePage());
}

}  // namespace tremaro
