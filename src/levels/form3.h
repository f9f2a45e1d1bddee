#pragma once
// Form3, the next-level window.
#include <string_view>

#include "platform/window.h"

namespace tw {

class Form3 : public Window {
 public:
  static constexpr std::string_view kName = "Form3";
  explicit Form3(Application& app);

 private:
  void build() override;
};

}  // namespace tw
