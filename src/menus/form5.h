#pragma once
// Form5, the level chooser: levels 1 to 10 and the boss level.
#include <array>
#include <string_view>

#include "model/window.h"

namespace tw {

class Form5 : public Window {
 public:
  static constexpr std::string_view kName = "Form5";
  explicit Form5(Application& app);

  // Levels 1 to 10, then the boss level; valid while the chooser is open.
  std::array<Element*, 11> XX{};

  void click(Element& element) override;
  bool keyPressed(Key key) override;

 private:
  void build() override;
  void forgetElements() override { XX.fill(nullptr); }
  void startUp() override;
  void closing() override;
};

}  // namespace tw
