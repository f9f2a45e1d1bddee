#pragma once
// A key as the game knows it, whatever made it: a script's name ("Up", "Ctrl+S", "Shift+Tab")
// or a front end's key event. One list of keys for scripts, windows and front ends.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tw {

// Letters and digits stand for their upper-case character; F1 .. F99 for kF0 plus their number.
enum class KeyCode : std::uint16_t {
  None = 0,
  Up = 0x100, Down, Left, Right, Return, Enter, Space, Tab, Escape,
  Backspace, Delete, Insert, Home, End, PageUp, PageDown,
  F0 = 0x200,
  Other = 0x300,  // a key of the machine's that no script names: it takes nothing, but it is a key
};

enum KeyModifier : std::uint8_t { kCtrl = 1, kShift = 2, kAlt = 4 };

struct Key {
  KeyCode code = KeyCode::None;
  std::uint8_t modifiers = 0;

  constexpr Key() = default;
  constexpr explicit Key(KeyCode code, std::uint8_t modifiers = 0) : code(code), modifiers(modifiers) {}
  // 'A' .. 'Z' or '0' .. '9'.
  static constexpr Key character(char c, std::uint8_t modifiers = 0) {
    return Key(static_cast<KeyCode>(c), modifiers);
  }
  static constexpr Key function(int n, std::uint8_t modifiers = 0) {
    return Key(static_cast<KeyCode>(static_cast<int>(KeyCode::F0) + n), modifiers);
  }

  // A digit with no modifier: its value, or -1.
  constexpr int digit() const {
    const auto c = static_cast<std::uint16_t>(code);
    return modifiers == 0 && c >= '0' && c <= '9' ? c - '0' : -1;
  }
  bool operator==(const Key&) const = default;
};

// As a script writes it: Ctrl+, Shift+ and Alt+ in that order, then one key. Nothing for a
// name the game does not know.
std::optional<Key> parseKey(std::string_view name);

}  // namespace tw
