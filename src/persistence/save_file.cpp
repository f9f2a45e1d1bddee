#include "persistence/save_file.h"

#include <vector>

#include "model/field.h"
#include "model/host.h"

namespace tw {

namespace {

constexpr std::size_t kFieldCount = 4;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The fields of one line, up to `wanted`; nothing when a quoted field is not closed or has
// text after its closing quotation mark.
std::optional<std::vector<std::string>> splitFields(std::string_view line, std::size_t wanted) {
  std::vector<std::string> fields;
  while (fields.size() < wanted) {
    const std::size_t comma = line.find(',');
    std::string_view raw = trimSpaces(line.substr(0, comma));
    if (!raw.empty() && raw.front() == '"') {
      // A quoted field may hold commas, so its end is its closing quotation mark.
      const std::size_t start = line.find('"');
      const std::size_t close = line.find('"', start + 1);
      if (close == std::string_view::npos) return std::nullopt;
      fields.emplace_back(trimSpaces(line.substr(start + 1, close - start - 1)));
      line.remove_prefix(close + 1);
      const std::size_t next = line.find(',');
      if (!trimSpaces(line.substr(0, next)).empty()) return std::nullopt;
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
  if (!allDigits(text)) return std::nullopt;
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.size() > kMostDigits) return std::nullopt;
  return (negative && text != "0" ? "-" : "") + std::string(text);
}

}  // namespace

std::string savedGameLine(const SavedCounters& c) {
  return "\"" + c.level + "\",\"" + c.clicks + "\",\"" + c.time + "\",\"" + c.toLand + "\"\r\n";
}

std::optional<SavedCounters> parseSavedGame(std::string_view content) {
  if (content.size() > kSmallFileBytes) return std::nullopt;
  // Editors on some systems begin a UTF-8 file with a byte-order mark.
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
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

std::string writeSavedGame(Host& host, const SavedCounters& counters) {
  // What would not load back the same is not saved at all.
  const std::string line = savedGameLine(counters);
  if (parseSavedGame(line) != counters) return "its counters are not whole numbers";
  return host.keepSavedGame(line);
}

LoadedGame readSavedGame(Host& host) {
  const FileContent file = host.readSavedGame();
  if (file.state == FileContent::State::Missing) return {SaveFileState::Missing, {}};
  if (file.state == FileContent::State::Unreadable) return {SaveFileState::Unreadable, {}};
  const auto counters = parseSavedGame(file.bytes);
  if (!counters) return {SaveFileState::Damaged, {}};
  return {SaveFileState::Loaded, *counters};
}

}  // namespace tw
