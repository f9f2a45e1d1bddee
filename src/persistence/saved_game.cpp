// Save and load of the four counters in Save.ini.
#include "game/form1.h"
#include "levels/level_table.h"
#include "levels/mission.h"
#include "persistence/save_file.h"
#include "persistence/save_location.h"
#include "platform/application.h"

namespace tw {

void Form1::save() {
  const bool saved = writeSavedGame(savedGamePath(app()), {LV->text, CL->text, TM->text, Salvati->text});
  app().showMessage(saved ? "Saved" : "The game could not be saved.");
}

void Form1::requestLoad() { Carica.start(); }

void Form1::loadTick() {
  Carica.stop();
  const LoadedGame loaded = readSavedGame(savedGamePath(app()));
  // A missing or damaged file changes nothing in the running game.
  if (loaded.state == SaveFileState::Missing) {
    app().showMessage("No saved game found.");
    return;
  }
  if (loaded.state == SaveFileState::Damaged) {
    app().showMessage("The saved game is damaged and was not loaded.");
    return;
  }
  LV->text = loaded.counters.level;
  CL->text = loaded.counters.clicks;
  TM->text = loaded.counters.time;
  Salvati->text = loaded.counters.toLand;
  Caricato = 1;
  if (Salvati->text.empty()) Salvati->text.assign(1, '5');  // not = "5": g++ 12 warns falsely at -O2
  // The first level's pace; the collision tick brings in the loaded level's own.
  const LevelRow& first = kLevels[kFirstNormalLevel];
  setText(*NuovoVel, std::string(first.NuovoVel));
  setText(*Vel, std::string(first.Vel));
  // Restarting counts down anew, so a setup still pending runs only after the counters are in.
  Start.start();
  clearLog();
  appendMessage(missionBriefing(LV->text, Salvati->text));
  app().showMessage("Are you ready?");
}

}  // namespace tw
