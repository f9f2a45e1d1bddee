#pragma once
// Numbers as the shortest decimal text that reads back to the same value, for libraries that
// lack std::to_chars and std::from_chars of floating point (the browser build's). The bytes
// are those std::to_chars writes, so every build prints the same transcripts.
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// `plain`: positional notation, as std::chars_format::fixed; otherwise the shorter of
// positional and exponent notation, positional on a tie, as std::to_chars without a format.
std::string shortestDecimal(double value, bool plain);
std::string shortestDecimal(float value, bool plain);
// Text already checked to be [-]digits[.digits][e[+-]digits]; nullopt when out of range.
std::optional<double> parseDecimal(std::string_view text);

}  // namespace tw
