#include "frontends/qt/key_names.h"

#include <QKeyEvent>

namespace tw {

namespace {

KeyCode codeOf(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return KeyCode(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F35) return Key::function(key - Qt::Key_F1 + 1).code;
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_unknown: return KeyCode::None;
    case Qt::Key_Up: return KeyCode::Up;
    case Qt::Key_Down: return KeyCode::Down;
    case Qt::Key_Left: return KeyCode::Left;
    case Qt::Key_Right: return KeyCode::Right;
    case Qt::Key_Return: return KeyCode::Return;
    case Qt::Key_Enter: return KeyCode::Enter;
    case Qt::Key_Space: return KeyCode::Space;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return KeyCode::Tab;
    case Qt::Key_Escape: return KeyCode::Escape;
    case Qt::Key_Backspace: return KeyCode::Backspace;
    case Qt::Key_Delete: return KeyCode::Delete;
    case Qt::Key_Insert: return KeyCode::Insert;
    case Qt::Key_Home: return KeyCode::Home;
    case Qt::Key_End: return KeyCode::End;
    case Qt::Key_PageUp: return KeyCode::PageUp;
    case Qt::Key_PageDown: return KeyCode::PageDown;
    default: return KeyCode::Other;
  }
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
