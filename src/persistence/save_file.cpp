#include "persistence/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace tw {

namespace {

constexpr std::size_t kFieldCount = 4;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The fields of one line, up to `wanted`; nothing when a quoted field is not closed or has
// text after its closing quotation mark.
std::optional<std::vector<std::string>> splitFields(std::string_view line, std::size_t wanted) {
  std::vector<std::string> fields;
  while (fields.size() < wanted) {
    const std::size_t comma = line.find(',');
    std::string_view raw = trimmed(line.substr(0, comma));
    if (!raw.empty() && raw.front() == '"') {
      // A quoted field may hold commas, so its end is its closing quotation mark.
      const std::size_t start = line.find('"');
      const std::size_t close = line.find('"', start + 1);
      if (close == std::string_view::npos) return std::nullopt;
      fields.emplace_back(trimmed(line.substr(start + 1, close - start - 1)));
      line.remove_prefix(close + 1);
      const std::size_t next = line.find(',');
      if (!trimmed(line.substr(0, next)).empty()) return std::nullopt;
      if (next == std::string_view::npos) break;
      line.remove_prefix(next + 1);
      continue;
    }
    fields.emplace_back(raw);
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  return fields;
}

// A whole number in plain decimal form: the game shows its counters so up to 15 digits.
std::optional<std::string> wholeNumber(std::string_view text, bool mayBeNegative) {
  constexpr std::size_t kMostDigits = 15;
  const bool negative = mayBeNegative && !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.size() > kMostDigits) return std::nullopt;
  return (negative && text != "0" ? "-" : "") + std::string(text);
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Missing folders are made private to the player, as per-user data folders are.
void makeFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (folder.empty() || std::filesystem::exists(folder, error)) return;
  makeFolder(folder.parent_path());
  ::mkdir(folder.c_str(), 0700);
}

// A replaced save keeps the permissions of the old one.
mode_t fileMode(const std::filesystem::path& path) {
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) return old.st_mode & 07777;
  return 0644;
}

// Where a save really goes: the file a symbolic link names, so the link stays a link.
std::filesystem::path saveTarget(std::filesystem::path path) {
  // A few links deep at most, so a loop of links cannot hold the game.
  for (int depth = 0; depth < 8; ++depth) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) break;
    const std::filesystem::path named = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = named.is_absolute() ? named : path.parent_path() / named;
  }
  return path;
}

bool writeProtected(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
}

// Temporary files of saves that were cut short, by a kill or a power cut, and are long done.
void removeLeftovers(const std::filesystem::path& folder, const std::string& name) {
  const std::string prefix = "." + name + ".";
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string file = entry.path().filename().string();
    if (file.size() != prefix.size() + 6 || !file.starts_with(prefix)) continue;
    std::error_code ignored;
    if (entry.is_regular_file(ignored) && entry.last_write_time(ignored) < old) {
      std::filesystem::remove(entry.path(), ignored);
    }
  }
}

void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string savedGameLine(const SavedCounters& c) {
  return "\"" + c.level + "\",\"" + c.clicks + "\",\"" + c.time + "\",\"" + c.toLand + "\"\r\n";
}

std::optional<SavedCounters> parseSavedGame(std::string_view content) {
  if (content.size() > kMaxSaveFileBytes) return std::nullopt;
  const auto fields = splitFields(content.substr(0, content.find_first_of("\r\n")), kFieldCount);
  if (!fields || fields->size() < kFieldCount) return std::nullopt;
  const auto level = wholeNumber((*fields)[0], false);
  const auto clicks = wholeNumber((*fields)[1], false);
  const auto time = wholeNumber((*fields)[2], false);
  const std::string& toLandText = (*fields)[3];
  const auto toLand = toLandText.empty() ? std::optional<std::string>("") : wholeNumber(toLandText, true);
  if (!level || !clicks || !time || !toLand) return std::nullopt;
  return SavedCounters{*level, *clicks, *time, *toLand};
}

bool writeSavedGame(const std::string& path, const SavedCounters& counters) {
  // What would not load back the same is not saved at all.
  const std::string line = savedGameLine(counters);
  if (parseSavedGame(line) != counters) return false;
  const std::filesystem::path target = saveTarget(path);
  if (writeProtected(target)) return false;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  makeFolder(folder);
  removeLeftovers(folder, target.filename().string());
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  const bool written = writeAll(fd, line) && ::fchmod(fd, fileMode(target)) == 0 && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  syncFolder(folder);
  return true;
}

LoadedGame readSavedGame(const std::string& path) {
  // Non-blocking, so a pipe in the file's place cannot hang the game.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return {errno == ENOENT || errno == ENOTDIR ? SaveFileState::Missing : SaveFileState::Damaged, {}};
  }
  struct stat info {};
  std::string content;
  bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char buffer[kMaxSaveFileBytes + 1];
  while (readable && content.size() <= kMaxSaveFileBytes) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer - content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) readable = false;
    if (n <= 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  const auto counters = readable ? parseSavedGame(content) : std::nullopt;
  if (!counters) return {SaveFileState::Damaged, {}};
  return {SaveFileState::Loaded, *counters};
}

}  // namespace tw
