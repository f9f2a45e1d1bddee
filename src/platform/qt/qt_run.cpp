#include "platform/qt/qt_run.h"

#include <QApplication>
#include <iostream>

namespace tw {

int runWithQt(const CommandLine&, int argc, char** argv) {
  QApplication qapp(argc, argv);
  std::cerr << "tarmac-warden: the windowed game is not built yet\n";
  return 1;
}

}  // namespace tw
