// Save.ini as the game reads it: any bytes at all, and what it accepts must write back as the same counters.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "persistence/save_file.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto counters = tw::parseSavedGame(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!counters) return 0;
  const auto again = tw::parseSavedGame(tw::savedGameLine(*counters));
  tw::fuzz::require(again && *again == *counters, "a saved game reads back as the counters it was saved from");
  return 0;
}
