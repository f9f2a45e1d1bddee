#include "frontends/qt/keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <optional>

#include "midend/midend.h"

namespace tw {

namespace {

KeyCode codeOf(int key) {
  // A modifier on its own names no key.
  for (const int modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_unknown}) {
    if (key == modifier) return KeyCode::None;
  }
  // The game's key names are Qt's own, but for two that Qt shortens.
  const QString name = key == Qt::Key_Delete   ? QStringLiteral("Delete")
                       : key == Qt::Key_Insert ? QStringLiteral("Insert")
                                               : QKeySequence(key).toString(QKeySequence::PortableText);
  const std::optional<Key> known = parseKey(name.toStdString());
  return known ? known->code : KeyCode::Other;
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

bool KeyGate::eventFilter(QObject* object, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  // Key events reach a window's focus widget after its window system window: only widgets tell.
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return false;
  const auto& key = static_cast<QKeyEvent&>(*event);
  return !midend_.keyActsIn(widget->window(), keyOf(key), event->type() == QEvent::KeyPress, key.isAutoRepeat());
}

}  // namespace tw
