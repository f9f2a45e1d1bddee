// Any bytes as a plane picture: the check that decides whether the game shows it walks every
// marker and every block of a file it did not make, so it must stay within the bytes it has.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/jpeg_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tw::jpegDecodes(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
