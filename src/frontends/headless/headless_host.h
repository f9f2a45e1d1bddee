#pragma once
// The host of scripted runs with no display: a virtual clock, boxes answered at once.
#include "midend/fonts.h"
#include "model/host.h"

namespace tw {

class HeadlessHost : public Host {
 public:
  // Where the virtual clock starts, in seconds since midnight.
  explicit HeadlessHost(int timeOfDaySeconds = 0) : startMs_(timeOfDaySeconds * 1000LL) {}

  void showMessage(const std::string&) override {}
  void playSound(const std::string&) override {}
  std::int64_t timeOfDayMs(std::int64_t now) override { return (startMs_ + now) % 86'400'000; }
  TextSize measureText(const Font& font, const std::string& text) override { return evenFaceSize(font, text); }

 private:
  std::int64_t startMs_;
};

}  // namespace tw
