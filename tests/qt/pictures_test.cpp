// The committed pictures as the game loads them: their sizes, the pointer's and icons'
// transparency, and every design picture compiled into the program under its name.
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "../test_support.h"
#include "frontends/qt/qt_host.h"

namespace tw::test {
namespace {

using Pictures = GameTest;

TEST_F(Pictures, HaveTheirSizesTransparencyAndAPlaceInTheProgram) {
  // With no alpha channel the hand and the icons get a black box. The planes and the heading
  // buttons are shown 40 pixels square, the next-level window's plane up to 50: drawn at 160,
  // they have the pixels a screen scaled by 2 shows of them four times over.
  const std::tuple<const char*, int, bool> pictures[] = {
      {"Plane/n.jpg", 160, false},         {"Plane/s.jpg", 160, false},        {"Plane/e.jpg", 160, false},
      {"Plane/o.jpg", 160, false},         {"design/north.png", 160, false},   {"design/south.png", 160, false},
      {"design/east.png", 160, false},     {"design/west.png", 160, false},    {"design/white_plane.png", 160, false},
      {"design/icon-32.png", 32, true},    {"design/icon-64.png", 64, true},   {"design/icon-128.png", 128, true},
      {"design/icon-256.png", 256, true},  {"design/hand.png", 32, true},
  };
  for (const auto& [file, side, alpha] : pictures) {
    const QImage image(QString(TW_ASSETS_DIR "/") + file);
    EXPECT_EQ(image.size(), QSize(side, side)) << file;
    EXPECT_TRUE(image.hasAlphaChannel() || !alpha) << file;
  }
  const QtHost host(QtHost::Mode::Script, ".");  // brings in the compiled pictures
  const QStringList files = QDir(TW_ASSETS_DIR "/design").entryList(QDir::Files);
  for (const QString& file : files) {
    EXPECT_TRUE(file == "design.qrc" || QFile::exists(":/design/" + file)) << file.toStdString();
  }
  EXPECT_EQ(QDir(":/design").entryList().size(), files.size() - 1) << "the program holds a picture no file makes";
}

}  // namespace
}  // namespace tw::test
