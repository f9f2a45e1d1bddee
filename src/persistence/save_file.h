#pragma once
// Save.ini: one line of four quoted counters, written whole or not at all.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

class Host;

// The four counters of a saved game, as the game screen shows them.
struct SavedCounters {
  std::string level;   // LV
  std::string clicks;  // CL
  std::string time;    // TM
  std::string toLand;  // Salvati; empty loads as the start-up default
  bool operator==(const SavedCounters&) const = default;
};

// "3","17","245","4" and CR LF.
std::string savedGameLine(const SavedCounters& counters);

// The counters a file holds, or nothing when it is damaged. A UTF-8 byte-order mark before
// them is skipped. Fields are separated by commas
// and may be quoted; spaces around a value are ignored, inside quotation marks too; the first line holds the fields and
// whatever follows the fourth is ignored. Level, clicks and time are whole numbers of at most
// 15 digits, every count the game shows in plain digits; the count to land may also be empty,
// or negative (a paused game can land more planes than its level asks). Numbers come back in
// their plain form ("007" gives "7").
std::optional<SavedCounters> parseSavedGame(std::string_view content);

// Has the host keep the counters, whole or not at all, and refuses counters that would not
// load back the same. Empty when saved; otherwise why not ("the disk is full").
std::string writeSavedGame(Host& host, const SavedCounters& counters);

// Missing also for what is not a regular file, or is far too long to be a saved game.
enum class SaveFileState { Loaded, Missing, Unreadable, Damaged };
struct LoadedGame {
  SaveFileState state = SaveFileState::Missing;
  SavedCounters counters;
};
LoadedGame readSavedGame(Host& host);

}  // namespace tw
