// Draws the game's pictures and synthesises its sounds into the folder given.
#include "pictures.h"
#include "sounds.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s ASSETS_DIR\n", argc > 0 ? argv[0] : "make_assets");
    return 2;
  }
  // Nothing is shown, so it must run on machines with no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QString root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  if (!assets::writePictures(root)) {
    std::fprintf(stderr, "make_assets: could not write pictures under %s\n", qPrintable(root));
    return 1;
  }
  if (!assets::writeSounds((root + "/Plane").toStdString())) {
    std::fprintf(stderr, "make_assets: could not write sounds under %s/Plane\n", qPrintable(root));
    return 1;
  }
  return 0;
}
