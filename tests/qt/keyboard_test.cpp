// Qt's key events as the game's own keys.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "frontends/qt/keyboard.h"
#include "../test_support.h"

namespace tw::test {
namespace {

using QtKeys = GameTest;

TEST_F(QtKeys, EveryKeyTheGameNamesAndNoneForAModifierAlone) {
  struct Case {
    int qt;
    Qt::KeyboardModifiers held;
    Key key;
  };
  const Case cases[] = {
      {Qt::Key_Up, Qt::NoModifier, Key(KeyCode::Up)},
      {Qt::Key_PageDown, Qt::NoModifier, Key(KeyCode::PageDown)},
      {Qt::Key_Delete, Qt::NoModifier, Key(KeyCode::Delete)},
      {Qt::Key_Insert, Qt::NoModifier, Key(KeyCode::Insert)},
      {Qt::Key_Enter, Qt::KeypadModifier, Key(KeyCode::Enter)},
      {Qt::Key_Backspace, Qt::NoModifier, Key(KeyCode::Backspace)},
      {Qt::Key_S, Qt::ControlModifier, Key::character('S', kCtrl)},
      {Qt::Key_7, Qt::NoModifier, Key::character('7')},
      {Qt::Key_F12, Qt::AltModifier | Qt::ShiftModifier, Key::function(12, kShift | kAlt)},
      {Qt::Key_Backtab, Qt::ShiftModifier, Key(KeyCode::Tab, kShift)},
      {Qt::Key_Escape, Qt::ControlModifier, Key(KeyCode::Escape)},
      {Qt::Key_Shift, Qt::ShiftModifier, Key(KeyCode::None)},
      {Qt::Key_Control, Qt::ControlModifier, Key(KeyCode::None)},
      {Qt::Key_Plus, Qt::NoModifier, Key(KeyCode::Other)},
      {Qt::Key_Print, Qt::NoModifier, Key(KeyCode::Other)},
  };
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.qt, c.held);
    const Key key = keyOf(event);
    EXPECT_EQ(static_cast<int>(key.code), static_cast<int>(c.key.code)) << std::hex << c.qt;
    EXPECT_EQ(key.modifiers, c.key.modifiers) << std::hex << c.qt;
  }
}

}  // namespace
}  // namespace tw::test
