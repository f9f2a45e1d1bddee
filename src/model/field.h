#pragma once
// A field holds its value as text; these convert at each use, as the game does.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// A decimal number, with optional sign, fraction and exponent; spaces around are allowed.
std::optional<double> toNumber(std::string_view text);

// The shortest decimal text of a number: "12", never "12.0".
std::string numberText(double value);
std::string numberText(float value);

// Whole numbers round half to even, as the game's integer conversion does.
std::optional<std::int16_t> toInt16(std::string_view text);
std::optional<std::int32_t> toInt32(std::string_view text);

std::string toLower(std::string_view text);

// One digit or more, 0 to 9, and nothing else: no sign, space or point.
bool allDigits(std::string_view text);
// Without the spaces and tabs at either end.
std::string_view trimSpaces(std::string_view text);

// Characters are UTF-8 code points; a byte that starts none counts as one.
int characterCount(std::string_view text);
// The byte offset where the character `characters` characters in begins (the end if past it).
std::size_t byteOffset(std::string_view text, int characters);

// "\r" "\n" and "\\" escaped, so a printed value stays on one line.
std::string escapeLine(std::string_view text);

}  // namespace tw
