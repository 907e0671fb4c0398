#include "files/description.h"

namespace solvane {

bool descriptionCanHold(char32_t c)
{
    const bool printable = (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF);
    return printable && c != U'"';
}

std::string descriptionFaults(std::u32string_view text)
{
    std::string faults;
    const auto add = [&faults](const std::string& fault) { faults += (faults.empty() ? "" : "; ") + fault; };
    if (text.size() > MaxDescriptionLength)
        add("is longer than " + std::to_string(MaxDescriptionLength) + " characters");
    if (text.find(U'"') != std::u32string_view::npos) add("holds double quotes");
    for (const char32_t c : text) {
        if (c != U'"' && !descriptionCanHold(c)) {
            add("holds characters outside ISO-8859-1 (Latin-1) or control characters");
            break;
        }
    }
    return faults;
}

std::string fittedDescription(std::u32string_view text)
{
    std::string fitted;
    for (const char32_t c : text.substr(0, MaxDescriptionLength)) {
        if (c == U'"')
            fitted += '\'';
        else
            fitted += descriptionCanHold(c) ? static_cast<char>(c) : '?';
    }
    return fitted;
}

std::u32string latin1CodePoints(std::string_view bytes)
{
    std::u32string codes;
    codes.reserve(bytes.size());
    for (const char byte : bytes) codes += static_cast<char32_t>(static_cast<unsigned char>(byte));
    return codes;
}

}  // namespace solvane
