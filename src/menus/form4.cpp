#include "menus/form4.h"

namespace tw {

Form4::Form4(Application& app) : Window(app, std::string(kName)) {
  caption = "Info and Help";
  clientWidth = 11535;
  clientHeight = 8160;
}

void Form4::build() {}

}  // namespace tw
