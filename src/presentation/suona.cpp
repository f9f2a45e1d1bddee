#include "presentation/suona.h"

#include <string>

#include "model/application.h"

namespace tw {

void Suona(Application& app, std::string_view cue) {
  std::string file(cue);
  file += ".wav";
  app.playSound(cue, app.planeFile(file));
}

}  // namespace tw
