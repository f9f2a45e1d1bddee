// "Land": on the destination the plane leaves the board; anywhere else the game is over.
#include "game/form1.h"
#include "levels/mission.h"
#include "model/application.h"
#include "model/field.h"
#include "presentation/suona.h"

namespace tw {

void Form1::land() {
  // Letter case does not count; spacing does.
  if (toLower(PO->text) != toLower(DT->text)) {
    Suona(app(), "3");
    Suona(app(), "3");
    app().showMessage("Ops...Landed in the wrong coordinates!!!  Game Over!");
    FermaTutto();
    leaveToMenu();
    return;
  }
  if (PlaneRecord* p = plane(*Plane)) p->Aereo->visible = false;
  Picture1->visible = false;
  if (const auto toLand = toNumber(Salvati->text)) Salvati->text = numberText(*toLand - 1);
  appendMessage(missionLine(LV->text, Salvati->text));
  moveLogToEnd();
  Suona(app(), "6");
}

}  // namespace tw
