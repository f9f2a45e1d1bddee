// Controlla: the level is done when its landings are, and the game moves to the next one.
#include "game/form1.h"
#include "levels/form3.h"
#include "levels/level_table.h"
#include "menus/form2.h"
#include "model/application.h"
#include "model/field.h"

namespace tw {

void Form1::completionCheck() {
  // A counter that is not a number (a blank Salvati before the setup has run) never ends a level.
  const auto level = toNumber(LV->text);
  const auto toLand = toNumber(Salvati->text);
  if ((level && *level >= kBossLevel + 1) || (toLand && *toLand < 1)) changeLevel();
}

void Form1::changeLevel() {
  if (const auto level = toNumber(LV->text)) LV->text = numberText(*level + 1);
  Form3& next = app().form<Form3>();
  app().open(next);
  next.LV->text = LV->text;
  // Closing the screen shows the main menu; the player is left with the next-level window.
  app().close(*this);
  app().close(app().form<Form2>());
}

}  // namespace tw
