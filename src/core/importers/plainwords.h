#pragma once

// The blank-separated words of one line of a results file, found sixteen bytes a step: the defect
// lists are most of such a file, and every byte of them passes through here.
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "text/bytescan.h"

namespace solvane {

// Words are runs of bytes other than spaces and tabs. The sweep stops at a ";" or double quote,
// which only the token rules read, and at an "S" or "O": a line with neither holds no Summary or
// EndOfFile. Words can be taken one by one or passed over unread, which costs a few instructions.
class PlainWords {
public:
    explicit PlainWords(std::string_view line) : line_(line), steps_(line, ' ') { load(0); }

    // The next word; nothing at the line's end or once stopped.
    std::optional<std::string_view> next()
    {
        if (!toStart()) return std::nullopt;
        const std::size_t start = at_ + lowest(starts_);
        position_ = toEnd();
        return std::string_view(line_.data() + start, position_ - start);
    }

    // Passes over up to count words; gives how many there were.
    long pass(long count)
    {
        long passed = 0;
        for (; passed < count && toStart(); ++passed) {
            starts_ &= starts_ - 1;
            if (ends_ == 0)
                toEnd();
            else
                ends_ &= ends_ - 1;
        }
        return passed;
    }

    // A ";", double quote, "S" or "O" was met: the line is the token rules' to read.
    bool stopped() const { return stopped_; }

    // Where the last word taken by next() ends.
    std::size_t position() const { return position_; }

private:
    static constexpr std::uint32_t StepBits = (1u << ByteStep) - 1;

    // Index of the lowest bit of bits (not 0), which it clears.
    static std::size_t lowest(std::uint32_t& bits)
    {
        const auto index = static_cast<std::size_t>(__builtin_ctz(bits));
        bits &= bits - 1;
        return index;
    }

    // Reads the step at offset: where words start and end in it (after a blank, before a blank).
    bool load(std::size_t offset)
    {
        at_ = offset;
        starts_ = ends_ = 0;
        if (stopped_ || offset >= line_.size()) return false;
        const char* bytes = steps_.at(offset);
        if ((bytesMatching(bytes, ';', '"') | bytesMatching(bytes, 'S', 'O')) != 0) {
            stopped_ = true;
            return false;
        }
        const std::uint32_t words = ~bytesMatching(bytes, ' ', '\t') & StepBits;
        const std::uint32_t wordBefore = (words << 1) | wordAtStepEnd_;
        starts_ = words & ~wordBefore;
        ends_ = ~words & wordBefore & StepBits;
        wordAtStepEnd_ = words >> (ByteStep - 1);
        return true;
    }

    // Moves to the next word's start, loading steps as needed; false when there is none.
    bool toStart()
    {
        while (starts_ == 0)
            if (!load(at_ + ByteStep)) return false;
        return true;
    }

    // The end of the word whose start was just taken: the next end in this or a later step, or the
    // line's end.
    std::size_t toEnd()
    {
        while (ends_ == 0)
            if (!load(at_ + ByteStep)) return line_.size();
        return at_ + lowest(ends_);
    }

    std::string_view line_;
    ByteSteps steps_;
    std::size_t at_ = 0;
    std::uint32_t starts_ = 0;
    std::uint32_t ends_ = 0;
    std::uint32_t wordAtStepEnd_ = 0;
    bool stopped_ = false;
    std::size_t position_ = 0;
};

}  // namespace solvane
