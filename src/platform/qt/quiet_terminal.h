#pragma once
// With no sound server the game plays on in silence: Qt's lines about the missing server or
// runtime folder are no news to the player, so they stay off the terminal.

namespace tw {

// Before the QApplication: some of those lines come while it is made.
void quietTerminal();

}  // namespace tw
