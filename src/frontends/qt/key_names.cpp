#include "frontends/qt/key_names.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace tw {

std::string keyName(const QKeyEvent& event) {
  const int key = event.key();
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_unknown: return {};
    case Qt::Key_Backtab: return "Shift+Tab";  // Shift+Tab arrives as a key of its own
    case Qt::Key_Escape: return "Escape";
    default: break;
  }
  std::string name;
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers & Qt::ControlModifier) name += "Ctrl+";
  if (modifiers & Qt::AltModifier) name += "Alt+";
  if (modifiers & Qt::ShiftModifier) name += "Shift+";
  return name + QKeySequence(key).toString(QKeySequence::PortableText).toStdString();
}

}  // namespace tw
