#pragma once
// Form4, the help window: one scrolling text with the credits and how to play.
#include <string_view>

#include "model/window.h"

namespace tw {

class Form4 : public Window {
 public:
  static constexpr std::string_view kName = "Form4";
  explicit Form4(Application& app);

 private:
  void build() override;
  void closing() override;
  bool keyPressed(Key key) override;
};

// The fixed text of the help window, lines ending in CR LF.
const std::string& helpText();

}  // namespace tw
