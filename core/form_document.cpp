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
    case FormLines::LoadStatus::ChangedWhileRead:
        return messages::ChangedWhileRead(path);
    default:
        return messages::CannotRead(path);
    }
}

}  // namespace

FormLines::LoadStatus FormDocument::Read(const std::string& path) {
    const FormLines::LoadStatus status = lines_.LoadFormFile(path);
    if (status != FormLines::LoadStatus::Loaded) {
        port_.ShowMessage(ReadFailureMessage(status, path), MessageButtons::Ok);
        return status;
    }
    fileName_ = path;
    saved_.reset();
    port_.SetViewText(lines_.AssembleText());
    port_.SetTitle("Tremaro: " + path);
    return status;
}

CorrectionOutcome FormDocument::Correct(std::u16string_view percentText) {
    return RunCorrection(percentText, lines_, port_);
}

SaveOutcome FormDocument::Save() {
    FileRead written;
    const SaveOutcome outcome = SaveWithBackup(fileName_, saved_ ? *saved_ : lines_.FileAsRead(), port_, &written);
    if (IsSaved(outcome))
        saved_ = std::move(written);
    return outcome;
}

}  // namespace tremaro
