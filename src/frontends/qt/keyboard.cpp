#include "frontends/qt/keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

#include "midend/midend.h"

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


KeyGate::KeyGate(Midend& midend) : midend_(midend) { QCoreApplication::instance()->installEventFilter(this); }

KeyGate::~KeyGate() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool KeyGate::eventFilter(QObject* object, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  // Key events reach a window's focus widget after its window system window: only widgets tell.
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return false;
  const auto& key = static_cast<QKeyEvent&>(*event);
  return !midend_.keyActsIn(widget->window(), keyOf(key), event->type() == QEvent::KeyPress, key.isAutoRepeat());
}

}  // namespace tw
