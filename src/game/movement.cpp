// The movement tick: fuel, one cell per tick, the board edge.
#include "game/board.h"
#include "game/form1.h"
#include "game/headings.h"
#include "model/application.h"
#include "model/field.h"
#include "presentation/suona.h"

namespace tw {

namespace {

constexpr double kFuelPerStep = 10;

bool offTheBoard(const Element& sprite) {
  const float first = board::kOrigin;
  const float last = board::columnLeft(board::kCells);
  return sprite.top < first || sprite.top > last || sprite.left < first || sprite.left > last;
}

}  // namespace

void Form1::movementTick() {
  Suona(app(), "1");
  if (const auto ms = toInt32(Vel->text)) Act.setInterval(*ms);
  // A copy: a crash hides a plane, and the list drops it.
  const std::vector<std::int16_t> flying = flyingPlanes();
  for (const std::int16_t i : flying) {
    PlaneRecord& p = planes[static_cast<std::size_t>(i)];
    Element& sprite = *p.Aereo;
    if (!sprite.visible) continue;
    if (const auto before = toNumber(p.Alt)) p.Alt = numberText(*before - kFuelPerStep);
    AT->text = p.Alt;
    p.AereoNum = p.Alt;
    // Fuel that is no number counts as gone, like fuel below zero.
    const auto fuel = toNumber(p.Alt);
    if (!fuel || *fuel < 0) {
      app().showMessage("Ops...No fuel for plane " + std::to_string(i) + "!!! Game Over!");
      FermaTutto();
      Suona(app(), "3");
      leaveToMenu();
      return;
    }
    if (const Heading* h = headingOf(p.AereoDir)) {
      sprite.left += h->dLeft;
      sprite.top += h->dTop;
      moved(i);
    }
    if (offTheBoard(sprite)) {
      sprite.visible = false;
      crashGameOver();
      return;
    }
  }
}

}  // namespace tw
