// The midend's display lists read with no display, as any front end would read them: what a
// frame repaints, the focus frame, the log's block caret, clipping and pens, auto-sized
// labels and picture keys.
#include <algorithm>
#include <vector>

#include "levels/form3.h"
#include "midend/fonts.h"
#include "midend/text_positions.h"
#include "midend/window_display.h"
#include "model/key.h"
#include "../test_support.h"

namespace tw::test {
namespace {

using MidendDisplay = GameTest;

// The items that draw `e`, of `kind`.
std::vector<DrawItem> itemsOf(const WindowDisplay& display, const Element& e, DrawKind kind) {
  std::vector<DrawItem> found;
  for (const DrawItem& item : display.list().items()) {
    if (item.element == &e && item.kind == kind) found.push_back(item);
  }
  return found;
}

DrawItem onlyItem(const WindowDisplay& display, const Element& e, DrawKind kind) {
  const auto found = itemsOf(display, e, kind);
  EXPECT_EQ(found.size(), 1u) << e.name;
  return found.empty() ? DrawItem{} : found.front();
}

bool repaints(const std::vector<PixelRect>& changed, const PixelRect& part) {
  return std::find(changed.begin(), changed.end(), part) != changed.end();
}

PixelRect withRoom(const Element& e) {
  const int room = kFocusFrameRoom;
  return pixelsOf(e).grown(room, room, room, room);
}

TEST_F(MidendDisplay, AFrameRepaintsOnlyWhatChangedAndTheListFollows) {
  Game game;
  Form1& f = game.app.form<Form1>();
  WindowDisplay display;
  EXPECT_TRUE(repaints(display.update(f, game.host), pixelsOf(*f.CL))) << "the first frame draws everything";
  EXPECT_TRUE(display.update(f, game.host).empty()) << "nothing changed";

  Element& plane = *f.planes[0].Aereo;
  const PixelRect before = withRoom(plane);
  plane.left += 5;  // a third of a pixel: the same pixels
  EXPECT_TRUE(display.update(f, game.host).empty());
  plane.left += 150;
  const auto& moved = display.update(f, game.host);
  EXPECT_EQ(moved.size(), 2u);
  EXPECT_TRUE(repaints(moved, before)) << "where it was";
  EXPECT_TRUE(repaints(moved, withRoom(plane))) << "where it is";
  EXPECT_EQ(onlyItem(display, plane, DrawKind::Picture).area, pixelsOf(plane));

  f.CL->text = "7";
  EXPECT_EQ(display.update(f, game.host), std::vector{pixelsOf(*f.CL)});
  EXPECT_EQ(onlyItem(display, *f.CL, DrawKind::Text).text, "7");
  f.CL->visible = false;
  EXPECT_EQ(display.update(f, game.host), std::vector{pixelsOf(*f.CL)});
  EXPECT_TRUE(itemsOf(display, *f.CL, DrawKind::Text).empty());

  // The log draws itself over the window: nothing under it repaints, but its item follows,
  // and a front end that draws the box itself learns that it changed.
  EXPECT_FALSE(display.textBoxesChanged());
  f.appendText(*f.Text1, "more");
  EXPECT_TRUE(display.update(f, game.host).empty());
  EXPECT_TRUE(display.textBoxesChanged());
  EXPECT_EQ(onlyItem(display, *f.Text1, DrawKind::TextBox).text, f.Text1->text);
  display.update(f, game.host);
  EXPECT_FALSE(display.textBoxesChanged()) << "told once";
}

TEST_F(MidendDisplay, TheFocusFrameRingsTheFramedEntryAndMovesWithTheKeys) {
  Game game;
  game.app.closeBox(game.app.form<Form1>());
  Window& menu = *game.app.findWindow("Form2");
  Element& first = *menu.find("Label1");
  Element& second = *menu.find("Label2");
  WindowDisplay display;
  display.update(menu, game.host);
  const DrawItem frame = display.list().items().back();
  EXPECT_EQ(frame.kind, DrawKind::FocusFrame);
  EXPECT_EQ(frame.element, &first);
  EXPECT_EQ(frame.area, pixelsOf(first).grown(3, 3, 2, 2));
  EXPECT_EQ(frame.colour, 0xFF8000u);
  EXPECT_EQ(frame.pen, 2);

  game.app.key(menu, Key(KeyCode::Down));
  const auto& changed = display.update(menu, game.host);
  EXPECT_TRUE(repaints(changed, withRoom(first)));
  EXPECT_TRUE(repaints(changed, withRoom(second)));
  EXPECT_EQ(onlyItem(display, second, DrawKind::FocusFrame).area, pixelsOf(second).grown(3, 3, 2, 2));
  EXPECT_TRUE(itemsOf(display, first, DrawKind::FocusFrame).empty());

  second.visible = false;  // a hidden entry shows no frame
  display.update(menu, game.host);
  EXPECT_TRUE(itemsOf(display, second, DrawKind::FocusFrame).empty());
}

TEST_F(MidendDisplay, TheLogCarriesItsBlockCaretAtTheShownInsertionPoint) {
  Game game;
  Form1& f = game.app.form<Form1>();
  WindowDisplay display;
  display.update(f, game.host);
  Caret caret = onlyItem(display, *f.Text1, DrawKind::TextBox).caret;
  EXPECT_EQ(caret.width, 1) << "the thin caret until the mission setup";
  EXPECT_TRUE(caret.shown);

  game.app.advanceTo(20);
  display.update(f, game.host);
  const std::string& text = f.Text1->text;
  ASSERT_NE(text.find("\r\n"), std::string::npos) << "a log of several lines";
  caret = onlyItem(display, *f.Text1, DrawKind::TextBox).caret;
  EXPECT_EQ(caret.width, 8);
  EXPECT_EQ(caret.height, 19);
  // Each CR LF before the insertion point is one shown break; the log is plain ASCII.
  const auto breaks = std::count(text.begin(), text.begin() + f.Text1->selStart, '\n');
  EXPECT_EQ(caret.at, f.Text1->selStart - breaks);
  // Two bytes of UTF-8 are one character and one shown unit; a character beyond the basic
  // plane is two shown units.
  f.setText(*f.Text1, "ab\r\n\xC3\xA9\xF0\x9F\x9B\xA9x");
  for (const auto& [stored, shown] : {std::pair{5, 4}, std::pair{6, 6}}) {
    f.setSelStart(*f.Text1, stored);
    display.update(f, game.host);
    EXPECT_EQ(onlyItem(display, *f.Text1, DrawKind::TextBox).caret.at, shown) << stored;
  }

  f.setFocus(*f.Vel);
  display.update(f, game.host);
  EXPECT_FALSE(onlyItem(display, *f.Text1, DrawKind::TextBox).caret.shown) << "the focus went elsewhere";
  EXPECT_TRUE(itemsOf(display, *f.Vel, DrawKind::TextBox).empty()) << "a hidden box is not listed";
}

TEST_F(MidendDisplay, ItemsAreClippedByTheirContainersAndLinesReachPastTheirEndsByTheirPen) {
  Game game;
  Form1& f = game.app.form<Form1>();
  WindowDisplay display;
  f.Picture1->visible = true;
  f.DT->text = "A - 1";
  f.DT->width = 6000;  // far past the panel's right edge
  display.update(f, game.host);
  const DrawItem text = onlyItem(display, *f.DT, DrawKind::Text);
  EXPECT_EQ(text.area, pixelsOf(*f.DT));
  EXPECT_EQ(text.clip.right(), pixelsOf(*f.Picture1).right());
  EXPECT_EQ(text.clip.left, text.area.left);
  f.Picture1->visible = false;
  display.update(f, game.host);
  EXPECT_TRUE(itemsOf(display, *f.DT, DrawKind::Text).empty()) << "hidden with its panel";

  Window& next = game.app.form<Form3>();
  game.app.open(next);
  Element& line = *next.find("Line1");
  line.lineWidthPx = 3;
  line.top = line.y2 = 300;
  for (const auto& [from, to] : {std::pair{150.0f, 1500.0f}, std::pair{1500.0f, 150.0f}}) {
    line.left = from;
    line.x2 = to;
    WindowDisplay lines;
    lines.update(next, game.host);
    const DrawItem drawn = onlyItem(lines, line, DrawKind::Line);
    EXPECT_EQ(drawn.from, (PixelPoint{toPixels(from), 20}));
    EXPECT_EQ(drawn.to, (PixelPoint{toPixels(to), 20}));
    EXPECT_EQ(drawn.pen, 3);
    // A square cap reaches half the pen past each end, and the pen half its width across.
    EXPECT_LE(drawn.clip.left, 10 - 2);
    EXPECT_GE(drawn.clip.right(), 100 + 2);
    EXPECT_LE(drawn.clip.top, 20 - 2);
    EXPECT_GE(drawn.clip.bottom(), 20 + 2);
  }
}

TEST_F(MidendDisplay, AnAutoSizedLabelGrowsToItsTextAsTheHostMeasuresItAndKeepsItsWidth) {
  Game game;
  Form3& next = game.app.form<Form3>();
  game.app.open(next);
  WindowDisplay display;
  const PixelRect designed = pixelsOf(*next.LV);
  next.LV->text = "12";
  display.update(next, game.host);
  const int measured = game.host.measureText(next.LV->font, "12").width;
  ASSERT_GT(measured, designed.width);
  EXPECT_EQ(onlyItem(display, *next.LV, DrawKind::Text).area.width, measured);
  EXPECT_EQ(onlyItem(display, *next.LV, DrawKind::Fill).area.width, measured) << "its background grows too";
  EXPECT_EQ(next.LV->width, 195.0f) << "what scripts print stays the designed width";
  next.LV->text = "1";
  EXPECT_TRUE(repaints(display.update(next, game.host), {designed.left, designed.top, measured, designed.height}))
      << "the wider text is wiped";
  EXPECT_EQ(onlyItem(display, *next.LV, DrawKind::Text).area, designed) << "never narrower than designed";
  // The even face counts characters, not bytes.
  EXPECT_EQ(evenFaceSize(next.LV->font, "\xC3\xA9\xC3\xA9").width, evenFaceSize(next.LV->font, "ee").width);
}

TEST_F(MidendDisplay, PicturesGoByTheirDesignNameUntilAFileIsLoaded) {
  Game game;
  Form1& f = game.app.form<Form1>();
  Element& plane = *f.planes[0].Aereo;
  WindowDisplay display;
  display.update(f, game.host);
  DrawItem picture = onlyItem(display, plane, DrawKind::Picture);
  EXPECT_TRUE(picture.designPicture);
  EXPECT_EQ(picture.picture, plane.designPicture);
  game.app.key(f, Key(KeyCode::Left));
  ASSERT_EQ(plane.picture, "e.jpg");
  display.update(f, game.host);
  picture = onlyItem(display, plane, DrawKind::Picture);
  EXPECT_FALSE(picture.designPicture);
  EXPECT_EQ(picture.picture, plane.picturePath);
  EXPECT_TRUE(picture.picture.str().ends_with("/Plane/e.jpg")) << picture.picture;
}

}  // namespace
}  // namespace tw::test
