#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace solvane {

// The longest description the box takes and the printed report lays out.
inline constexpr std::size_t MaxDescriptionLength = 1000;

// True when a profile file keeps c in its description unchanged: a printable ISO-8859-1 character
// other than the double quote (the file has no escape for it, so the writer turns it into an apostrophe).
bool descriptionCanHold(char32_t c);

// What a description text (as code points) can not hold, as a sentence for the user ("is longer than
// 1000 characters; holds double quotes"); empty when the text fits.
std::string descriptionFaults(std::u32string_view text);

// The nearest text a description can hold: cut to MaxDescriptionLength, a double quote as an
// apostrophe, any other character it can not hold as "?". As ISO-8859-1 bytes.
std::string fittedDescription(std::u32string_view text);

// ISO-8859-1 bytes as code points, one each.
std::u32string latin1CodePoints(std::string_view bytes);

}  // namespace solvane
