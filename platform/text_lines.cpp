#include "platform/text_lines.h"

#include <algorithm>
#include <limits>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tremaro {
namespace {

// A bit for each CR or LF among the (up to) eight characters from block on: most of a form's
// characters are neither, and eight are looked at in one step.
constexpr std::size_t kBreakBlock = 8;

template <typename Char>
unsigned LineBreaksIn(const Char* block, const Char* end) {
#ifdef __SSE2__
    if constexpr (sizeof(Char) == 2) {
        if (block + kBreakBlock <= end) {
            const __m128i characters = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
            const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi16(characters, _mm_set1_epi16(u'\r')),
                                                _mm_cmpeq_epi16(characters, _mm_set1_epi16(u'\n')));
            return static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(breaks, _mm_setzero_si128())));
        }
    }
#endif
    unsigned breaks = 0;
    for (std::size_t i = 0; i < kBreakBlock && block + i < end; ++i)
        if (block[i] == Char{'\r'} || block[i] == Char{'\n'})
            breaks |= 1u << i;
    return breaks;
}

// Calls lineFound(start, length) for each line in order; stops when it returns false.
template <typename Char, typename LineFound>
void ForEachLine(std::basic_string_view<Char> text, LineFound lineFound) {
    const Char* const base = text.data();
    const Char* const end = base + text.size();
    const Char* lineStart = base;
    for (const Char* block = base; block < end; block += kBreakBlock) {
        for (unsigned breaks = LineBreaksIn(block, end); breaks != 0; breaks &= breaks - 1) {
            const Char* at = block + __builtin_ctz(breaks);
            if (at < lineStart)
                continue;  // the LF of a CR LF, ended with its CR
            if (!lineFound(static_cast<std::size_t>(lineStart - base), static_cast<std::size_t>(at - lineStart)))
                return;
            lineStart = at + (*at == Char{'\r'} && at + 1 < end && at[1] == Char{'\n'} ? 2 : 1);
        }
    }
    if (lineStart < end)
        lineFound(static_cast<std::size_t>(lineStart - base), static_cast<std::size_t>(end - lineStart));
}

template <typename Char>
std::vector<std::basic_string_view<Char>> LinesOf(std::basic_string_view<Char> text) {
    std::vector<std::basic_string_view<Char>> lines;
    ForEachLine(text, [&](std::size_t start, std::size_t length) {
        lines.push_back(text.substr(start, length));
        return true;
    });
    return lines;
}

}  // namespace

bool AppendLineSpans(std::u16string_view text, std::vector<LineSpan>& spans, std::size_t mostLines) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        return false;
    const std::size_t before = spans.size();
    // Form lines are rarely shorter than twenty characters; a guess saves most regrowing.
    spans.reserve(before + std::min(mostLines, text.size() / 20 + 1));
    bool fits = true;
    ForEachLine(text, [&](std::size_t start, std::size_t length) {
        fits = spans.size() - before < mostLines;
        if (fits)
            spans.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(length)});
        return fits;
    });
    if (!fits)
        spans.resize(before);
    return fits;
}

std::vector<std::u16string_view> SplitIntoLines(std::u16string_view text) {
    return LinesOf(text);
}

std::vector<std::string_view> SplitIntoLines(std::string_view text) {
    return LinesOf(text);
}

std::size_t LineNumberAt(std::u16string_view text, std::size_t index) {
    std::size_t number = 0;
    ForEachLine(text, [&](std::size_t start, std::size_t) {
        if (start > index)
            return false;
        ++number;
        return true;
    });
    return std::max<std::size_t>(number, 1);
}

}  // namespace tremaro
