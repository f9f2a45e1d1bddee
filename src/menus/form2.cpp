#include "menus/form2.h"

#include "game/form1.h"
#include "levels/form3.h"
#include "menus/form4.h"
#include "menus/form5.h"
#include "presentation/window_elements.h"
#include "model/application.h"
#include "presentation/suona.h"

namespace tw {

namespace {
constexpr Rgb kTitle = 0xFF8000;
constexpr Rgb kLine = 0xFFE0C0;
constexpr Rgb kFooter = 0xFFFFC0;
constexpr float kWidth = 4680;
}  // namespace

Form2::Form2(Application& app) : Window(app, std::string(kName)) {
  caption = "Tarmac Warden";
  clientWidth = kWidth;
  clientHeight = 4515;
}

void Form2::build() {
  add(indexed(textLabel("LET", std::string(kTitleAndVersion) + " - 2026", {120, 120, 4455, 375}, 12.0f, kTitle,
                        Align::Center),
              2));
  add(dividerLine("Line2", 600, kWidth, kLine));
  Label1 = &add(buttonLabel("Label1", "New game (Normal Game)", {480, 840, 3855, 375}, 12.0f));
  Label2 = &add(buttonLabel("Label2", "Match game (Land 1000 Planes)", {120, 1440, 4455, 375}, 12.0f));
  Label5 = &add(buttonLabel("Label5", "Choose a level", {720, 2040, 3255, 375}, 12.0f));
  Label3 = &add(buttonLabel("Label3", "Load game", {1320, 2640, 2055, 375}, 12.0f));
  Label4 = &add(buttonLabel("Label4", "Info and Help", {1320, 3240, 2055, 375}, 12.0f));
  add(dividerLine("Line1", 3840, kWidth, kLine));
  add(indexed(textLabel("LET", "A free air traffic control game\r\nby the Tarmac Warden developers",
                        {0, 3960, 4695, 495}, 9.75f, kFooter, Align::Center),
              0));
}

void Form2::startUp() {
  Suona(app(), "8");
  frame(Label1);
}

void Form2::forgetElements() { Label1 = Label2 = Label3 = Label4 = Label5 = nullptr; }

bool Form2::keyPressed(Key key) {
  // Top to bottom, as they stand.
  return chooseByKeys(key, {Label1, Label2, Label5, Label3, Label4});
}

void Form2::click(Element& element) {
  if (&element == Label1) {
    startGameAt(app(), *this, "1");
  } else if (&element == Label2) {
    startGameAt(app(), *this, "0");
  } else if (&element == Label3) {
    loadGame();
  } else if (&element == Label4) {
    app().open(app().form<Form4>());
    enabled = false;
  } else if (&element == Label5) {
    app().open(app().form<Form5>());
  }
}

void Form2::loadGame() {
  Form1& game = app().form<Form1>();
  app().open(game);
  game.Carica.start();
  app().close(*this);
}

void startGameAt(Application& app, Window& clicked, std::string_view level) {
  Form3& next = app.form<Form3>();
  app.open(next);
  next.LV->text = level;
  next.startAnimation();
  app.close(clicked);
}

void setMenuEnabled(Application& app, bool enabled) {
  Form2& menu = app.form<Form2>();
  if (menu.isOpen()) menu.enabled = enabled;
}

}  // namespace tw
