#include "menus/form4.h"

#include <string>

#include "menus/form2.h"
#include "presentation/window_elements.h"
#include "model/application.h"

namespace tw {

namespace {

// Below the title line.
constexpr const char* kHelpLines[] = {
    // Credits.
    "An air traffic control game for the desktop,",
    "by the Tarmac Warden developers.",
    "",
    "* * *",
    "",
    // Where to read more: the manual page comes with every installed game.
    "More help: type  man tarmac-warden  in a terminal.",
    "",
    // How to play.
    "Your mission is to land the aircraft in the correct ",
    "coordinates.",
    "",
    "Example:",
    "Plane 0  have to land  in B,2",
    "",
    "You have to bring the plane 0 in B,2 and then press ",
    "Land.",
    "",
    // Sounds, licence and greeting: the whole text fits the window without scrolling.
    "About the sounds",
    "Every cue was made for this game by its own tools. The game is",
    "free: pass it on whole and free of charge. Have a good flight!",
    "",
    // Signature.
    "The Tarmac Warden developers",
};

std::string buildHelpText() {
  std::string text = std::string(kTitleAndVersion) + "\r\n";
  for (const char* line : kHelpLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace

const std::string& helpText() {
  static const std::string text = buildHelpText();
  return text;
}

Form4::Form4(Application& app) : Window(app, std::string(kName)) {
  caption = "Info and Help";
  keptInFrontOf = Form2::kName;
  clientWidth = 11535;
  clientHeight = 8160;
}

void Form4::build() {
  Element box = textLabel("Text1", helpText(), {0, 0, 11535, 8175}, 14.25f, 0x8080FF);
  box.kind = ElementKind::TextBox;
  box.backColor = 0x000000;
  box.opaque = true;
  box.multiLine = true;
  box.scrollBar = true;
  add(box);
}

void Form4::closing() { setMenuEnabled(app(), true); }

bool Form4::keyPressed(Key key) {
  if (key != Key(KeyCode::Escape)) return false;
  app().closeBox(*this);
  return true;
}

}  // namespace tw
