#pragma once
// The game plays on in silence with no sound server, and with no runtime folder: Qt's note
// that it made one up is no news to the player, so it stays off the terminal.

namespace tw {

// Before the QApplication: the note comes while it is made.
void quietTerminal();

}  // namespace tw
