// Start: the mission setup of a freshly opened (or freshly loaded) game screen.
#include "game/form1.h"
#include "levels/level_table.h"
#include "levels/mission.h"
#include "model/field.h"

namespace tw {

std::string missionLine(std::string_view level, std::string_view toLand) {
  std::string line = "Mission level ";
  line += level;
  line += ". Land ";
  line += toLand;
  line += " airplanes.";
  return line;
}

std::string missionBriefing(std::string_view level, std::string_view toLand) {
  return "New message: " + missionLine(level, toLand);
}

void Form1::missionSetup() {
  Start.stop();
  Conflitto.start();
  LarghezzaCursore = 8;
  layOutStars();
  Stelle.start();
  Altezza.start();
  Desti.start();
  // The intervals are taken before the level row is written: the first steps come at the
  // screen's initial pace at every level.
  if (const auto ms = toInt32(Vel->text)) Act.setInterval(*ms);
  Act.start();
  if (const auto ms = toInt32(NuovoVel->text)) Nuovo.setInterval(*ms);
  Nuovo.start();
  Posizione.start();
  if (Caricato != 1) {
    if (Salvati->text.empty()) Salvati->text = "5";
    if (const auto level = toNumber(LV->text)) {
      for (int row = 0; row < static_cast<int>(kLevels.size()); ++row) {
        if (*level != row) continue;
        const LevelRow& r = kLevels[static_cast<std::size_t>(row)];
        Salvati->text = r.Salvati;
        if (row != kFirstNormalLevel) {
          setText(*NuovoVel, std::string(r.NuovoVel));
          setText(*Vel, std::string(r.Vel));
        }
      }
    }
    appendMessage(missionBriefing(LV->text, Salvati->text));
  } else {
    Caricato = 0;
  }
  moveLogToEnd();
}

}  // namespace tw
