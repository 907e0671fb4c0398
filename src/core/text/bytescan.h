#pragma once

// Finding bytes sixteen at a time, for readers whose every byte passes through one loop.
#include <cstdint>
#include <cstring>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace solvane {

constexpr std::size_t ByteStep = 16;

// Bit i is set where byte i of the sixteen at p is a or b.
inline std::uint32_t bytesMatching(const char* p, char a, char b)
{
#ifdef __SSE2__
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i matches = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(a)),
                                         _mm_cmpeq_epi8(bytes, _mm_set1_epi8(b)));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(matches));
#else
    std::uint32_t matches = 0;
    for (std::size_t i = 0; i < ByteStep; ++i) matches |= static_cast<std::uint32_t>(p[i] == a || p[i] == b) << i;
    return matches;
#endif
}

// The sixteen bytes of text from at, or as many as remain followed by filler, so that a step never
// reads past the text.
class ByteSteps {
public:
    ByteSteps(std::string_view text, char filler) : text_(text), filler_(filler) {}

    const char* at(std::size_t offset)
    {
        if (text_.size() - offset >= ByteStep) return text_.data() + offset;
        std::memset(tail_, filler_, sizeof tail_);
        std::memcpy(tail_, text_.data() + offset, text_.size() - offset);
        return tail_;
    }

private:
    std::string_view text_;
    char filler_;
    char tail_[ByteStep];
};

}  // namespace solvane
