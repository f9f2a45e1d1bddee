#include "frontends/qt/key_gate.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "frontends/qt/key_names.h"
#include "midend/midend.h"

namespace tw {

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
