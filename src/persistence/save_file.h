#pragma once
// Save.ini: one line of four quoted counters, written whole or not at all.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The four counters of a saved game, as the game screen shows them.
struct SavedCounters {
  std::string level;   // LV
  std::string clicks;  // CL
  std::string time;    // TM
  std::string toLand;  // Salvati; empty loads as the start-up default
  bool operator==(const SavedCounters&) const = default;
};

// A file longer than this is not one the game wrote.
inline constexpr std::size_t kMaxSaveFileBytes = 4096;

// "3","17","245","4" and CR LF.
std::string savedGameLine(const SavedCounters& counters);

// The counters a file holds, or nothing when it is damaged. Fields are separated by commas
// and may be quoted; spaces around a value are ignored, inside quotation marks too; the first line holds the fields and
// whatever follows the fourth is ignored. Level, clicks and time are whole numbers of at most
// 15 digits, every count the game shows in plain digits; the count to land may also be empty,
// or negative (a paused game can land more planes than its level asks). Numbers come back in
// their plain form ("007" gives "7").
std::optional<SavedCounters> parseSavedGame(std::string_view content);

// Writes a temporary file beside `path`, flushes it to disk and renames it over `path`,
// creating the folder if needed; through a symbolic link, into the file it names. Fails, and
// leaves the file at `path` as it was, when the counters would not load back the same, or
// the file is write-protected. Temporary files of saves interrupted over a minute ago go.
bool writeSavedGame(const std::string& path, const SavedCounters& counters);

enum class SaveFileState { Loaded, Missing, Damaged };
struct LoadedGame {
  SaveFileState state = SaveFileState::Missing;
  SavedCounters counters;
};
// Reads at most one byte more than the limit, so a long file is known as such.
LoadedGame readSavedGame(const std::string& path);

}  // namespace tw
