#pragma once
// The game knows keys by their Qt names, as scripts write them: "Up", "Return", "Ctrl+S".
#include <string>

class QKeyEvent;

namespace tw {

// Empty for a key on its own that names nothing, such as Shift.
std::string keyName(const QKeyEvent& event);

}  // namespace tw
