#pragma once
// The program's command line.
#include <optional>
#include <string>
#include <vector>

namespace tw {

struct CommandLine {
  bool help = false;
  bool version = false;
  bool headless = false;
  std::optional<std::string> script;  // "-" for standard input
  int timerResolution = 16;
  int timeOfDay = 0;  // seconds since midnight where the virtual clock starts
  std::optional<std::string> programDir;
  bool mute = false;
};

struct ParsedCommandLine {
  CommandLine options;
  std::string error;  // empty when the command line is good
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);
std::string usageText();
std::string versionText();

}  // namespace tw
