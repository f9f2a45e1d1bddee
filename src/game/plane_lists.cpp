// Which planes the ticks must look at: those that moved, and those on the board.
#include <algorithm>

#include "game/form1.h"

namespace tw {

void Form1::shown(std::int16_t n) {
  if (listedFlying_.size() <= static_cast<std::size_t>(n)) listedFlying_.resize(static_cast<std::size_t>(n) + 1, false);
  if (listedFlying_[static_cast<std::size_t>(n)]) return;
  listedFlying_[static_cast<std::size_t>(n)] = true;
  // Kept in number order: the movement tick visits planes in ascending number.
  flying_.insert(std::lower_bound(flying_.begin(), flying_.end(), n), n);
}

const std::vector<std::int16_t>& Form1::flyingPlanes() {
  std::erase_if(flying_, [this](std::int16_t n) {
    const bool gone = !planes[static_cast<std::size_t>(n)].Aereo->visible;
    if (gone) listedFlying_[static_cast<std::size_t>(n)] = false;
    return gone;
  });
  return flying_;
}

void Form1::elementChanged(Element& element) {
  const PlaneRecord* p = plane(static_cast<std::int16_t>(element.index));
  if (p == nullptr || p->Aereo != &element) return;
  const auto n = static_cast<std::int16_t>(element.index);
  moved(n);
  if (element.visible) shown(n);
}

void Form1::fieldChanged(std::string_view name, int index) {
  if (name == "Posi" && plane(static_cast<std::int16_t>(index)) != nullptr) moved(static_cast<std::int16_t>(index));
}

}  // namespace tw
