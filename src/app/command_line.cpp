#include "app/command_line.h"

#include <filesystem>

#include "model/field.h"

namespace tw {

namespace {

std::optional<int> wholeIn(const std::string& text, int low, int high) {
  if (!allDigits(text)) return std::nullopt;
  const auto n = toInt32(text);
  if (!n || *n < low || *n > high) return std::nullopt;
  return *n;
}

}  // namespace

std::string usageText() {
  return "usage: tarmac-warden                               play\n"
         "       tarmac-warden --script FILE                 run a script against the real windows\n"
         "       tarmac-warden --headless --script FILE      run a script with no display\n"
         "       tarmac-warden --demo                        the autopilot plays in the windows\n"
         "       tarmac-warden --headless --demo             the autopilot plays with no display, on the virtual clock\n"
         "  FILE may be - for standard input\n"
         "  --timer-resolution MS    1 to 1000, default 16\n"
         "  --time-of-day SECONDS    where the virtual clock starts, 0 to 86399, default 0 (scripts and headless demo)\n"
         "  --program-dir DIR        the folder holding Plane/ and Save.ini (default: the executable's folder)\n"
         "  --level N                0 to 11: the demo's first game starts at this level (default 1)\n"
         "  --games N                1 to 100000: the headless demo plays N games, then ends (default 1)\n"
         "  --mute                   start muted\n"
         "  --help, --version\n";
}

std::string versionText() { return "Tarmac Warden " TW_VERSION; }

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  CommandLine& o = parsed.options;
  bool timeOfDayGiven = false;
  bool levelGiven = false;
  bool gamesGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--script" || a == "--timer-resolution" || a == "--time-of-day" ||
                            a == "--program-dir" || a == "--level" || a == "--games";
    if (takesValue && i + 1 >= args.size()) {
      parsed.error = a + " needs a value";
      return parsed;
    }
    if (a == "--help") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--headless") {
      o.headless = true;
    } else if (a == "--mute") {
      o.mute = true;
    } else if (a == "--demo") {
      o.demo = true;
    } else if (a == "--level" || a == "--games") {
      const bool level = a == "--level";
      const auto n = level ? wholeIn(args[++i], 0, 11) : wholeIn(args[++i], 1, 100000);
      if (!n) {
        parsed.error = level ? "--level takes a level from 0 to 11, not '" + args[i] + "'"
                             : "--games takes a whole number from 1 to 100000, not '" + args[i] + "'";
        return parsed;
      }
      (level ? levelGiven : gamesGiven) = true;
      (level ? o.level : o.games) = *n;
    } else if (a == "--script") {
      o.script = args[++i];
    } else if (a == "--program-dir") {
      o.programDir = args[++i];
      std::error_code ignored;
      if (!std::filesystem::is_directory(*o.programDir, ignored)) {
        parsed.error = "--program-dir '" + *o.programDir + "' is not a folder";
        return parsed;
      }
    } else if (a == "--timer-resolution") {
      const auto n = wholeIn(args[++i], 1, 1000);
      if (!n) {
        parsed.error = "--timer-resolution takes a whole number of milliseconds from 1 to 1000, not '" + args[i] + "'";
        return parsed;
      }
      o.timerResolution = *n;
    } else if (a == "--time-of-day") {
      const auto n = wholeIn(args[++i], 0, 86399);
      if (!n) {
        parsed.error = "--time-of-day takes a whole number of seconds from 0 to 86399, not '" + args[i] + "'";
        return parsed;
      }
      o.timeOfDay = *n;
      timeOfDayGiven = true;
    } else {
      parsed.error = "unknown option '" + a + "'";
      return parsed;
    }
  }
  if (o.help || o.version) return parsed;
  if (o.demo && o.script) {
    parsed.error = "--demo and --script do not go together";
  } else if (o.headless && !o.script && !o.demo) {
    parsed.error = "--headless needs --script FILE or --demo";
  } else if (timeOfDayGiven && !o.script && !(o.demo && o.headless)) {
    parsed.error = "--time-of-day is for scripts and the headless demo";
  } else if (levelGiven && !o.demo) {
    parsed.error = "--level is for the demo";
  } else if (gamesGiven && !(o.demo && o.headless)) {
    parsed.error = "--games is for the headless demo";
  }
  return parsed;
}

}  // namespace tw
