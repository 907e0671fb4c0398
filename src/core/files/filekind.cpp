#include "files/filekind.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "text/fields.h"

namespace solvane {

namespace {

bool endsWith(std::string_view fileName, std::string_view ending)
{
    if (fileName.size() < ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), fileName.end() - ending.size(),
                      [](char e, char c) { return e == std::tolower(static_cast<unsigned char>(c)); });
}

bool startsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

std::string_view withoutLeadingBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

bool isKlaResults(std::string_view head)
{
    const std::string_view text = withoutLeadingBlanks(withoutByteOrderMark(head));
    return startsWith(text, "FileVersion") || startsWith(text, "Record FileRecord");
}

}  // namespace

FileKind fileKindOf(std::string_view fileName, std::string_view head)
{
    if (isKlaResults(head)) return FileKind::KlaResults;
    if (endsWith(fileName, ".waf") || endsWith(fileName, ".map") ||
        startsWith(withoutByteOrderMark(head), "\"Solvane "))
        return FileKind::Profile;
    if (endsWith(fileName, ".csv") || endsWith(fileName, ".txt")) return FileKind::Csv;
    return FileKind::Unknown;
}

}  // namespace solvane
