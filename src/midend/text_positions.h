#pragma once
// A text box holds its text with CR LF line breaks in UTF-8 and counts its insertion point
// in characters; the toolkit shows it with LF breaks in UTF-16. These map insertion points
// between the two.
#include <string>

namespace tw {

// The shown position of the point `characters` characters into `text`.
int shownPosition(const std::string& text, int characters);
// The character offset into `text` of the shown position `shown`.
int storedPosition(const std::string& text, int shown);

}  // namespace tw
