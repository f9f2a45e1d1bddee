#pragma once
// The headless demo: the autopilot plays whole games on the virtual clock.
#include <iosfwd>

#include "app/command_line.h"

namespace tw {

// Prints every event as a script run does and a summary line after each game, then "exit".
// Returns the exit status.
int runHeadlessDemo(const CommandLine& options, std::ostream& out, std::ostream& err);

}  // namespace tw
