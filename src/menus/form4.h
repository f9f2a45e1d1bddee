#pragma once
#include <string_view>

#include "platform/window.h"

namespace tw {

class Form4 : public Window {
 public:
  static constexpr std::string_view kName = "Form4";
  explicit Form4(Application& app);

 private:
  void build() override;
};

}  // namespace tw
