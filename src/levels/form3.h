#pragma once
// Form3, the next-level window: shows the coming level and flies a plane off to the right.
#include <cstdint>
#include <string_view>

#include "model/window.h"

namespace tw {

class Form3 : public Window {
 public:
  static constexpr std::string_view kName = "Form3";
  explicit Form3(Application& app);

  // The animation step, 10 when the window opens.
  std::int16_t Passo = 0;

  // Elements, valid while the window is open.
  Element* LV = nullptr;      // the level about to be played
  Element* Label1 = nullptr;  // "Continue"
  Element* Aereo = nullptr;   // the flying plane, Aereo(0)

  Timer& Timer1;

  // The menus start a game with the animation already running.
  void startAnimation();

  void click(Element& element) override;
  void forgetElements() override;
  bool keyPressed(Key key) override;

 private:
  void build() override;
  void startUp() override;
  void animationTick();  // Timer1
};

}  // namespace tw
