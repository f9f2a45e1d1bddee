#pragma once
// The one way the game reads a file it did not make in this run: pictures, cues, Save.ini,
// the preferences. Only regular files count, opened without blocking, so a fifo, a device or
// a folder in a file's place cannot hang or flood the game.
#include <cstddef>
#include <string>

namespace tw {

// The most the game reads of each kind of file; anything larger is taken as missing.
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

FileContent readFileCapped(const std::string& path, std::size_t cap);

}  // namespace tw
