// Conflitto: the level's pace held on every tick, and two flying planes on one cell.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "game/board.h"
#include "game/form1.h"
#include "levels/level_table.h"
#include "model/application.h"
#include "model/field.h"
#include "presentation/suona.h"

namespace tw {

namespace {

// Whether two visible sprites share both coordinates. Flying planes stand on cell origins,
// so a map of the 81 cells settles it in one pass; a sprite put anywhere else by hand is
// compared with the other such sprites.
bool twoOnOneSpot(const std::vector<PlaneRecord>& planes, const std::vector<std::int16_t>& flying) {
  std::array<bool, board::kCellCount> taken{};
  std::vector<std::pair<float, float>> elsewhere;
  for (std::int16_t n : flying) {
    const Element& sprite = *planes[static_cast<std::size_t>(n)].Aereo;
    if (!sprite.visible) continue;
    if (const auto cell = board::cellAt(sprite.left, sprite.top)) {
      bool& occupied = taken[static_cast<std::size_t>(board::cellIndex(*cell))];
      if (occupied) return true;
      occupied = true;
    } else {
      elsewhere.emplace_back(sprite.left, sprite.top);
    }
  }
  std::sort(elsewhere.begin(), elsewhere.end());
  return std::adjacent_find(elsewhere.begin(), elsewhere.end()) != elsewhere.end();
}

}  // namespace

void Form1::collisionTick() {
  // A level that is no number fails every test of the table, and a failed test still writes
  // its row: the last row wins. A number outside the table writes nothing.
  const auto level = toNumber(LV->text);
  const LevelRow* row = level ? nullptr : &kLevels.back();
  if (level && *level >= 0 && *level < static_cast<double>(kLevels.size()) && *level == std::floor(*level)) {
    row = &kLevels[static_cast<std::size_t>(*level)];
  }
  if (row != nullptr) {
    if (NuovoVel->text != row->NuovoVel) setText(*NuovoVel, std::string(row->NuovoVel));
    if (Vel->text != row->Vel) setText(*Vel, std::string(row->Vel));
  }
  // Planes that have not moved since the last look cannot have met.
  if (!boardChanged_) return;
  boardChanged_ = false;
  if (twoOnOneSpot(planes, flyingPlanes())) crashGameOver();
}

void Form1::crashGameOver() {
  Suona(app(), "3");
  app().showMessage("Ops...Crash!!! Game Over!");
  FermaTutto();
  leaveToMenu();
}

}  // namespace tw
