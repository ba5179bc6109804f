#pragma once

#include "core/operator_port.h"

#include <string>
#include <string_view>
#include <variant>

namespace tremaro {

// The bytes a save writes for the view's text (already broken with CR LF), or the first
// character that the form file's code page cannot hold, with its line.
std::variant<std::string, UnsavableCharacter> EncodeViewText(std::u16string_view text);

std::string UnsavableCharacterMessage(const std::string& formFileName, const UnsavableCharacter& found);

// A view that lives in memory: what the command line front and the tests show the
// operator instead of a window's text box.
class MemoryView {
public:
    void SetText(const std::u16string& text) { text_ = text; }
    const std::u16string& Text() const { return text_; }

    std::optional<UnsavableCharacter> FindUnsavableCharacter() const;
    ViewSaveResult SaveTo(const std::string& path, std::optional<FileMode> permissions) const;

private:
    std::u16string text_;
};

}  // namespace tremaro
