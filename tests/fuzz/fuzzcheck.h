#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "importers/klaimport.h"

// A property that failed aborts, so libFuzzer keeps the input as a crash and names the check.
#define FUZZ_CHECK(condition)                                                    \
    do {                                                                         \
        if (!(condition)) ::solvane::fuzz::fail(#condition, __FILE__, __LINE__); \
    } while (false)

namespace solvane::fuzz {

[[noreturn]] inline void fail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, what);
    std::abort();
}

// Takes the input apart from the front: small choices first, the rest as text.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }

    // The next byte, or 0 when the input is used up.
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // The next eight bytes as the bits of a double (missing bytes are 0).
    double bitsAsDouble()
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits = (bits << 8) | byte();
        double value;
        static_assert(sizeof value == sizeof bits);
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Up to the next stop byte (not included) or the end.
    std::string_view until(char stop)
    {
        const std::size_t start = pos_;
        while (pos_ < size_ && static_cast<char>(data_[pos_]) != stop) ++pos_;
        const std::string_view text(reinterpret_cast<const char*>(data_) + start, pos_ - start);
        if (pos_ < size_) ++pos_;
        return text;
    }

    // Everything not taken yet.
    std::string_view rest()
    {
        const std::string_view text(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
        pos_ = size_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A message shown to the user is one short line, whatever the file held.
inline bool plainMessage(std::string_view text)
{
    return text.size() < 200 && text.find_first_of("\r\n") == std::string_view::npos;
}

// Seven digits carry a single to half a unit of their last place (and the single's own step); they
// cannot always carry it back exactly.
inline bool closeSingle(float back, float written)
{
    return std::fabs(static_cast<double>(back) - written) <= std::fabs(static_cast<double>(written)) * 6e-7 + 1.5e-45;
}

// What every import leaves: a rectangular profile, a message only on failure and in one line, no points
// after a failure, and otherwise points of finite place and an angle in [0, 360].
inline void checkImported(const Profile& profile, ImportStatus status, const std::string& message)
{
    FUZZ_CHECK(profile.CoordSys == "Rectangular");
    FUZZ_CHECK((status == ImportStatus::Ok) == message.empty());
    FUZZ_CHECK(plainMessage(message));
    if (status != ImportStatus::Ok) FUZZ_CHECK(profile.PointCount == 0);
    for (int i = 1; i <= profile.PointCount; ++i) {
        const PointRec& p = profile.Points[static_cast<std::size_t>(i)];
        FUZZ_CHECK(std::isfinite(p.X) && std::isfinite(p.Y));
        FUZZ_CHECK(p.Theta >= 0.0f && p.Theta <= 360.0f);
        FUZZ_CHECK(!std::isnan(p.R) && p.R >= 0.0f);
    }
}

}  // namespace solvane::fuzz
