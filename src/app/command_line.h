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
  bool demo = false;  // the autopilot plays
  int level = 1;      // the demo's first level
  int games = 1;      // games the headless demo plays
};

struct ParsedCommandLine {
  CommandLine options;
  std::string error;  // empty when the command line is good
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);
std::string usageText();
std::string versionText();

}  // namespace tw
