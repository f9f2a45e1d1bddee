// The star field: 51 grey stars over the board, laid out afresh every minute.
#include <cmath>

#include "game/board.h"
#include "game/form1.h"
#include "model/application.h"

namespace tw {

namespace {

constexpr int kStarCount = 51;
constexpr char kStar = '*';
// Stars land on 720 to 5919: a spread of 5200, a little short of the board's 5400.
constexpr double kSpread = 5200;

float drawStarCoordinate(UniformRandom& random) {
  return board::kOrigin + static_cast<float>(std::floor(random.next() * kSpread));
}

}  // namespace

void Form1::layOutStars() {
  for (int i = 0; i < kStarCount; ++i) {
    const float left = drawStarCoordinate(app().random());
    const float top = drawStarCoordinate(app().random());
    if (i == static_cast<int>(Stars.size())) Stars.push_back(&addCopy(*Stars.front(), i));
    Element& star = *Stars[static_cast<std::size_t>(i)];
    star.visible = true;
    star.text.assign(1, kStar);  // not = "*": g++ 12 warns falsely on that at -O2
    star.width = 135;
    star.height = 255;
    star.top = top;
    star.left = left;
  }
}

void Form1::starfieldTick() {
  app().reseedFromTimeOfDay();
  layOutStars();
}

}  // namespace tw
