#include "platform/text_ops.h"

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tremaro {
namespace {

#ifdef __SSE2__
// A bit for each byte of the sixteen from at that is not a blank or a tab: two bits a
// character where the bytes are UTF-16.
unsigned NotBlankBytes(const void* at, bool wide) {
    const __m128i block = _mm_loadu_si128(static_cast<const __m128i*>(at));
    const __m128i blanks =
        wide ? _mm_or_si128(_mm_cmpeq_epi16(block, _mm_set1_epi16(' ')), _mm_cmpeq_epi16(block, _mm_set1_epi16('\t')))
             : _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(block, _mm_set1_epi8('\t')));
    return ~static_cast<unsigned>(_mm_movemask_epi8(blanks)) & 0xFFFFu;
}
#endif

template <typename Char>
std::size_t CountLeadingBlanks(std::basic_string_view<Char> text) {
    std::size_t count = 0;
#ifdef __SSE2__
    constexpr std::size_t kBlock = 16 / sizeof(Char);
    for (; count + kBlock <= text.size(); count += kBlock)
        if (const unsigned others = NotBlankBytes(text.data() + count, sizeof(Char) == 2); others != 0)
            return count + static_cast<std::size_t>(__builtin_ctz(others)) / sizeof(Char);
#endif
    while (count < text.size() && IsBlank(static_cast<char16_t>(text[count])))
        ++count;
    return count;
}

template <typename Char>
std::size_t CountTrailingBlanks(std::basic_string_view<Char> text) {
    std::size_t count = 0;
#ifdef __SSE2__
    constexpr std::size_t kBlock = 16 / sizeof(Char);
    for (; count + kBlock <= text.size(); count += kBlock) {
        const unsigned others = NotBlankBytes(text.data() + text.size() - count - kBlock, sizeof(Char) == 2);
        if (others != 0) {
            const auto lastOther = static_cast<std::size_t>(31 - __builtin_clz(others)) / sizeof(Char);
            return count + kBlock - 1 - lastOther;
        }
    }
#endif
    while (count < text.size() && IsBlank(static_cast<char16_t>(text[text.size() - count - 1])))
        ++count;
    return count;
}

}  // namespace

std::size_t LeadingBlanks(std::u16string_view text) {
    return CountLeadingBlanks(text);
}

std::size_t LeadingBlanks(std::string_view bytes) {
    return CountLeadingBlanks(bytes);
}

std::size_t TrailingBlanks(std::u16string_view text) {
    return CountTrailingBlanks(text);
}

std::size_t TrailingBlanks(std::string_view bytes) {
    return CountTrailingBlanks(bytes);
}

std::size_t FindCharacter(std::u16string_view text, char16_t c, std::size_t from) {
    std::size_t i = from;
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(c));
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const int found = _mm_movemask_epi8(_mm_cmpeq_epi16(block, wanted));
        if (found != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(found))) / 2;
    }
#endif
    for (; i < text.size(); ++i)
        if (text[i] == c)
            return i;
    return std::u16string_view::npos;
}

}  // namespace tremaro
