#pragma once
// Starting the game in its real windows: play, the demo, or a script against them.
#include <iosfwd>

#include "app/command_line.h"

namespace tw {

// Plays, or runs the script against the real windows. Returns the exit status.
int runWithQt(const CommandLine& options, int argc, char** argv);

// The script of `options` against the real windows, printing every event; needs a running
// QApplication. Returns the exit status.
int runScriptWithQt(const CommandLine& options, std::ostream& out, std::ostream& err);

}  // namespace tw
