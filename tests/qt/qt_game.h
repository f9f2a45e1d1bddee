#pragma once
// The game on the Qt host, in-process, with its views on the offscreen platform.
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/form1.h"
#include "game/game_windows.h"
#include "model/application.h"
#include "frontends/qt/element_painter.h"
#include "frontends/qt/qt_host.h"
#include "frontends/qt/window_view.h"
#include "midend/pixel_geometry.h"
#include "../test_support.h"

namespace tw::test {

// Where an element shows in its view, in logical pixels.
inline QRect pixelRect(const Element& e) { return toQRect(pixelsOf(e)); }

// How many pixels of `area` pass `test`.
inline int pixelsWhere(const QRect& area, const std::function<bool(QPoint)>& test) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += test(QPoint(x, y)) ? 1 : 0;
  }
  return count;
}

// Runs `seen` on every message box the moment it is shown, before it has drawn itself.
class MessageBoxWatch : public QObject {
 public:
  explicit MessageBoxWatch(std::function<void(QMessageBox&)> seen) : seen_(std::move(seen)) {
    qApp->installEventFilter(this);
  }
  ~MessageBoxWatch() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(object);
    if (box != nullptr && event->type() == QEvent::Show) {
      seen_(*box);
      QTimer::singleShot(0, box, &QMessageBox::accept);
    }
    return false;
  }

 private:
  std::function<void(QMessageBox&)> seen_;
};

class QtGame {
 public:
  explicit QtGame(QtHost::Mode mode, std::string programDir = GameTest::programDir())
      : host_(mode, std::move(programDir)), app_(host_, AppOptions{1}) {
    host_.attach(app_);
    app_.setEventSink([this](const std::string& line) { events_.push_back(line); });
    addGameWindows(app_);
    startGame(app_);
  }
  QtHost& host() { return host_; }
  Application& app() { return app_; }
  Form1& form1() { return app_.form<Form1>(); }
  WindowView& view() { return *host_.viewOf(form1()); }
  WindowView* viewOf(std::string_view window) { return host_.viewOf(*app_.findWindow(window)); }
  const std::vector<std::string>& events() const { return events_; }

  // The left button goes down at one point of the view and up at another, in logical pixels.
  void pressAndRelease(QPoint down, QPoint up) { pressAndRelease(view(), down, up); }
  void pressAndRelease(QWidget& view, QPoint down, QPoint up) {
    for (auto [type, point] : {std::pair{QEvent::MouseButtonPress, down}, std::pair{QEvent::MouseButtonRelease, up}}) {
      QMouseEvent event(type, QPointF(point), QPointF(view.mapToGlobal(point)), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&view, &event);
    }
  }
  void moveTo(QPoint point) { moveTo(view(), point); }
  void moveTo(QWidget& view, QPoint point) {
    QMouseEvent event(QEvent::MouseMove, QPointF(point), QPointF(view.mapToGlobal(point)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
  }
  void clickOn(const Element& e) { pressAndRelease(pixelRect(e).center(), pixelRect(e).center()); }

 private:
  QtHost host_;
  Application app_;
  std::vector<std::string> events_;
};

}  // namespace tw::test
