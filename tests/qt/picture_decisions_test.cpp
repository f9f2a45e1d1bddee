// Which pictures the game takes: the same in the windows as with no display, and every JPEG
// the game takes is one Qt draws.
#include <sys/stat.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "frontends/qt/windowed_run.h"
#include "model/jpeg_check.h"
#include "../test_support.h"

namespace tw::test {
namespace {

using PictureDecisions = GameTest;

namespace fs = std::filesystem;

std::string jpeg(const QImage& image, int quality, bool progressive = false, bool optimized = false) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "JPEG");
  writer.setQuality(quality);
  writer.setProgressiveScanWrite(progressive);
  writer.setOptimizedWrite(optimized);
  EXPECT_TRUE(writer.write(image));
  return bytes.toStdString();
}

QImage gradient(int width, int height, QImage::Format format = QImage::Format_RGB32) {
  QImage image(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
  return image;
}

TEST_F(PictureDecisions, EveryJpegTheGameTakesIsOneQtDrawsAndOnlyWithinItsSize) {
  struct Case {
    QImage image;
    int quality;
    bool optimized;
  };
  const Case taken[] = {
      {gradient(40, 40), 90, false},  {gradient(1, 1), 50, false},
      {gradient(17, 33), 10, true},   {gradient(4096, 1), 75, false},
      {gradient(1, 4096), 100, true}, {gradient(40, 40).convertToFormat(QImage::Format_Grayscale8), 80, false}};
  for (const Case& c : taken) {
    const std::string bytes = jpeg(c.image, c.quality, false, c.optimized);
    EXPECT_TRUE(jpegDecodes(bytes)) << c.image.width() << "x" << c.image.height();
    EXPECT_FALSE(QImage::fromData(QByteArray::fromStdString(bytes), "JPEG").isNull());
  }
  for (const char* name : {"restarts-colour.jpg", "restarts-grey.jpg"}) {
    const QImage restarts(QString(TW_SOURCE_DIR "/tests/data/") + name);
    EXPECT_EQ(restarts.isNull(), !jpegDecodes(readFile(std::string(TW_SOURCE_DIR "/tests/data/") + name))) << name;
  }
  EXPECT_FALSE(jpegDecodes(jpeg(gradient(4097, 1), 75)));
  EXPECT_FALSE(jpegDecodes(jpeg(gradient(1, 4097), 75)));
  EXPECT_FALSE(jpegDecodes(jpeg(gradient(40, 40), 75, true)));
}

// The same script in the windows and with no display, with s.jpg made by `make`.
std::pair<std::string, std::string> bothHosts(const std::function<void(const std::string&)>& make) {
  TempDir program;
  fs::create_directory(program.path() + "/Plane");
  make(program.path() + "/Plane/s.jpg");
  const std::string script = "wait 20100\nprint Form1.Aereo(1).Picture\nprint Form1.Aereo(1).Visible\n";
  const Lines args = {"--program-dir", program.path()};
  return {runScript(script, args, runScriptWithQt).out, runScript(script, args).out};
}

std::function<void(const std::string&)> holding(const std::string& content) {
  return [content](const std::string& path) { writeFile(path, content); };
}

TEST_F(PictureDecisions, BothHostsTakeAndRefuseTheSamePictures) {
  const std::string plane = readFile(TW_ASSETS_DIR "/Plane/s.jpg");
  const auto [windowed, headless] = bothHosts(holding(plane));
  EXPECT_NE(windowed.find("Form1.Aereo(1).Picture = s.jpg\n"), std::string::npos) << windowed;
  EXPECT_EQ(windowed, headless);
  std::string huge = plane;
  huge[huge.find("\xFF\xC0") + 5] = '\x4E';  // 20000 rows
  const std::function<void(const std::string&)> refused[] = {
      holding(plane.substr(0, 200)),
      holding(huge),
      holding(plane + std::string(4u << 20, '\0')),
      holding(readFile(TW_ASSETS_DIR "/design/south.png")),
      holding(jpeg(gradient(40, 40), 75, true)),
      [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); },
      [](const std::string& path) { fs::create_symlink("/dev/zero", path); },
  };
  int made = 0;
  for (const auto& make : refused) {
    const auto [windowedRun, headlessRun] = bothHosts(make);
    EXPECT_NE(windowedRun.find("Form1.Aereo(1).Picture = \nForm1.Aereo(1).Visible = true\n"), std::string::npos)
        << "case " << made << windowedRun;
    EXPECT_EQ(windowedRun, headlessRun) << "case " << made;
    ++made;
  }
}

}  // namespace
}  // namespace tw::test
