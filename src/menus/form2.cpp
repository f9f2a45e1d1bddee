#include "menus/form2.h"

namespace tw {

Form2::Form2(Application& app) : Window(app, std::string(kName)) {
  caption = "Tarmac Warden";
  clientWidth = 4680;
  clientHeight = 4515;
}

void Form2::build() {}

}  // namespace tw
