#pragma once
// A file the game reads, as its host hands it over, and the most the game reads of each kind.
#include <cstddef>
#include <string>

namespace tw {

// Anything larger is taken as missing.
inline constexpr std::size_t kPictureFileBytes = 4u << 20;
inline constexpr std::size_t kCueFileBytes = 16u << 20;
inline constexpr std::size_t kSmallFileBytes = 64u << 10;  // Save.ini and the preferences

struct FileContent {
  // Missing: no such file, not a regular file, or over its cap. Unreadable: there, but the
  // system refused it (permissions, an input/output error).
  enum class State { Read, Missing, Unreadable };
  State state = State::Missing;
  std::string bytes;
  bool read() const { return state == State::Read; }
};

// Tells one state of a file from another: a write, a rename over it or a change of
// permissions makes another version.
struct FileVersion {
  unsigned long long device = 0, file = 0;
  long long changedSeconds = 0, changedNanoseconds = 0, size = 0;
  bool operator==(const FileVersion&) const = default;
};

}  // namespace tw
