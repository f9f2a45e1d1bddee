#pragma once
// A property a fuzz target checks: when it breaks, the input is a finding.
#include <cstdio>
#include <cstdlib>

namespace tw::fuzz {

inline void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", property);
  std::abort();
}

}  // namespace tw::fuzz
