#pragma once
// Reading and writing anything a script names: Window.Element(Index).Property.
#include <optional>
#include <string>
#include <string_view>

namespace tw {

class Application;

struct NameRef {
  std::string window;
  std::string element;  // an element, field, timer, variable or window property
  int index = -1;
  std::string property;  // empty for the default
};

std::optional<NameRef> parseName(std::string_view text);

struct Access {
  std::string value;  // the printed value when error is empty
  std::string error;
};

Access readName(Application& app, const NameRef& ref);
// Returns an error text, or empty when written.
std::string writeName(Application& app, const NameRef& ref, const std::string& value);

}  // namespace tw
