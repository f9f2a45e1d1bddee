// Save and load of the four counters in Save.ini.
#include "game/form1.h"
#include "levels/level_table.h"
#include "levels/mission.h"
#include "persistence/save_file.h"
#include "model/application.h"

namespace tw {

namespace {

std::string loadFailure(SaveFileState state) {
  if (state == SaveFileState::Missing) return "No saved game found.";
  if (state == SaveFileState::Unreadable) return "The saved game cannot be read and was not loaded.";
  return "The saved game is damaged and was not loaded.";
}

}  // namespace

void Form1::save() {
  const std::string failure = writeSavedGame(app().host(), {LV->text, CL->text, TM->text, Salvati->text});
  app().showMessage(failure.empty() ? "Saved" : "The game could not be saved: " + failure + ".");
}

void Form1::requestLoad() { Carica.start(); }

void Form1::loadTick() {
  Carica.stop();
  const LoadedGame loaded = readSavedGame(app().host());
  // A file that did not load changes nothing in the running game.
  if (loaded.state != SaveFileState::Loaded) {
    app().showMessage(loadFailure(loaded.state));
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
