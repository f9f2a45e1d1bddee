#pragma once
// The host of scripted runs with no display: a virtual clock, boxes answered at once.
#include <optional>
#include <string>

#include "midend/fonts.h"
#include "system/desktop_host.h"

namespace tw {

// The time of day on the virtual clock of a scripted run.
class VirtualDay {
 public:
  // Where the virtual clock starts, in seconds since midnight.
  explicit VirtualDay(int timeOfDaySeconds) : startMs_(timeOfDaySeconds * 1000LL) {}
  std::int64_t timeOfDayMs(std::int64_t now) const { return (startMs_ + now) % 86'400'000; }

 private:
  std::int64_t startMs_;
};

class HeadlessHost : public DesktopHost {
 public:
  HeadlessHost(int timeOfDaySeconds, const std::optional<std::string>& programDir)
      : DesktopHost(programDir), day_(timeOfDaySeconds) {}

  void showMessage(const std::string&) override {}
  void playSound(std::shared_ptr<const Pcm>) override {}
  std::int64_t timeOfDayMs(std::int64_t now) override { return day_.timeOfDayMs(now); }
  TextSize measureText(const Font& font, const std::string& text) override { return evenFaceSize(font, text); }

 private:
  VirtualDay day_;
};

}  // namespace tw
