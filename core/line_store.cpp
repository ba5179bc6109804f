#include "core/line_store.h"

#include "platform/input_file.h"

namespace tremaro {
namespace {

std::string CannotReadMessage(const std::string& path) {
    return "Файлът " + path + " не може да бъде прочетен.";
}

std::string TooLongMessage(const std::string& path) {
    return "Файлът " + path + " е твърде дълъг: допустими са до 32766 реда.";
}

}  // namespace

FormLines::LoadResult FormLines::LoadFormFile(const std::string& path) {
    const auto file = InputFile::OpenForInput(path);
    if (!file)
        return {LoadStatus::CannotRead, CannotReadMessage(path)};

    std::vector<std::u16string> loaded(2);
    while (!file->AtEndOfFile()) {
        if (loaded.size() > static_cast<std::size_t>(kMaxLineCount))
            return {LoadStatus::TooLong, TooLongMessage(path)};
        std::u16string line;
        if (!file->ReadLine(line))
            return {LoadStatus::CannotRead, CannotReadMessage(path)};
        loaded.push_back(std::move(line));
    }
    // A read error also ends the file early; it must not pass for a short form.
    if (file->HasFailed())
        return {LoadStatus::CannotRead, CannotReadMessage(path)};

    slots_ = std::move(loaded);
    lineCount_ = static_cast<std::int16_t>(slots_.size() - 1);
    return {};
}

std::u16string FormLines::AssembleText() const {
    std::size_t length = 0;
    for (int slot = 1; slot <= lineCount_; ++slot)
        length += Line(slot).size() + 2;
    std::u16string text;
    text.reserve(length);
    for (int slot = 1; slot <= lineCount_; ++slot) {
        text += Line(slot);
        text += u"\r\n";
    }
    return text;
}

}  // namespace tremaro
