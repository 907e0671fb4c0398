#pragma once

// The blank-separated words of one line of a results file, found sixteen bytes a step: the defect
// lists are most of such a file, and every byte of them passes through here.
#include <cstdint>
#include <string_view>

#include "text/bytescan.h"

namespace solvane {

// Words are runs of bytes other than spaces and tabs. A line holding a ";" or double quote, which
// only the token rules read, or an "S" or "O" (a line with neither holds no Summary or EndOfFile),
// is not swept; nor is one of more than MaxWords words, far more than any record has.
class PlainWords {
public:
    static constexpr std::size_t MaxWords = 128;

    // A line of a text whose bytes may be read up to readableEnd.
    PlainWords(std::string_view line, const char* readableEnd) : line_(line), readableEnd_(readableEnd)
    {
        swept_ = sweep();
    }

    bool swept() const { return swept_; }
    std::size_t count() const { return count_; }
    std::string_view operator[](std::size_t i) const
    {
        return std::string_view(line_.data() + starts_[i], ends_[i] - starts_[i]);
    }

private:
    static constexpr std::uint32_t StepBits = (1u << ByteStep) - 1;

    // Counted in locals: a count kept in a member would be stored and read back for every word,
    // since the stores into the offsets could change it as far as the compiler can tell.
    bool sweep()
    {
        std::size_t starts = 0;
        std::size_t ends = 0;
        std::uint32_t wordAtStepEnd = 0;
        // The bytes of one step at offset at, of which those in inside belong to the line.
        const auto step = [&](const char* bytes, std::size_t at, std::uint32_t inside) {
            if (((bytesMatching(bytes, ';', '"') | bytesMatching(bytes, 'S', 'O')) & inside) != 0) return false;
            // A word starts after a blank and ends before one; past the line's end all is blank.
            const std::uint32_t words = ~bytesMatching(bytes, ' ', '\t') & inside;
            const std::uint32_t wordBefore = (words << 1) | wordAtStepEnd;
            wordAtStepEnd = words >> (ByteStep - 1);
            for (std::uint32_t bits = words & ~wordBefore; bits != 0; bits &= bits - 1) {
                if (starts == MaxWords) return false;
                starts_[starts++] = at + static_cast<std::size_t>(__builtin_ctz(bits));
            }
            for (std::uint32_t bits = ~words & wordBefore & StepBits; bits != 0; bits &= bits - 1)
                ends_[ends++] = at + static_cast<std::size_t>(__builtin_ctz(bits));
            return true;
        };
        // Whole steps are read where they lie; only the last, partly past the line, needs its end.
        std::size_t at = 0;
        for (; line_.size() - at >= ByteStep; at += ByteStep)
            if (!step(line_.data() + at, at, StepBits)) return false;
        if (at < line_.size()) {
            ByteSteps steps(line_, ' ', readableEnd_);
            if (!step(steps.at(at), at, steps.inside(at))) return false;
        }
        if (ends < starts) ends_[ends] = line_.size();
        count_ = starts;
        return true;
    }

    std::string_view line_;
    const char* readableEnd_;
    bool swept_ = false;
    std::size_t count_ = 0;
    std::size_t starts_[MaxWords];
    std::size_t ends_[MaxWords];
};

}  // namespace solvane
