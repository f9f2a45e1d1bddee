// The player's input through the midend, with no display: what a click is, what the pointer
// offers, where a key acts, what typing may change, when input is taken, and the demo's end.
#include <optional>
#include <vector>

#include "app/demo.h"

#include "test_front_end.h"

namespace tw::test {
namespace {

using MidendPointer = GameTest;
using MidendKeys = GameTest;
using MidendInput = GameTest;
using MidendTime = GameTest;
using MidendWindows = GameTest;

TEST_F(MidendPointer, AClickIsALeftPressAndReleaseOnTheSameElement) {
  TestFrontEnd fe;
  fe.wait(20);
  Form1& f = fe.form1();
  fe.click(f, *f.Label4);
  EXPECT_EQ(f.Label4->text, ">");
  fe.click(f, *f.Label4);
  EXPECT_EQ(f.Label4->text, "||");
  // Pressed on the load button, released on the pause button.
  fe.press(f, TestFrontEnd::centreOf(*f.Label3));
  fe.release(f, TestFrontEnd::centreOf(*f.Label4));
  // The right button, alone or let go under a held left one.
  fe.click(f, *f.Label4, Button::Other);
  fe.press(f, TestFrontEnd::centreOf(*f.Label4));
  fe.release(f, TestFrontEnd::centreOf(*f.Label4), Button::Other);
  EXPECT_EQ(f.Label4->text, "||");
  fe.release(f, TestFrontEnd::centreOf(*f.Label4));
  EXPECT_EQ(f.Label4->text, ">");
  // A release with no press of its own.
  fe.release(f, TestFrontEnd::centreOf(*f.Label4));
  EXPECT_EQ(f.Label4->text, ">");
  // A plane in front of the stars and the sweep lines, which never take a click.
  Element& star = *f.Stars.back();
  star.left = f.planes[0].Aereo->left;
  star.top = f.planes[0].Aereo->top;
  const std::string clicks = f.CL->text;
  fe.click(f, *f.planes[0].Aereo);
  EXPECT_EQ(f.Selezionato->text, "0");
  EXPECT_NE(f.CL->text, clicks);
  f.Label4->enabled = false;
  fe.click(f, *f.Label4);
  EXPECT_EQ(f.Label4->text, ">");

  // A text box the front end shows by itself counts the left button only, as the rest do.
  Element& box = *f.Vel;
  box.visible = true;
  ASSERT_NE(f.focus(), &box);
  fe.midend().pressOn(f, &box, Button::Other);
  fe.midend().releaseOn(f, &box, Button::Other);
  fe.midend().pressOn(f, &box, Button::Left);
  fe.midend().releaseOn(f, &box, Button::Other);
  EXPECT_NE(f.focus(), &box);
  fe.midend().pressOn(f, &box, Button::Left);
  fe.midend().releaseOn(f, &box, Button::Left);
  EXPECT_EQ(f.focus(), &box);
}

TEST_F(MidendPointer, OnlyAnEnabledWindowOffersTheHandAndTheTooltip) {
  TestFrontEnd fe;
  fe.wait(20);
  Form1& f = fe.form1();
  const Hover plane = fe.moveTo(f, TestFrontEnd::centreOf(*f.planes[0].Aereo));
  EXPECT_EQ(plane.shape, PointerShape::Hand);
  EXPECT_EQ(plane.tooltip, "Select this plane (Tab: the next one)");
  const Hover readOut = fe.moveTo(f, TestFrontEnd::centreOf(*f.LV));  // a read-out offers no click
  EXPECT_EQ(readOut.shape, PointerShape::Arrow);
  EXPECT_EQ(readOut.tooltip, "");
  const Hover heading = fe.moveTo(f, TestFrontEnd::centreOf(*f.DestAereo[0]));
  EXPECT_EQ(heading.tooltip, "North (Up)");

  // The level chooser disables the menu in front of which it stands.
  fe.midend().closeBox(f);
  Window& menu = fe.window("Form2");
  fe.click(menu, *menu.find("Label5"));
  Window& chooser = fe.window("Form5");
  ASSERT_TRUE(chooser.isOpen());
  ASSERT_FALSE(menu.enabled);
  const Point newGame = TestFrontEnd::centreOf(*menu.find("Label1"));
  EXPECT_EQ(fe.moveTo(menu, newGame).shape, PointerShape::Arrow);
  EXPECT_EQ(fe.moveTo(chooser, TestFrontEnd::centreOf(*chooser.find("XX", 0))).tooltip, "Level 1 (key 1)");
  // Nor does the disabled menu take the click.
  fe.press(menu, newGame);
  fe.release(menu, newGame);
  EXPECT_EQ(fe.app().openWindows().size(), 2u);
}

TEST_F(MidendKeys, OneKeyListParsedFromTheScriptNames) {
  EXPECT_EQ(parseKey("Up"), Key(KeyCode::Up));
  EXPECT_EQ(parseKey("PgDown"), Key(KeyCode::PageDown));
  EXPECT_EQ(parseKey("Ctrl+S"), Key::character('S', kCtrl));
  EXPECT_EQ(parseKey("Shift+Tab"), Key(KeyCode::Tab, kShift));
  EXPECT_EQ(parseKey("Ctrl+Shift+Alt+7"), Key::character('7', kCtrl | kShift | kAlt));
  EXPECT_EQ(parseKey("F12"), Key::function(12));
  EXPECT_EQ(parseKey("F"), Key::character('F'));
  EXPECT_NE(parseKey("Return"), parseKey("Enter"));
  EXPECT_NE(parseKey("S"), parseKey("Ctrl+S"));
  for (const char* unknown : {"up", "Shift+Ctrl+S", "Ctrl+", "AB", "F100", "Esc", "a", ""}) {
    EXPECT_EQ(parseKey(unknown), std::nullopt) << unknown;
  }
}

TEST_F(MidendKeys, AKeyActsOnlyWhereItWentDown) {
  TestFrontEnd fe;
  Midend& m = fe.midend();
  const Key enter(KeyCode::Return);
  int game = 0, box = 0, menu = 0;  // three places: the game screen, a message box, the menu
  // Enter lands a plane; a message box opens while it is held: neither its repeats nor its
  // release act there.
  EXPECT_TRUE(m.keyActsIn(&game, enter, true, false));
  EXPECT_TRUE(m.keyActsIn(&game, enter, true, true));
  EXPECT_FALSE(m.keyActsIn(&box, enter, true, true));
  EXPECT_FALSE(m.keyActsIn(&box, enter, false, false));
  // A press of its own does.
  EXPECT_TRUE(m.keyActsIn(&box, enter, true, false));
  // The box closes under the held key, and the menu opens.
  m.placeGone(&box);
  EXPECT_FALSE(m.keyActsIn(&menu, enter, true, true));
  EXPECT_FALSE(m.keyActsIn(&menu, enter, false, false));
  EXPECT_TRUE(m.keyActsIn(&menu, enter, true, false));
  EXPECT_TRUE(m.keyActsIn(&menu, enter, false, false));
  // A key held in a place that has gone acts nowhere, there either, until its release.
  EXPECT_TRUE(m.keyActsIn(&game, Key(KeyCode::Up), true, false));
  m.placeGone(&game);
  EXPECT_FALSE(m.keyActsIn(&game, Key(KeyCode::Up), true, true));
  EXPECT_FALSE(m.keyActsIn(&game, Key(KeyCode::Up), false, false));
  EXPECT_TRUE(m.keyActsIn(&game, Key(KeyCode::Up), true, false));
  // Keys that went down before the game watched, and modifiers on their own, act anywhere.
  EXPECT_TRUE(m.keyActsIn(&menu, Key(KeyCode::Down), false, false));
  EXPECT_TRUE(m.keyActsIn(&box, Key(), true, true));
}

TEST_F(MidendKeys, KeysReachTheGameAndMeanTheSameInEveryWindow) {
  TestFrontEnd fe;
  fe.wait(20);
  Form1& f = fe.form1();
  EXPECT_TRUE(fe.key(f, "Left"));
  EXPECT_EQ(f.planes[0].AereoDir, "e");
  EXPECT_FALSE(fe.key(f, "F5"));
  EXPECT_FALSE(fe.app().muted());
  EXPECT_TRUE(fe.key(f, "M"));
  EXPECT_TRUE(fe.app().muted());
  f.enabled = false;  // a disabled window's own keys do nothing, but M still mutes
  EXPECT_FALSE(fe.key(f, "P"));
  EXPECT_EQ(f.Label4->text, "||");
  EXPECT_TRUE(fe.key(f, "M"));
  EXPECT_FALSE(fe.app().muted());
  EXPECT_TRUE(fe.key(f, "Ctrl+Q"));
  EXPECT_TRUE(fe.midend().ended());
}

TEST_F(MidendInput, TypingReachesOnlyAShownEnabledWritableBoxInAnEnabledWindow) {
  TestFrontEnd fe;
  fe.wait(20);
  Form1& f = fe.form1();
  Element& box = *f.Vel;  // writable, and hidden by design
  fe.type(f, box, "9");
  EXPECT_EQ(box.text, "5000");
  box.visible = true;
  fe.type(f, box, "9");
  EXPECT_EQ(box.text, "50009");
  EXPECT_EQ(box.selStart, 5);
  box.enabled = false;
  fe.type(f, box, "8");
  box.enabled = true;
  f.enabled = false;
  fe.type(f, box, "7");
  f.enabled = true;
  EXPECT_EQ(box.text, "50009");
  // The log is the game's to write.
  const std::string log = f.Text1->text;
  fe.type(f, *f.Text1, "x");
  EXPECT_EQ(f.Text1->text, log);
  // Nor does a window that is not the box's own take it.
  fe.type(fe.window("Form2"), box, "6");
  EXPECT_EQ(box.text, "50009");
}

TEST_F(MidendInput, AnEditAsTheToolkitShowsItIsStoredWithCrLfAndItsInsertionPointInCharacters) {
  TestFrontEnd fe;
  fe.wait(20);
  Form1& f = fe.form1();
  Element& box = *f.Vel;
  box.visible = true;
  // "é" is one UTF-16 unit and one character, but two bytes.
  EXPECT_EQ(fe.midend().editShown(f, box, "ab\n\xC3\xA9\nc", 5), "ab\r\n\xC3\xA9\r\nc");
  EXPECT_EQ(box.text, "ab\r\n\xC3\xA9\r\nc");
  EXPECT_EQ(box.selStart, 7);
  // The pointer places the insertion point after "é".
  fe.midend().placeCaret(f, box, 4);
  EXPECT_EQ(box.selStart, 5);
  // Refused in a disabled window, the edit still tells the stored form of the text.
  f.enabled = false;
  EXPECT_EQ(fe.midend().editShown(f, box, "x\n", 2), "x\r\n");
  EXPECT_EQ(box.text, "ab\r\n\xC3\xA9\r\nc");
}

TEST_F(MidendInput, InputWaitsBehindTheGateThenCatchesTheGameUpToTheClock) {
  TestFrontEnd scripted(false);
  scripted.wait(20);
  Form1& s = scripted.form1();
  scripted.click(s, *s.Label4);
  EXPECT_FALSE(scripted.key(s, "P"));
  scripted.midend().closeBox(s);
  EXPECT_EQ(s.Label4->text, "||");
  EXPECT_TRUE(s.isOpen());

  TestFrontEnd fe;
  fe.wait(20);
  Form1& f = fe.form1();
  // While a message box is open, or while the front end follows the game, nothing is taken.
  bool tookDuringBox = true;
  std::optional<std::int64_t> dueDuringBox = 0;
  fe.host().whileOpen = [&](const std::string&) {
    fe.click(f, *f.Label4);
    tookDuringBox = fe.key(f, "P");
    dueDuringBox = fe.midend().nextDue();
  };
  fe.app().showMessage("Saved");
  EXPECT_FALSE(tookDuringBox);
  EXPECT_EQ(dueDuringBox, std::nullopt);
  fe.midend().holdInput(true);
  fe.click(f, *f.Label4);
  fe.midend().holdInput(false);
  EXPECT_EQ(f.Label4->text, "||");
  // The wall clock ran ahead of the game: the click comes at its time.
  fe.clock = 5000;
  fe.click(f, *f.Label4);
  EXPECT_EQ(f.Label4->text, ">");
  EXPECT_EQ(fe.app().scheduler().now(), 5000);
}

TEST_F(MidendTime, TheClockRunsWhatIsDueAndTheProgramEndsWithItsLastWindow) {
  TestFrontEnd fe;
  const auto first = fe.midend().nextDue();
  ASSERT_TRUE(first);
  EXPECT_EQ(first, fe.app().scheduler().nextDue());
  // A toolkit's timer waits what is left, never less than nothing.
  EXPECT_EQ(fe.midend().untilDue(*first - 7), 7);
  EXPECT_EQ(fe.midend().untilDue(*first + 50), 0);
  fe.midend().advance(*first);
  EXPECT_EQ(fe.app().scheduler().now(), *first);
  EXPECT_GT(fe.midend().nextDue().value_or(0), *first);

  fe.midend().closeBox(fe.form1());
  EXPECT_FALSE(fe.midend().ended());
  fe.midend().closeBox(fe.window("Form2"));
  EXPECT_TRUE(fe.midend().ended());
}

TEST_F(MidendTime, AnyPressOrKeyEndsTheDemoAndItsBoxesThenWaitForThePlayer) {
  for (const char* touch : {"right button", "left button on nothing", "key"}) {
    TestFrontEnd fe;
    bool ended = false;
    fe.midend().startDemo([&ended] { ended = true; });
    EXPECT_EQ(fe.midend().messageCloses(), 2000);
    // Minimising, or Shift on its own, is not the player taking over.
    fe.midend().minimize(fe.form1());
    EXPECT_FALSE(fe.midend().key(fe.form1(), Key(KeyCode::None, kShift)));
    EXPECT_FALSE(ended);
    if (std::string_view(touch) == "key") {
      fe.key(fe.form1(), "F5");
    } else {
      fe.press(fe.form1(), {1, 1}, std::string_view(touch) == "right button" ? Button::Other : Button::Left);
    }
    EXPECT_TRUE(ended) << touch;
    EXPECT_EQ(fe.midend().messageCloses(), std::nullopt) << touch;
  }
}

TEST_F(MidendWindows, OneViewPerOpeningAndDialogsStayInFrontOfTheirOwner) {
  TestFrontEnd fe;
  Window& game = fe.form1();
  Window& menu = fe.window("Form2");
  Window& help = fe.window("Form4");
  using Opened = std::vector<std::pair<const Window*, const Window*>>;
  using Closed = std::vector<const Window*>;
  const auto follow = [&fe](Opened& opened, Closed& closed) {
    const WindowChanges changes = fe.midend().followWindows();
    opened.clear();
    for (const auto& [window, inFrontOf] : changes.opened) opened.emplace_back(window, inFrontOf);
    closed = changes.closed;
  };
  Opened opened;
  Closed closed;
  follow(opened, closed);
  EXPECT_EQ(opened, (Opened{{&game, nullptr}}));
  EXPECT_TRUE(closed.empty());
  // Nothing since.
  follow(opened, closed);
  EXPECT_TRUE(opened.empty() && closed.empty());
  // The game screen closes to the menu; the help dialog stays in front of the menu.
  fe.midend().closeBox(game);
  fe.app().open(help);
  follow(opened, closed);
  EXPECT_EQ(closed, Closed{&game});
  EXPECT_EQ(opened, (Opened{{&menu, nullptr}, {&help, &menu}}));
  // Closed and opened again between two looks: the old view goes, a new one comes.
  fe.app().close(help);
  fe.app().open(help);
  follow(opened, closed);
  EXPECT_EQ(closed, Closed{&help});
  EXPECT_EQ(opened, (Opened{{&help, &menu}}));
  // Opening an open window makes no second view.
  fe.app().open(menu);
  follow(opened, closed);
  EXPECT_TRUE(opened.empty() && closed.empty());
}

TEST_F(MidendWindows, AWindowStandsCentredByTheFrameLearntFromTheFirstOnTheScreen) {
  TestFrontEnd fe;
  const PixelRect screen{0, 30, 1920, 1050};  // below a panel
  // No frame known yet: the client area alone is centred, between two middle pixels to the left and above.
  EXPECT_EQ(fe.midend().centredFrame(screen, 792, 587), (PixelPoint{564, 261}));
  EXPECT_FALSE(fe.midend().learnFrame({}));
  EXPECT_TRUE(fe.midend().learnFrame({4, 28, 4, 4}));
  EXPECT_EQ(fe.midend().centredFrame(screen, 792, 587), (PixelPoint{560, 245}));
  EXPECT_FALSE(fe.midend().learnFrame({4, 28, 4, 4}));
  // A second screen to the left of the first.
  EXPECT_EQ(fe.midend().centredFrame({-1280, 0, 1280, 1024}, 400, 300), (PixelPoint{-843, 346}));
}

TEST_F(MidendWindows, AScriptsWindowsRepaintOnceAFrameOfTheWallClock) {
  TestFrontEnd fe(false);
  EXPECT_TRUE(fe.midend().scriptRepaintDue(1000));
  EXPECT_FALSE(fe.midend().scriptRepaintDue(1000));
  EXPECT_FALSE(fe.midend().scriptRepaintDue(1015));
  EXPECT_TRUE(fe.midend().scriptRepaintDue(1016));
  EXPECT_FALSE(fe.midend().scriptRepaintDue(1031));
  EXPECT_TRUE(fe.midend().scriptRepaintDue(1100));
}

TEST_F(MidendTime, TheWindowedDemoPlaysUntilThePlayersFirstPress) {
  TestFrontEnd fe;
  std::optional<WindowedDemo> demo;
  demo.emplace(fe.app(), fe.midend(), 1);
  EXPECT_EQ(fe.midend().messageCloses(), 2000);
  // The autopilot takes the planes, with nobody at the mouse.
  Form1& f = fe.form1();
  const std::string before = f.CL->text;
  for (int s = 0; s < 120 && f.CL->text == before; ++s) fe.wait(1000);
  ASSERT_NE(f.CL->text, before) << "the autopilot took no plane";
  // The player's press hands the game over: nobody takes a plane now.
  fe.press(f, {1, 1}, Button::Other);
  EXPECT_EQ(fe.midend().messageCloses(), std::nullopt);
  const std::string handedOver = f.CL->text;
  for (int s = 0; s < 60 && f.isOpen(); ++s) {
    EXPECT_EQ(f.CL->text, handedOver);
    fe.wait(1000);
  }
}

}  // namespace
}  // namespace tw::test
