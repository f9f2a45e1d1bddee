#include "model/key.h"

#include <utility>

#include "model/field.h"

namespace tw {

namespace {

constexpr std::pair<std::string_view, KeyCode> kNamed[] = {
    {"Up", KeyCode::Up},         {"Down", KeyCode::Down},           {"Left", KeyCode::Left},
    {"Right", KeyCode::Right},   {"Return", KeyCode::Return},       {"Enter", KeyCode::Enter},
    {"Space", KeyCode::Space},   {"Tab", KeyCode::Tab},             {"Escape", KeyCode::Escape},
    {"Backspace", KeyCode::Backspace}, {"Delete", KeyCode::Delete}, {"Insert", KeyCode::Insert},
    {"Home", KeyCode::Home},     {"End", KeyCode::End},             {"PgUp", KeyCode::PageUp},
    {"PgDown", KeyCode::PageDown},
};

}  // namespace

std::optional<Key> parseKey(std::string_view name) {
  std::uint8_t modifiers = 0;
  for (const auto& [prefix, modifier] : {std::pair{std::string_view("Ctrl+"), kCtrl}, {"Shift+", kShift},
                                         {"Alt+", kAlt}}) {
    if (!name.starts_with(prefix)) continue;
    name.remove_prefix(prefix.size());
    modifiers |= modifier;
  }
  if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
    return Key::character(name[0], modifiers);
  }
  if (name.size() <= 3 && name.starts_with('F') && allDigits(name.substr(1))) {
    const int n = name.size() == 2 ? name[1] - '0' : (name[1] - '0') * 10 + (name[2] - '0');
    return Key::function(n, modifiers);
  }
  for (const auto& [named, code] : kNamed) {
    if (name == named) return Key(code, modifiers);
  }
  return std::nullopt;
}

}  // namespace tw
