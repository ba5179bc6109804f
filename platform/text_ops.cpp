#include "platform/text_ops.h"

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tremaro {

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
