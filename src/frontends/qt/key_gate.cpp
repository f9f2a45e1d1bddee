#include "frontends/qt/key_gate.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tw {

KeyGate::KeyGate() { QCoreApplication::instance()->installEventFilter(this); }

KeyGate::~KeyGate() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool KeyGate::eventFilter(QObject* object, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  // Key events reach a window's focus widget after its window system window: only widgets tell.
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  QWidget* window = widget->window();
  if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
    downIn_[key->key()] = window;
    return false;
  }
  const auto held = downIn_.find(key->key());
  if (held == downIn_.end()) return false;  // went down before the game was watching
  // A window closed since counts as elsewhere.
  const bool elsewhere = held->second != window;
  if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) downIn_.erase(held);
  return elsewhere;
}

}  // namespace tw
