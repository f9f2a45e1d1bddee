#pragma once
#include <string_view>

#include "platform/window.h"

namespace tw {

class Form5 : public Window {
 public:
  static constexpr std::string_view kName = "Form5";
  explicit Form5(Application& app);

 private:
  void build() override;
};

}  // namespace tw
