#pragma once
// A key acts only in the window where it went down. A message box or window that opens while
// the key is held lets its repeats and its release pass by, so the Enter that landed a plane
// cannot also close the game-over box and press the menu: each window waits for a new press.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>

namespace tw {

class KeyGate : public QObject {
 public:
  // Watches every key event of the application while it lives.
  KeyGate();
  ~KeyGate() override;
  KeyGate(const KeyGate&) = delete;
  KeyGate& operator=(const KeyGate&) = delete;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  std::map<int, QPointer<QWidget>> downIn_;  // each held key, and the window it went down in
};

}  // namespace tw
