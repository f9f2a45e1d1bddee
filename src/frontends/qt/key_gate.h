#pragma once
// Hands every key event of the application to the midend's key gate before any widget sees
// it, and keeps from a widget the keys the gate says do not act there.
#include <QObject>

namespace tw {

class Midend;

class KeyGate : public QObject {
 public:
  explicit KeyGate(Midend& midend);
  ~KeyGate() override;
  KeyGate(const KeyGate&) = delete;
  KeyGate& operator=(const KeyGate&) = delete;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  Midend& midend_;
};

}  // namespace tw
