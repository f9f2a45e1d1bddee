// The views of the played game: clicks reach the game, message boxes hold the clock,
// the log is a real text widget following its element.
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>

#include <algorithm>

#include "autopilot/autopilot.h"
#include "model/field.h"
#include "midend/text_positions.h"
#include "qt_game.h"
#include "../test_support.h"

namespace tw::test {
namespace {

using QtView = GameTest;
using QtScaledScreen = GameTest;

// What is under the pointer is the midend's (ClickAt, MidendPointer): here, that the view hands
// it the pointer and shows its answer.
TEST_F(QtView, ThePointerReachesTheGameAndShowsTheHandAndTooltipItIsGiven) {
  QtGame game(QtHost::Mode::Play);
  game.app().advanceTo(20);
  Form1& f = game.form1();
  const QPoint centre = pixelRect(*f.planes[0].Aereo).center();
  game.moveTo(centre);
  EXPECT_EQ(game.view().cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(game.view().toolTip().toStdString(), f.planes[0].Aereo->tooltip.str());
  const std::string before = f.CL->text;
  game.pressAndRelease(centre, centre);
  EXPECT_EQ(f.Selezionato->text, "0");
  EXPECT_NE(f.CL->text, before);
  game.moveTo(pixelRect(*f.LV).center());  // a read-out offers no click
  EXPECT_EQ(game.view().cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(game.view().toolTip(), "");

  EXPECT_EQ(game.view().size(), QSize(792, 586));
  EXPECT_EQ(game.view().windowTitle().toStdString(), f.caption);

  game.clickOn(*f.Label4);
  EXPECT_EQ(f.Label4->text, ">");
  // A heading button in front of the command panel.
  game.clickOn(*f.DestAereo[2]);
  EXPECT_EQ(f.planes[0].AereoDir, "e");
}

TEST_F(QtView, AMessageBoxHoldsTheClockUntilItIsClosed) {
  QtGame game(QtHost::Mode::Play);
  bool heldWhileOpen = false;
  QString caption;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      heldWhileOpen = game.app().scheduler().held() && !game.host().clockArmed();
      caption = box->windowTitle();
      box->accept();
    }
  });
  closer.start(10);
  EXPECT_TRUE(game.host().clockArmed());
  game.app().showMessage("Crash!");
  game.app().settle();
  EXPECT_TRUE(heldWhileOpen);
  EXPECT_EQ(caption, "Tarmac Warden");
  EXPECT_FALSE(game.app().scheduler().held());
  EXPECT_TRUE(game.host().clockArmed());
}

// The game's own box: its icon, no minimise or maximise button, modal, one OK.
TEST_F(QtView, AMessageBoxCarriesTheGamesIconAndOnlyOK) {
  QtGame game(QtHost::Mode::Play);
  int seen = 0;
  MessageBoxWatch watch([&](QMessageBox& box) {
    ++seen;
    EXPECT_EQ(box.windowIcon().pixmap(32).toImage(), game.view().windowIcon().pixmap(32).toImage());
    EXPECT_FALSE(box.windowIcon().isNull());
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(box.windowFlags() & Qt::CustomizeWindowHint);
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.icon(), QMessageBox::Information);
    EXPECT_EQ(box.buttons().size(), 1);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box.windowTitle(), "Tarmac Warden");
  });
  game.app().showMessage("Saved");
  EXPECT_EQ(seen, 1);
}

// Enter held on a wrong landing: the game-over box and then the menu open while it is down.
// Neither takes its repeats or its release; each takes a press of its own.
TEST_F(QtView, AKeyActsOnlyInTheWindowWhereItWentDown) {
  QtGame game(QtHost::Mode::Play);
  Form1& f = game.form1();
  game.app().advanceTo(20);
  // Plane 0 stands on A - 1; its drawn destination may be A - 1 too, so it is sent to I - 9
  // and chosen again for the read-outs to say so.
  f.planes[0].AereoDest1 = "I";
  f.planes[0].AereoDest2 = "9";
  game.app().click(*f.planes[0].Aereo);
  ASSERT_EQ(f.DT->text, "I - 9");
  const auto enter = [](QWidget* to, QEvent::Type type, bool repeat) {
    QKeyEvent event(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
    QCoreApplication::sendEvent(to, &event);
  };
  bool stayedOpen = false, closedByPress = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    enter(box, QEvent::KeyRelease, true);
    enter(box, QEvent::KeyPress, true);
    enter(box, QEvent::KeyRelease, false);
    stayedOpen = box->isVisible();
    enter(box, QEvent::KeyPress, false);  // a press of its own: OK
    closedByPress = !box->isVisible();
    if (!closedByPress) box->accept();
  });
  enter(&game.view(), QEvent::KeyPress, false);
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(closedByPress);
  game.app().settle();
  QCoreApplication::processEvents();
  ASSERT_NE(game.viewOf("Form2"), nullptr) << "no game over";
  // The press that closed the box is still down as the menu opens.
  enter(game.viewOf("Form2"), QEvent::KeyPress, true);
  enter(game.viewOf("Form2"), QEvent::KeyRelease, false);
  EXPECT_EQ(std::count(game.events().begin(), game.events().end(), "open: Form3"), 0);
  enter(game.viewOf("Form2"), QEvent::KeyPress, false);
  EXPECT_EQ(std::count(game.events().begin(), game.events().end(), "open: Form3"), 1);
  EXPECT_TRUE(game.host().clockArmed());
}

// What the screen shows, as last drawn, not as it would draw now.
QImage onScreen(QWidget& view) { return view.screen()->grabWindow(view.winId()).toImage(); }

TEST_F(QtView, AMessageBoxShowsOverTheScreenAsTheHandlerLeftIt) {
  writeFile(programDir() + "/Save.ini", "\"7\",\"42\",\"300\",\"3\"\r\n");
  QtGame game(QtHost::Mode::Play);
  Form1& f = game.form1();
  QImage shown, current;
  int boxWidth = 0;
  MessageBoxWatch watch([&](QMessageBox& box) {
    shown = onScreen(game.view());
    current = game.view().grab().toImage();
    box.adjustSize();
    boxWidth = box.width();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  });
  game.clickOn(*f.Label3);  // "Load": the saved game comes in 100 ms later, then "Are you ready?"
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
  ASSERT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(f.LV->text, "7");
  // The level, the clicks and the log's briefing are drawn before the box.
  EXPECT_EQ(shown.copy(pixelRect(*f.LV)), current.copy(pixelRect(*f.LV)));
  EXPECT_EQ(shown.copy(pixelRect(*f.CL)), current.copy(pixelRect(*f.CL)));
  // The caption "Tarmac Warden" has room beside the frame's buttons.
  QFont bold = QApplication::font();
  bold.setBold(true);
  EXPECT_GE(boxWidth, QFontMetrics(bold).horizontalAdvance("Tarmac Warden") + 4 * 24);
}

TEST_F(QtView, KeysReachTheGameWhereverTheFocusIsAndClosingItOpensTheMenuThenThePlayEnds) {
  QtGame game(QtHost::Mode::Play);
  Form1& f = game.form1();
  game.view().activateWindow();
  QCoreApplication::processEvents();
  QWidget* focused = QApplication::focusWidget();
  // The log, which would move its own caret on an arrow key.
  ASSERT_NE(qobject_cast<QPlainTextEdit*>(focused), nullptr);
  for (const auto& [key, picture] : {std::pair{Qt::Key_Left, "e.jpg"}, std::pair{Qt::Key_Up, "n.jpg"}}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(focused, &press);
    EXPECT_EQ(f.planes[0].Aereo->picture, picture);
  }
  EXPECT_EQ(std::count(game.events().begin(), game.events().end(), "sound: 7"), 2);
  // Minimised, the game pauses; shown again, it stays paused.
  game.view().showMinimized();
  QCoreApplication::processEvents();
  EXPECT_EQ(f.Label4->text, ">");
  game.view().showNormal();
  QCoreApplication::processEvents();
  EXPECT_EQ(f.Label4->text, ">");
  // Closing the game screen opens the menu in its view; the play ends with the last window.
  QTimer::singleShot(0, [&] {
    game.view().close();  // the game screen gives way to the main menu
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(game.host().viewOf(f), nullptr);
    WindowView* menu = game.viewOf("Form2");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->size(), QSize(312, 301));
    menu->close();
  });
  // A guard, so a host that forgets to end the loop fails instead of hanging.
  QTimer::singleShot(60000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(game.app().openWindows().empty());
}

TEST_F(QtView, RepaintingOnlyWhatChangedShowsWhatAFullRepaintShows) {
  QtGame game(QtHost::Mode::Play);
  Autopilot pilot(game.app(), 1);
  game.app().setQuietHook([&pilot] { pilot.act(); });
  // Planes come in, move, turn and land; the lines sweep; the panel follows the selection.
  // A level's play, to two landings or fewer before the last, at which the screen closes. The
  // play draws from the time of day, and the autopilot may land two planes at one moment.
  const auto toLand = [&game] { return toNumber(game.form1().Salvati->text).value_or(0); };
  for (std::int64_t t = 0; t < 900'000 && game.form1().isOpen() && toLand() > 2; t += 60) {
    game.app().advanceTo(t);
    QCoreApplication::processEvents();
  }
  ASSERT_TRUE(game.form1().isOpen());
  EXPECT_LE(toLand(), 2) << "the level was not played";
  game.app().setQuietHook(nullptr);
  // Paused, nothing changes any more; the views take over the last changes, then paint them.
  game.app().click(*game.form1().Label4);
  game.app().settle();
  // Given time, as a loaded machine may hold back the queued repaints.
  QElapsedTimer settling;
  settling.start();
  while (settling.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  const QImage shown = onScreen(game.view()).convertToFormat(QImage::Format_RGB32);
  const QImage full = game.view().grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), full.size());
  EXPECT_EQ(pixelsWhere(full.rect(), [&](QPoint p) { return shown.pixel(p) != full.pixel(p); }), 0)
      << "pixels differ";
}

// The caret is the only thing on the log that inverts its black background to white.
int caretPixels(QPlainTextEdit& log) {
  const QImage image = log.viewport()->grab().toImage();
  return pixelsWhere(image.rect(), [&image](QPoint p) { return (image.pixel(p) & 0xFFFFFF) == 0xFFFFFF; });
}

// The log of the game screen.
QPlainTextEdit* logOf(QtGame& game) {
  for (auto* box : game.view().findChildren<QPlainTextEdit*>()) {
    if (box->isVisibleTo(&game.view())) return box;
  }
  return nullptr;
}

TEST_F(QtView, TheLogFollowsItsTextInsertionPointAndCaretMappedBetweenStoredAndShownText) {
  // On the virtual clock, so nothing ticks while the window is being activated.
  QtGame game(QtHost::Mode::Script);
  QPlainTextEdit* log = logOf(game);
  ASSERT_NE(log, nullptr);
  EXPECT_TRUE(log->isReadOnly());
  game.view().activateWindow();
  QCoreApplication::processEvents();
  ASSERT_TRUE(log->hasFocus());  // the screen's start-up gave the log the focus
  EXPECT_EQ(caretPixels(*log), 1 * 19);  // the thin caret until the mission setup

  game.app().advanceTo(20);
  game.view().follow();
  const std::string& text = game.form1().Text1->text;
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(log->toPlainText(), QString::fromStdString(text).replace("\r\n", "\n"));
  EXPECT_EQ(log->textCursor().position(), log->toPlainText().size());
  EXPECT_EQ(caretPixels(*log), 8 * 19);

  // The player moves the insertion point: the element hears of it in its own form.
  QTextCursor start = log->textCursor();
  start.setPosition(0);
  log->setTextCursor(start);
  EXPECT_EQ(game.form1().Text1->selStart, 0);
  // Stored and shown insertion points map both ways.
  const std::string mixed = "ab\r\n\xC3\xA9x\r\n";  // "ab", break, e acute, "x", break: 8 characters
  for (const auto& [stored, shown] : {std::pair{0, 0}, {4, 3}, {5, 4}, {8, 6}}) {
    EXPECT_EQ(shownPosition(mixed, stored), shown) << stored;
  }
  for (const auto& [shown, stored] : {std::pair{3, 4}, {5, 6}, {6, 8}, {99, 8}}) {
    EXPECT_EQ(storedPosition(mixed, shown), stored) << shown;
  }
  EXPECT_EQ(shownPosition("\xF0\x9F\x9B\xA9!", 1), 2);  // a surrogate pair
}

// Where a logical pixel is one and a half of the screen's, the caret is still one solid block
// 8 by 19, and the toolkit's own thin caret leaves no sliver beside it. ctest runs this with
// QT_SCREEN_SCALE_FACTORS=1.5.
TEST_F(QtScaledScreen, TheLogsCaretIsOneSolidBlock) {
  const qreal ratio = qApp->devicePixelRatio();
  if (ratio == std::floor(ratio)) GTEST_SKIP() << "needs a screen scaled by a fraction: QT_SCREEN_SCALE_FACTORS=1.5";
  QtGame game(QtHost::Mode::Script);
  QPlainTextEdit* log = logOf(game);
  ASSERT_NE(log, nullptr);
  game.view().activateWindow();
  QCoreApplication::processEvents();
  game.app().advanceTo(20);  // the mission setup makes the block
  game.view().follow();
  const QImage image = log->viewport()->grab().toImage();
  QRect block;
  const int white = pixelsWhere(image.rect(), [&](QPoint p) {
    const bool is = (image.pixel(p) & 0xFFFFFF) == 0xFFFFFF;
    if (is) block |= QRect(p, QSize(1, 1));
    return is;
  });
  EXPECT_EQ(white, block.width() * block.height()) << "white beside the block " << block.x() << "," << block.y();
  EXPECT_EQ(block.width(), qRound(8 * ratio));
  EXPECT_LE(std::abs(block.height() - 19 * ratio), 1.0);
}

// A plane is drawn from its full picture smoothed to the screen's pixels, not from a 40-pixel
// one stretched: 60 by 60 of them on A - 1 at one and a half.
TEST_F(QtScaledScreen, APlaneShowsItsPictureAtTheScreensPixels) {
  const qreal ratio = qApp->devicePixelRatio();
  if (ratio == std::floor(ratio)) GTEST_SKIP() << "needs a screen scaled by a fraction: QT_SCREEN_SCALE_FACTORS=1.5";
  QtGame game(QtHost::Mode::Script);
  const QRect plane = pixelRect(*game.form1().planes[0].Aereo);
  const QRect onScreen(plane.topLeft() * ratio, plane.size() * ratio);
  ASSERT_EQ(onScreen.size(), QSize(60, 60));
  const QImage shown = game.view().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage expected =
      QImage(":/design/south.png").scaled(onScreen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB32);
  // Below the sweep line along the board's top.
  const int differing = pixelsWhere(QRect(0, 3, 60, 57), [&](QPoint p) {
    return shown.pixel(onScreen.topLeft() + p) != expected.pixel(p);
  });
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace tw::test
