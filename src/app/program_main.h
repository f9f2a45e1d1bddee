#pragma once
// What every build's main() does with its command line; only the windowed run differs.
#include <functional>
#include <string>

#include "app/command_line.h"

namespace tw {

// Opens the windows for a run that is not headless; nullptr where this build has none.
using WindowedRun = std::function<int(CommandLine&)>;

// Parses the arguments, answers --help and --version, runs headless scripts and the headless
// demo, and hands the rest to `windowed`. `programFolder`, when given, holds Plane/ and Save.ini
// unless --program-dir says otherwise. Returns the exit status.
int programMain(int argc, char** argv, const WindowedRun& windowed, const std::string& programFolder = {});

}  // namespace tw
