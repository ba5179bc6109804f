#include "platform/text_ops.h"

#include <algorithm>

namespace tremaro {

std::size_t FindText(std::u16string_view text, std::u16string_view key) {
    const auto index = text.find(key);
    return index == std::u16string_view::npos ? 0 : index + 1;
}

std::u16string_view ExtractText(std::u16string_view text, std::size_t start, std::size_t maximum) {
    if (start == 0 || start > text.size())
        return {};
    return text.substr(start - 1, maximum);
}

void OverwriteText(std::u16string& text, std::size_t start, std::u16string_view piece,
                   std::size_t maximum) {
    if (start == 0 || start > text.size())
        return;
    const std::size_t count = std::min({maximum, piece.size(), text.size() - (start - 1)});
    std::copy_n(piece.begin(), count, text.begin() + static_cast<std::ptrdiff_t>(start - 1));
}

}  // namespace tremaro
