#include "core/view_text.h"

#include "core/messages.h"
#include "platform/code_page.h"
#include "platform/text_lines.h"
#include "platform/unicode.h"

namespace tremaro {
namespace {

std::u16string CharacterAt(std::u16string_view text, std::size_t index) {
    const bool pair = text[index] >= 0xD800 && text[index] < 0xDC00 && index + 1 < text.size() &&
                      text[index + 1] >= 0xDC00 && text[index + 1] < 0xE000;
    return std::u16string(text.substr(index, pair ? 2 : 1));
}

}  // namespace

std::variant<std::string, UnsavableCharacter> EncodeViewText(std::u16string_view text, CodePage codePage) {
    std::string bytes;
    if (const auto bad = AppendEncoded(codePage, text, bytes))
        return UnsavableCharacter{CharacterAt(text, *bad), static_cast<int>(LineNumberAt(text, *bad))};
    return bytes;
}

Message UnsavableCharacterMessage(const std::string& formFileName, const UnsavableCharacter& found, CodePage codePage) {
    return messages::UnsavableCharacter(formFileName, Utf16ToUtf8(found.character), found.line,
                                        std::string(DisplayName(codePage)));
}

}  // namespace tremaro
