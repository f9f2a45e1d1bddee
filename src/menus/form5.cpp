#include "menus/form5.h"

#include <string>

#include "levels/level_table.h"
#include "menus/form2.h"
#include "menus/menu_elements.h"

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
    add(indexed(buttonLabel("XX", std::to_string(i + 1), box, kPoints), i));
  }
  add(indexed(buttonLabel("XX", "Boss Level!", {120, 1560, 3495, kSquare}, kPoints), kBossButton));
}

void Form5::startUp() { setMenuEnabled(app(), false); }

void Form5::closing() { setMenuEnabled(app(), true); }

void Form5::click(Element& element) {
  if (element.name != "XX") return;
  // XX(0) to XX(9) are levels 1 to 10; the last button is the boss level.
  const int level = element.index == kBossButton ? kBossLevel : element.index + 1;
  startGameAt(app(), *this, std::to_string(level));
}

}  // namespace tw
