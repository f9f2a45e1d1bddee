#include "game/game_windows.h"

#include "game/form1.h"
#include "levels/form3.h"
#include "menus/form2.h"
#include "menus/form4.h"
#include "menus/form5.h"
#include "model/application.h"

namespace tw {

void addGameWindows(Application& app) {
  app.addWindow<Form1>();
  app.addWindow<Form2>();
  app.addWindow<Form3>();
  app.addWindow<Form4>();
  app.addWindow<Form5>();
}

void startGame(Application& app) {
  app.open(app.form<Form1>());
  app.settle();
}

}  // namespace tw
