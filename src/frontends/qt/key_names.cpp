#include "frontends/qt/key_names.h"

#include <QKeyEvent>
#include <utility>

namespace tw {

namespace {

constexpr std::pair<int, KeyCode> kNamed[] = {
    {Qt::Key_Up, KeyCode::Up},         {Qt::Key_Down, KeyCode::Down},         {Qt::Key_Left, KeyCode::Left},
    {Qt::Key_Right, KeyCode::Right},   {Qt::Key_Return, KeyCode::Return},     {Qt::Key_Enter, KeyCode::Enter},
    {Qt::Key_Space, KeyCode::Space},   {Qt::Key_Tab, KeyCode::Tab},           {Qt::Key_Escape, KeyCode::Escape},
    {Qt::Key_Delete, KeyCode::Delete}, {Qt::Key_Backspace, KeyCode::Backspace}, {Qt::Key_Insert, KeyCode::Insert},
    {Qt::Key_Home, KeyCode::Home},     {Qt::Key_End, KeyCode::End},           {Qt::Key_PageUp, KeyCode::PageUp},
    {Qt::Key_PageDown, KeyCode::PageDown},
    // A modifier on its own names no key.
    {Qt::Key_Shift, KeyCode::None},    {Qt::Key_Control, KeyCode::None},      {Qt::Key_Alt, KeyCode::None},
    {Qt::Key_Meta, KeyCode::None},     {Qt::Key_unknown, KeyCode::None},
};

KeyCode codeOf(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return KeyCode(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F35) return Key::function(key - Qt::Key_F1 + 1).code;
  for (const auto& [qt, code] : kNamed) {
    if (key == qt) return code;
  }
  return KeyCode::Other;
}

}  // namespace

Key keyOf(const QKeyEvent& event) {
  // Shift+Tab arrives as a key of its own; Escape is Escape whatever is held with it.
  if (event.key() == Qt::Key_Backtab) return Key(KeyCode::Tab, kShift);
  if (event.key() == Qt::Key_Escape) return Key(KeyCode::Escape);
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return Key(codeOf(event.key()), (modifiers & Qt::ControlModifier ? kCtrl : 0) |
                                      (modifiers & Qt::ShiftModifier ? kShift : 0) |
                                      (modifiers & Qt::AltModifier ? kAlt : 0));
}

}  // namespace tw
