#pragma once
#include "app/command_line.h"

namespace tw {

// Plays, or runs the script against the real windows. Returns the exit status.
int runWithQt(const CommandLine& options, int argc, char** argv);

}  // namespace tw
