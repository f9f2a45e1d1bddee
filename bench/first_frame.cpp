// The game as the player starts it, which prints the wall clock (ns since the epoch) at its
// first painted frame and ends there: the bench script subtracts its launch time.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "frontends/qt/windowed_run.h"

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() && !seen_) {
      seen_ = true;
      // Once this paint has been drawn and handed to the display.
      QTimer::singleShot(0, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

void watchFirstPaint() { QCoreApplication::instance()->installEventFilter(new FirstPaint); }
Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)

}  // namespace

int main(int argc, char** argv) {
  const tw::ParsedCommandLine parsed = tw::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "first_frame: %s\n", parsed.error.c_str());
    return 2;
  }
  return tw::runWithQt(parsed.options, argc, argv);
}
