#pragma once

#include "core/operator_port.h"
#include "platform/code_page.h"

#include <string>
#include <string_view>
#include <variant>

namespace tremaro {

// What a save writes for the view's text (already broken with CR LF): its bytes in the
// form file's code page, or the first character that the code page cannot hold.
std::variant<std::string, UnsavableCharacter> EncodeViewText(std::u16string_view text, CodePage codePage);

Message UnsavableCharacterMessage(const std::string& formFileName, const UnsavableCharacter& found, CodePage codePage);

}  // namespace tremaro
