// New planes enter on A - 1 at the level's pace.
#include <cmath>
#include <limits>

#include "game/board.h"
#include "game/form1.h"
#include "game/headings.h"
#include "model/application.h"
#include "model/field.h"
#include "presentation/suona.h"

namespace tw {

PlaneRecord& Form1::createPlane() {
  PlaneRecord copy = planes.front();
  copy.Aereo = &addCopy(*planes.front().Aereo, static_cast<int>(planes.size()));
  planes.push_back(std::move(copy));
  return planes.back();
}

void Form1::drawDestination(PlaneRecord* p) {
  const int column = static_cast<int>(std::floor(app().random().next() * board::kCells)) + 1;
  const int row = static_cast<int>(std::floor(app().random().next() * board::kCells)) + 1;
  if (p == nullptr) return;
  p->AereoDest1 = std::string(1, board::columnLetter(column));
  p->AereoDest2 = std::to_string(row);
}

void Form1::spawnTick() {
  Suona(app(), "1");
  app().reseedFromTimeOfDay();
  if (const auto ms = toInt32(NuovoVel->text)) Nuovo.setInterval(*ms);
  const auto newest = toNumber(AA->text);
  if (!newest) return;
  // Plane numbers are 16-bit: past plane 32767 a spawn tick creates nothing.
  const double next = *newest + 1;
  if (next > std::numeric_limits<std::int16_t>::max()) return;
  AA->text = numberText(next);
  const auto n = toInt16(AA->text);
  if (!n) return;
  if (*n == static_cast<int>(planes.size())) createPlane();
  PlaneRecord* p = plane(*n);
  if (p == nullptr) return;

  Element& sprite = *p->Aereo;
  sprite.visible = true;
  sprite.top = board::kOrigin;
  sprite.left = board::kOrigin;
  sprite.width = board::kCell;
  sprite.height = board::kCell;
  bringToFront(sprite);
  p->AereoNum = "250";
  p->Alt = "250";
  p->AereoDir = "s";
  if (const Heading* h = headingOf(p->AereoDir)) app().loadPicture(sprite, app().planeFile(h->picture));
  drawDestination(p);
  p->Posi = board::cellName({1, 1});
  moved(*n);
  shown(*n);

  const std::string destination = board::positionText(p->AereoDest1, p->AereoDest2);
  AT->text = p->Alt;
  DT->text = destination;
  PO->text = p->Posi;
  DI->text = p->Dir;
  std::string arrival = "Airplane ";
  arrival += AA->text;
  arrival += " in arrives ";
  arrival += " to gate ";
  arrival += destination;
  appendMessage(arrival);
  moveLogToEnd();
}

void Form1::hideTick() {
  if (const auto ms = toInt32(NascVel->text)) Nascondi.setInterval(*ms);
  Nascondi.stop();
}

}  // namespace tw
