#pragma once
// The host of scripted runs with no display: a virtual clock, boxes answered at once.
#include <optional>
#include <string>

#include "midend/fonts.h"
#include "system/desktop_host.h"

namespace tw {

class HeadlessHost : public DesktopHost {
 public:
  HeadlessHost(int timeOfDaySeconds, const std::optional<std::string>& programDir)
      : DesktopHost(programDir, timeOfDaySeconds) {}

  void showMessage(const std::string&) override {}
  void playSound(std::shared_ptr<const Pcm>) override {}
  TextSize measureText(const Font& font, const std::string& text) override { return evenFaceSize(font, text); }
};

}  // namespace tw
