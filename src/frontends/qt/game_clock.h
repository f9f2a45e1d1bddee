#pragma once
// The wall clock of a played game: one single-shot timer set to the midend's next due moment.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>

namespace tw {

class Midend;

class GameClock : public QObject {
  Q_OBJECT

 public:
  explicit GameClock(Midend& midend);

  // Milliseconds since the game started.
  std::int64_t now() const { return started_.elapsed(); }
  // Sets the timer to the next due moment, or stops it when nothing is due.
  void arm();
  bool armed() const { return timer_.isActive(); }

 private:
  void tick();

  Midend& midend_;
  QElapsedTimer started_;
  QTimer timer_;
};

}  // namespace tw
