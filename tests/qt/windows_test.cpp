// The small windows as a player meets them: in front of the menu they disable, every
// caption readable in a heavy face, the whole help text, the whole coming level.
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QWindow>
#include <gtest/gtest.h>

#include "levels/form3.h"
#include "qt_game.h"

namespace tw::test {
namespace {

using QtWindows = GameTest;

QPoint centreOf(const Window& window, std::string_view element, int index = -1) {
  return pixelRect(*window.find(element, index)).center();
}

TEST_F(QtWindows, TheChooserAndTheHelpStayInFrontOfTheMenuTheyDisable) {
  QtGame game(QtHost::Mode::Play);
  game.view().close();  // the game screen gives way to the main menu
  Window& menu = *game.app().findWindow("Form2");
  WindowView& menuView = *game.viewOf("Form2");
  for (const auto& [entry, opened] : {std::pair{"Label5", "Form5"}, std::pair{"Label4", "Form4"}}) {
    game.pressAndRelease(menuView, centreOf(menu, entry), centreOf(menu, entry));
    WindowView* view = game.viewOf(opened);
    ASSERT_NE(view, nullptr) << opened;
    EXPECT_EQ(view->windowHandle()->transientParent(), menuView.windowHandle()) << opened;
    ASSERT_FALSE(menu.enabled);
    view->close();
    EXPECT_TRUE(menu.enabled);
  }
}

TEST_F(QtWindows, CaptionsFitInAHeavyFaceTheLevelShowsWholeAndTheHelpEndsBesideADarkBar) {
  QtGame game(QtHost::Mode::Script);
  for (const char* name : {"Form3", "Form4", "Form5"}) game.app().open(*game.app().findWindow(name));
  game.app().open(*game.app().findWindow("Form2"));  // the next-level window would close it
  for (const Window* window : game.app().openWindows()) {
    for (const auto& e : window->elements()) {
      // Stars and the hidden state labels are no captions.
      if (e->kind != ElementKind::Label || e->text.empty() || e->autoSize || e->decoration || !e->visible) continue;
      const QFont font = gameFont(e->font);
      EXPECT_TRUE(QFontInfo(font).family() == "Arial Black" || QFontInfo(font).family() == "Inter")
          << QFontInfo(font).family().toStdString();
      EXPECT_GE(QFontInfo(font).weight(), QFont::Black);
      const QFontMetrics metrics(font);
      const QStringList lines = QString::fromStdString(e->text).split("\r\n");
      const QRect room = pixelRect(*e);
      for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), room.width())
            << window->name() << "." << e->name << ": " << line.toStdString();
      }
      EXPECT_LE(int(lines.size()) * metrics.height(), room.height()) << window->name() << "." << e->name;
    }
  }
  // The next-level window shows the whole level number, past its label when it must.
  Form3& next = game.app().form<Form3>();
  const QRect designed = pixelRect(*next.LV);
  for (const auto& [level, beyond] : {std::pair{"1", false}, std::pair{"12", true}}) {
    next.LV->text = level;
    game.app().settle();
    const QImage image = game.viewOf("Form3")->capture();
    // Pixels of the level's orange in the columns from `x` on.
    const auto orangeFrom = [&image, &designed](int x) {
      return pixelsWhere(QRect(QPoint(x, designed.top()), QPoint(image.width() - 1, designed.bottom())),
                         [&image](QPoint p) { return (image.pixel(p) & 0xFFFFFF) == 0xFF8000; });
    };
    EXPECT_GT(orangeFrom(designed.left()), 20) << level;
    EXPECT_EQ(orangeFrom(designed.right() + 1) > 20, beyond) << level;
  }
  // The help shows its last line beside a dark scroll bar.
  auto* help = game.viewOf("Form4")->findChild<QPlainTextEdit*>();
  ASSERT_NE(help, nullptr);
  help->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(help->verticalScrollBar()->maximum(), 0) << "the last line needs scrolling";
  EXPECT_EQ(help->document()->toPlainText().split("\n").size(), help->document()->lineCount());  // no wrapping
  const QImage bar = help->verticalScrollBar()->grab().toImage();
  EXPECT_EQ(pixelsWhere(bar.rect(), [&bar](QPoint p) { return qGray(bar.pixel(p)) > 0x60; }), 0)
      << "of " << bar.width() * bar.height() << " scroll bar pixels are light";
}

}  // namespace
}  // namespace tw::test
