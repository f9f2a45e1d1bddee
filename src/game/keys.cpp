// The game screen from the keyboard: each key presses the button it stands for, through
// the same click, so a key does nothing where the click would do nothing.
#include "game/form1.h"
#include "model/application.h"
#include "model/field.h"

namespace tw {

namespace {
constexpr std::string_view kCaption = "Tarmac Warden - an air traffic control game by the Tarmac Warden developers";
}  // namespace

std::string Form1::captionFor(bool muted) { return std::string(kCaption) + (muted ? " (muted)" : ""); }

void Form1::muteChanged(bool muted) { caption = captionFor(muted); }

bool Form1::keyPressed(Key key) {
  // The heading buttons in their order: north, south, east (leftward), west (rightward).
  constexpr Key kArrows[] = {Key(KeyCode::Up), Key(KeyCode::Down), Key(KeyCode::Left), Key(KeyCode::Right)};
  for (std::size_t i = 0; i < DestAereo.size(); ++i) {
    if (key == kArrows[i]) {
      app().click(*DestAereo[i]);
      return true;
    }
  }
  Element* button = key == Key(KeyCode::Return) || key == Key(KeyCode::Enter) || key == Key::character('L') ? Label1
                    : key == Key::character('P') || key == Key(KeyCode::Space)                           ? Label4
                    : key == Key::character('S', kCtrl)                                                  ? Label2
                    : key == Key::character('O', kCtrl)                                                  ? Label3
                                                                                                         : nullptr;
  if (button != nullptr) {
    app().click(*button);
    return true;
  }
  if (key.code == KeyCode::Tab && (key.modifiers & ~kShift) == 0) {
    clickNeighbourPlane(key.modifiers == 0 ? 1 : -1);
    return true;
  }
  return false;
}

void Form1::clickNeighbourPlane(int step) {
  const int count = static_cast<int>(planes.size());
  const int current = toInt16(Selezionato->text).value_or(0);
  for (int k = 1; k <= count; ++k) {
    const int n = ((current + step * k) % count + count) % count;
    Element& sprite = *planes[static_cast<std::size_t>(n)].Aereo;
    if (sprite.shown()) {
      app().click(sprite);
      return;
    }
  }
}

void Form1::minimized() {
  // Planes must not fly unseen: a minimised game pauses, and stays paused when restored.
  if (Label4->text == "||") app().click(*Label4);
}

}  // namespace tw
