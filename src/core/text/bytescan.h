#pragma once

// Finding bytes sixteen at a time, for readers whose every byte passes through one loop.
#include <cstddef>
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

// Sixteen bytes a step over a text, never reading past what may be read: readableEnd, which may lie
// past the text's end when the text is part of a larger one (the bytes there are then whatever
// they are), or else the text's end, past which a step is made up with filler.
class ByteSteps {
public:
    ByteSteps(std::string_view text, char filler) : ByteSteps(text, filler, text.data() + text.size()) {}
    ByteSteps(std::string_view text, char filler, const char* readableEnd)
        : text_(text), filler_(filler), readableEnd_(readableEnd)
    {}

    // The sixteen bytes from offset. Read in place wherever possible: a step put together in a
    // buffer is loaded from narrow stores not yet done, and the load waits for them.
    const char* at(std::size_t offset)
    {
        const char* bytes = text_.data() + offset;
        if (readableEnd_ - bytes >= static_cast<std::ptrdiff_t>(ByteStep)) return bytes;
        std::memset(tail_, filler_, sizeof tail_);
        std::memcpy(tail_, bytes, text_.size() - offset);
        return tail_;
    }

    // Bit i is set where byte i of the step at offset lies inside the text.
    std::uint32_t inside(std::size_t offset) const
    {
        const std::size_t left = text_.size() - offset;
        return left >= ByteStep ? (1u << ByteStep) - 1 : (1u << left) - 1;
    }

private:
    std::string_view text_;
    char filler_;
    const char* readableEnd_;
    char tail_[ByteStep];
};

}  // namespace solvane
