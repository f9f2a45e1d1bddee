// Scripts against the real windows: the same run as with no display, and a picture of Form1.
#include <QImage>

#include "../test_support.h"
#include "frontends/qt/windowed_run.h"
#include "qt_game.h"

namespace tw::test {
namespace {

using QtScript = GameTest;

// The script against the real windows, on the same virtual clock as a run with no display.
ScriptRun inWindows(const std::string& script) {
  return runScript(script, {"--time-of-day", "3600"}, runScriptWithQt);
}

QRgb pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST_F(QtScript, RunsLikeTheHeadlessRunAndItsScreenshotsShowTheBoardButNoClosedWindow) {
  const std::string script =
      "wait 25000\nprint Form1.TM\nprint Form1.AA\nprint Form1.Text1\nclick Form1.Label4\nwait 3000\n"
      "print Form1.TM\ntime\nwindows\n";
  const ScriptRun windowed = inWindows(script);
  EXPECT_EQ(windowed.status, 0);
  EXPECT_EQ(windowed.out, runScript(script, {"--time-of-day", "3600"}).out);
  const ScriptRun run = inWindows("screenshot Form2 /tmp/never-written.png\nprint Form1.LV\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out.find("Form1.LV"), std::string::npos);
  TempDir dir;
  const std::string png = dir.path() + "/form1.png";
  ASSERT_EQ(inWindows("screenshot Form1 " + png + "\n").status, 0);
  const QImage image(QString::fromStdString(png));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(792, 586));

  EXPECT_EQ(pixel(image, 416, 200), 0xFF8000u);  // Line1, the board's right-hand separator
  EXPECT_EQ(pixel(image, 600, 416), 0xFF8000u);  // Line2, above the log
  EXPECT_EQ(pixel(image, 50, 10), 0xFFC0C0u);    // the corner of header "A"
  EXPECT_EQ(pixel(image, 10, 50), 0xFFE0C0u);    // the corner of header "1"
  EXPECT_EQ(pixel(image, 228, 228), 0u);         // an empty cell, E5

  // Plane 0 on A1: its sprite covers 48..88 both ways and is not background.
  EXPECT_GT(pixelsWhere(QRect(50, 50, 36, 36), [&image](QPoint p) { return pixel(image, p.x(), p.y()) != 0; }), 100);
  // The command panel is shown: the "Land" button's grey.
  EXPECT_EQ(pixel(image, (6360 + 3000 + 20) / 15, (120 + 1680 + 20) / 15), 0x404040u);
}

}  // namespace
}  // namespace tw::test
