#pragma once
// The demos: the autopilot plays whole games on the virtual clock, or in a front end's windows.
#include <iosfwd>

#include "app/command_line.h"
#include "autopilot/autopilot.h"

namespace tw {

class Application;
class Midend;

// Prints every event as a script run does and a summary line after each game, then "exit".
// Returns the exit status.
int runHeadlessDemo(const CommandLine& options, std::ostream& out, std::ostream& err);

// While it lives, the autopilot plays in the windows whenever the game is quiet, from
// `firstLevel`, until the player's first press or key takes the game over.
class WindowedDemo {
 public:
  WindowedDemo(Application& app, Midend& midend, int firstLevel);
  WindowedDemo(const WindowedDemo&) = delete;
  WindowedDemo& operator=(const WindowedDemo&) = delete;

 private:
  Autopilot pilot_;
};

}  // namespace tw
