// Grid position tracking and the info panel of the selected plane.
#include "game/board.h"
#include "game/form1.h"

namespace tw {

namespace {

// A sprite off every cell origin keeps its last position text.
void trackCell(PlaneRecord& p) {
  if (const auto cell = board::cellAt(p.Aereo->left, p.Aereo->top)) p.Posi = board::cellName(*cell);
}

}  // namespace

void Form1::positionTick() {
  // A plane that has not moved still stands where its Posi says.
  for (std::int16_t n : toTrack_) {
    if (PlaneRecord* p = plane(n)) trackCell(*p);
  }
  toTrack_.clear();
  AggiornaSelezionato();
}

void Form1::AggiornaSelezionato() {
  PlaneRecord* s = plane(*Selezionato);
  if (s == nullptr) return;
  trackCell(*s);
  // Written every tick, changed seldom: a write only where the text differs.
  auto show = [](Element& label, std::string_view text) {
    if (label.text != text) label.text = text;
  };
  show(*AT, s->Alt);
  show(*DT, board::positionText(s->AereoDest1, s->AereoDest2));
  show(*PO, s->Posi);
  show(*DI, s->Dir);
}

}  // namespace tw
