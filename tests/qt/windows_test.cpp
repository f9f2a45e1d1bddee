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

QPoint centreOf(const Window& window, std::string_view element, int index = -1) {
  return pixelRect(*window.find(element, index)).center();
}

TEST(QtWindows, TheChooserAndTheHelpStayInFrontOfTheMenuTheyDisable) {
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
    // The disabled menu offers no hand and takes no click.
    game.moveTo(menuView, centreOf(menu, "Label1"));
    EXPECT_EQ(menuView.cursor().shape(), Qt::ArrowCursor);
    game.pressAndRelease(menuView, centreOf(menu, "Label1"), centreOf(menu, "Label1"));
    EXPECT_EQ(game.app().openWindows().size(), 2u);
    view->close();
    EXPECT_TRUE(menu.enabled);
  }
}

// Pixels of the level's orange in the columns from `x` on.
int orangeFrom(const QImage& image, const QRect& rows, int x) {
  int count = 0;
  for (int y = rows.top(); y <= rows.bottom(); ++y) {
    for (int px = x; px < image.width(); ++px) count += (image.pixel(px, y) & 0xFFFFFF) == 0xFF8000 ? 1 : 0;
  }
  return count;
}

TEST(QtWindows, TheNextLevelWindowShowsTheWholeLevelNumber) {
  QtGame game(QtHost::Mode::Script);
  Form3& next = game.app().form<Form3>();
  game.app().open(next);
  const QRect designed = pixelRect(*next.LV);
  for (const auto& [level, beyond] : {std::pair{"1", false}, std::pair{"12", true}}) {
    next.LV->text = level;
    game.app().settle();
    const QImage image = game.viewOf("Form3")->capture();
    EXPECT_GT(orangeFrom(image, designed, designed.left()), 20) << level;
    EXPECT_EQ(orangeFrom(image, designed, designed.right() + 1) > 20, beyond) << level;
  }
}

TEST(QtWindows, EveryCaptionFitsItsLabelInAHeavyFace) {
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
        EXPECT_LE(metrics.horizontalAdvance(line), room.width()) << window->name() << "." << e->name << ": " << line.toStdString();
      }
      EXPECT_LE(static_cast<int>(lines.size()) * metrics.height(), room.height()) << window->name() << "." << e->name;
    }
  }
}

TEST(QtWindows, TheHelpShowsItsLastLineBesideADarkScrollBar) {
  QtGame game(QtHost::Mode::Script);
  game.app().open(*game.app().findWindow("Form4"));
  game.app().settle();
  auto* help = game.viewOf("Form4")->findChild<QPlainTextEdit*>();
  ASSERT_NE(help, nullptr);
  help->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(help->verticalScrollBar()->maximum(), 0) << "the last line needs scrolling";
  EXPECT_EQ(help->document()->toPlainText().split("\n").size(), help->document()->lineCount());  // no wrapping
  const QImage bar = help->verticalScrollBar()->grab().toImage();
  long light = 0;
  for (int y = 0; y < bar.height(); ++y) {
    for (int x = 0; x < bar.width(); ++x) light += qGray(bar.pixel(x, y)) > 0x60 ? 1 : 0;
  }
  EXPECT_EQ(light, 0) << "of " << bar.width() * bar.height() << " scroll bar pixels are light";
}

}  // namespace
}  // namespace tw::test
