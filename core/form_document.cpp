#include "core/form_document.h"

#include "core/messages.h"
#include "core/scale_factors.h"
#include "core/view_text.h"
#include "platform/text_lines.h"

#include <memory>
#include <variant>

namespace tremaro {
namespace {

Message ReadFailureMessage(FormLines::LoadStatus status, const std::string& path) {
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

// The port a save writes through: the view's text with each line ended as the form file
// ended it, for the view shows every line ended alike.
class KeptEndingsPort final : public OperatorPort {
public:
    KeptEndingsPort(OperatorPort& port, const FormLines& lines) : port_(port), lines_(lines) {}

    PressedButton ShowMessage(const MessageLines& lines, MessageButtons buttons) override {
        return port_.ShowMessage(lines, buttons);
    }
    void SetViewText(std::u16string text) override { port_.SetViewText(std::move(text)); }
    // A front that shows no view (the command line's batch) saves the lines as they are.
    std::u16string ViewTextToSave() override {
        return port_.ShowsViewText() ? lines_.WithKeptEndings(port_.ViewTextToSave()) : lines_.AssembleFileText();
    }
    bool ViewTextEdited() override { return port_.ViewTextEdited(); }
    void SetTitle(const std::string& title) override { port_.SetTitle(title); }
    bool ShowsViewText() const override { return port_.ShowsViewText(); }

private:
    OperatorPort& port_;
    const FormLines& lines_;
};

}  // namespace

FormLines::LoadStatus FormDocument::Read(const std::string& path, std::optional<CodePageDecision> codePage) {
    const FormLines::LoadStatus status = lines_.LoadFormFile(path, codePage);
    if (status != FormLines::LoadStatus::Loaded) {
        port_.ShowMessage({ReadFailureMessage(status, path)}, MessageButtons::Ok);
        return status;
    }
    fileName_ = path;
    if (port_.ShowsViewText())
        port_.SetViewText(lines_.AssembleText());
    port_.SetTitle("Tremaro: " + path);
    return status;
}

FormLines::LoadStatus FormDocument::ReadAgainIn(CodePage codePage) {
    const FormLines::LoadStatus status = lines_.ReadAgainIn(codePage);
    if (status != FormLines::LoadStatus::Loaded) {
        port_.ShowMessage({ReadFailureMessage(status, fileName_)}, MessageButtons::Ok);
        return status;
    }
    if (port_.ShowsViewText())
        port_.SetViewText(lines_.AssembleText());
    return status;
}

CorrectionOutcome FormDocument::Correct(std::u16string_view percentText, CorrectionChoices choices) {
    // A refused percent is said before the view is looked at, as it always was.
    if (ScaleFactorsOf(percentText) && !TakeEditedViewText())
        return CorrectionOutcome::TooLong;
    return RunCorrection(percentText, lines_, port_, choices);
}

SaveOutcome FormDocument::Save(FolderBatch* batch, SaveEnded ended) {
    // A save that waits for its batch reports through the port when the batch has ended, so
    // the port and the file it wrote live as long as the save.
    auto written = std::make_shared<FileRead>();
    auto port = std::make_shared<KeptEndingsPort>(port_, lines_);
    auto takeWritten = [this, written](SaveOutcome outcome) {
        if (IsSaved(outcome))
            lines_.Written(std::move(*written));
    };
    if (batch && ended)
        return SaveWithBackup(fileName_, lines_.File(), *port, lines_.TextCodePage(), written.get(), batch,
                              [takeWritten, port, ended = std::move(ended)](SaveOutcome outcome) {
                                  takeWritten(outcome);
                                  ended(outcome);
                              });
    const SaveOutcome outcome =
        SaveWithBackup(fileName_, lines_.File(), *port, lines_.TextCodePage(), written.get(), batch);
    takeWritten(outcome);
    return outcome;
}

bool FormDocument::TakeEditedViewText() {
    if (!lines_.HasForm() || !port_.ViewTextEdited())
        return true;
    if (lines_.TakeText(port_.ViewTextToSave()))
        return true;
    port_.ShowMessage({messages::TooLong(fileName_)}, MessageButtons::Ok);
    return false;
}

bool FormDocument::HasUnsavedWork() {
    if (!lines_.HasForm())
        return false;
    const std::u16string view = port_.ViewTextToSave();
    const std::u16string file = lines_.TextInFile();
    return SplitIntoLines(view) != SplitIntoLines(file);
}

bool FormDocument::MayDropUnsavedWork() {
    return !HasUnsavedWork() ||
           port_.ShowMessage({messages::DropUnsavedWork()}, MessageButtons::OkCancelDefaultCancel) == PressedButton::Ok;
}

}  // namespace tremaro
