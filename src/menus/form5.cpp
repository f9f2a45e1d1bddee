#include "menus/form5.h"

#include <algorithm>
#include <string>

#include "levels/level_table.h"
#include "menus/form2.h"
#include "presentation/window_elements.h"
#include "model/application.h"

namespace tw {

namespace {
constexpr int kBossButton = 10;
constexpr float kSquare = 615;
constexpr float kColumns[] = {120, 840, 1560, 2280, 3000};
constexpr float kPoints = 21.75f;
}  // namespace

Form5::Form5(Application& app) : Window(app, std::string(kName)) {
  caption = "Levels";
  keptInFrontOf = Form2::kName;
  clientWidth = 3750;
  clientHeight = 2310;
}

void Form5::build() {
  for (int i = 0; i < kBossButton; ++i) {
    const Box box{kColumns[i % 5], i < 5 ? 120.0f : 840.0f, kSquare, kSquare};
    XX[static_cast<std::size_t>(i)] = &add(indexed(buttonLabel("XX", std::to_string(i + 1), box, kPoints), i));
    XX[static_cast<std::size_t>(i)]->tooltip =
        "Level " + std::to_string(i + 1) + " (key " + std::to_string((i + 1) % 10) + ")";
  }
  XX[kBossButton] = &add(indexed(buttonLabel("XX", "Boss Level!", {120, 1560, 3495, kSquare}, kPoints), kBossButton));
  XX[kBossButton]->tooltip = "The boss level (B)";
}

void Form5::startUp() {
  setMenuEnabled(app(), false);
  frame(XX[0]);
}

bool Form5::keyPressed(Key key) {
  if (key == Key(KeyCode::Escape)) {
    app().closeBox(*this);
    return true;
  }
  // 1 to 9 and 0 (for 10) choose their level, B the boss level.
  if (key.digit() >= 0 || key == Key::character('B')) {
    const int index = key == Key::character('B') ? kBossButton : key.digit() == 0 ? 9 : key.digit() - 1;
    app().click(*XX[static_cast<std::size_t>(index)]);
    return true;
  }
  return chooseByKeys(key, std::vector<Element*>(XX.begin(), XX.end()));
}

void Form5::closing() { setMenuEnabled(app(), true); }

void Form5::click(Element& element) {
  const auto button = std::find(XX.begin(), XX.end(), &element);
  if (button == XX.end()) return;
  // XX(0) to XX(9) are levels 1 to 10; the last button is the boss level.
  const int index = static_cast<int>(button - XX.begin());
  startGameAt(app(), *this, std::to_string(index == kBossButton ? kBossLevel : index + 1));
}

}  // namespace tw
