#include "levels/form3.h"

namespace tw {

Form3::Form3(Application& app) : Window(app, std::string(kName)) {
  caption = "Ok. The level is ready.";
  clientWidth = 4680;
  clientHeight = 3090;
}

void Form3::build() {}

}  // namespace tw
