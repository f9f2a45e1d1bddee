#pragma once
// The keyboard: Qt's keys as the game's own, and the midend's key gate over every key event.
#include <QObject>

#include "model/key.h"

class QKeyEvent;

namespace tw {

class Midend;

// KeyCode::None for a modifier on its own, such as Shift; KeyCode::Other for a key the game
// has no name for.
Key keyOf(const QKeyEvent& event);

// Hands every key event of the application to the key gate before any widget sees it, and
// keeps from a widget the keys the gate says do not act there.
class KeyGate : public QObject {
 public:
  // Qt forgets a filter that is destroyed: nothing to undo at the end.
  explicit KeyGate(Midend& midend);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  Midend& midend_;
};

}  // namespace tw
