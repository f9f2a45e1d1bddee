#pragma once
// The player's own choices, kept between runs by the host, in the INI form Qt's settings
// read too.
#include <iosfwd>
#include <string>

namespace tw {

class Application;
class Host;

// False when the host has no preferences, or they say nothing of it.
bool savedMute(Host& host);

// From now on, every mute the player toggles is kept for the next run; the first failure
// to keep it is said on `err`.
void keepMuteChoice(Application& app, std::ostream& err);

}  // namespace tw
