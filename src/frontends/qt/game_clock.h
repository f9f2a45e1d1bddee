#pragma once
// The wall clock of a played game: one single-shot timer set to the next due moment.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>

namespace tw {

class Application;

class GameClock : public QObject {
  Q_OBJECT

 public:
  explicit GameClock(Application& app);

  // Milliseconds since the game started.
  std::int64_t now() const { return started_.elapsed(); }
  // Sets the timer to the scheduler's next due moment, or stops it when nothing is due
  // (no timer running, or a message box open).
  void arm();
  bool armed() const { return timer_.isActive(); }

 private:
  void tick();

  Application& app_;
  QElapsedTimer started_;
  QTimer timer_;
};

}  // namespace tw
