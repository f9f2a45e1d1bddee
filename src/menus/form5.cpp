#include "menus/form5.h"

namespace tw {

Form5::Form5(Application& app) : Window(app, std::string(kName)) {
  caption = "Levels";
  clientWidth = 3750;
  clientHeight = 2310;
}

void Form5::build() {}

}  // namespace tw
