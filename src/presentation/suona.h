#pragma once
#include <string_view>

namespace tw {

class Application;

// Plays cue "Plane/<cue>.wav" beside the program, in the background.
void Suona(Application& app, std::string_view cue);

}  // namespace tw
