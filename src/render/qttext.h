#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/numtext.h"

namespace solvane {

// Text crossing between the core, which keeps single-byte strings, and Qt.

// ISO-8859-1 bytes <-> QString: every byte round-trips.
QString fromBytes(std::string_view bytes);
std::string toBytes(const QString& text);

// Paths in the file system's own encoding.
std::string toFileSystem(const QString& path);
QString fromFileSystem(const std::string& path);

// The decimal separator of the user's locale, as the number formats print it.
char localeDecimalSeparator();

// A number in a number-format pattern ("0.00", "##0.0", "###0", ...) with the given separator.
template <typename Number>
QString formatted(Number value, std::string_view pattern, char separator)
{
    const std::string text = formatNumber(value, pattern, separator);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace solvane
