#pragma once
#include <string_view>

#include "platform/window.h"

namespace tw {

class Form2 : public Window {
 public:
  static constexpr std::string_view kName = "Form2";
  explicit Form2(Application& app);

 private:
  void build() override;
};

}  // namespace tw
