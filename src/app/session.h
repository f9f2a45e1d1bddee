#pragma once
// Putting a run together: the program folder, the windows, the script.
#include <iosfwd>
#include <string>

#include "app/command_line.h"
#include "model/application.h"

namespace tw {

// The timer resolution and the mute: --mute, or the player's last choice as `host` kept it.
AppOptions appOptionsFor(const CommandLine& options, Host& host);

// Opens the game screen at time 0, keeping from now on every mute the player chooses.
void openGame(Application& app, std::ostream& err);

// Opens the game screen at time 0 and runs the script file ("-" is standard input) against it,
// printing every event. Returns the exit status.
int runScriptFile(Application& app, const std::string& file, std::ostream& out, std::ostream& err);
// The same for a script already in memory or on a stream (the fuzzers feed theirs this way).
int runScriptStream(Application& app, std::istream& script, std::ostream& out, std::ostream& err);

// A whole scripted run with no display.
int runHeadless(const CommandLine& options, std::ostream& out, std::ostream& err);

}  // namespace tw
