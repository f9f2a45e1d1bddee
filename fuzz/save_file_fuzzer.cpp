// Save.ini as the game reads it: any bytes at all, and what it accepts must write back as the same counters.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "persistence/save_file.h"
#include "require.h"

namespace {

bool sameCounters(const tw::SavedCounters& a, const tw::SavedCounters& b) {
  return std::tie(a.level, a.clicks, a.time, a.toLand) == std::tie(b.level, b.clicks, b.time, b.toLand);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto counters = tw::parseSavedGame(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!counters) return 0;
  const auto again = tw::parseSavedGame(tw::savedGameLine(*counters));
  tw::fuzz::require(again && sameCounters(*again, *counters), "a saved game reads back as the counters it was saved from");
  return 0;
}
