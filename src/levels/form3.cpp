#include "levels/form3.h"

#include <limits>

#include "game/form1.h"
#include "levels/level_table.h"
#include "menus/form2.h"
#include "presentation/window_elements.h"
#include "model/application.h"
#include "model/field.h"
#include "presentation/suona.h"

namespace tw {

namespace {
constexpr Rgb kLegend = 0x80FF80;
constexpr Rgb kLevel = 0xFF8000;
constexpr Rgb kLine = 0xC0FFC0;
}  // namespace

Form3::Form3(Application& app)
    : Window(app, std::string(kName)), Timer1(addTimer("Timer1", 100, false, [this] { animationTick(); })) {
  caption = "Ok. The level is ready.";
  clientWidth = 4680;
  clientHeight = 3090;
  addVariable("Passo", Passo);
}

void Form3::build() {
  add(textLabel("Label2", "Next level:", {1200, 1560, 1680, 405}, 14.25f, kLegend));
  Element level = textLabel("LV", "1", {3000, 1560, 195, 405}, 14.25f, kLevel);
  level.opaque = true;
  // Designed for one digit; the coming level may have two.
  level.autoSize = true;
  LV = &add(level);
  Label1 = &add(buttonLabel("Label1", "Continue", {1440, 2160, 2055, 375}, 12.0f, "Continue (Enter or Space)"));

  Element plane = textLabel("Aereo", "", {0, 480, 600, 600}, 12.0f, 0xFFFFFF);
  plane.kind = ElementKind::Picture;
  plane.index = 0;
  plane.designPicture = "white_plane";
  Aereo = &add(plane);

  add(dividerLine("Line1", 240, clientWidth, kLine, 2));
  add(dividerLine("Line2", 1320, clientWidth, kLine, 2));
}

void Form3::startUp() {
  app().close(app().form<Form2>());
  Passo = 10;
  frame(Label1);
}

bool Form3::keyPressed(Key key) { return chooseByKeys(key, {Label1}); }

void Form3::forgetElements() {
  LV = nullptr;
  Label1 = nullptr;
  Aereo = nullptr;
}

void Form3::click(Element& element) {
  // "Continue" starts the animation the menus start at once.
  if (&element == Label1) startAnimation();
}

void Form3::startAnimation() {
  Timer1.start();
  Label1->visible = false;
}

void Form3::animationTick() {
  const auto level = toNumber(LV->text);
  if (level && *level > kBossLevel) {
    Suona(app(), "5");
    // Stopped first, so the message is shown once however long the player leaves it open.
    Timer1.stop();
    app().showMessage("Bravo!!!  You have completed the game");
    app().open(app().form<Form2>());
    app().close(*this);
    return;
  }
  Suona(app(), "2");
  // A 16-bit step: one that would overflow is skipped, and the picture moves by the old one.
  if (Passo <= std::numeric_limits<std::int16_t>::max() - 10) Passo = static_cast<std::int16_t>(Passo + 10);
  Aereo->left += Passo;
  Aereo->width += 5;
  Aereo->height += 5;
  if (Aereo->left > outerWidth()) {
    Timer1.stop();
    Form1& game = app().form<Form1>();
    app().open(game);
    game.LV->text = LV->text;
    app().close(*this);
  }
}

}  // namespace tw
