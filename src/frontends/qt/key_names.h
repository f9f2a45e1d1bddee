#pragma once
// Qt's keys as the game's own.
#include "model/key.h"

class QKeyEvent;

namespace tw {

// KeyCode::None for a modifier on its own, such as Shift; KeyCode::Other for a key the game
// has no name for.
Key keyOf(const QKeyEvent& event);

}  // namespace tw
