#pragma once
// The view of one open window: a top-level widget of the window's fixed client size that
// paints its elements and hands the player's clicks and close box to the host.
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QWidget>
#include <map>
#include <vector>

#include "frontends/qt/element_painter.h"
#include "midend/midend.h"
#include "midend/window_display.h"

namespace tw {

class QtHost;
class TextBoxView;
class Window;
struct Element;

// The game's icon, on its windows and its message boxes.
QIcon gameIcon();
// The button of a mouse event, as the midend knows it.
Button buttonOf(const QMouseEvent& event);

class WindowView : public QWidget {
  Q_OBJECT

 public:
  WindowView(QtHost& host, Window& window, PictureCache& pictures);

  // Takes over the window's size, caption and text boxes, and repaints.
  void follow();
  // The window has closed: its elements are gone, so the view forgets them.
  void forget();
  // The client area as the player sees it, in logical pixels.
  QImage capture();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Takes over the window's changes: the parts of the view to repaint.
  QRegion takeChanges();
  void followTextBoxes();
  void centreOnScreen();

  QtHost& host_;
  Window& window_;
  PictureCache& pictures_;
  QCursor hand_;
  bool forgotten_ = false;
  bool repaintingChanges_ = false;  // painting what follow() has just found changed
  bool framed_ = false;  // the window manager's frame is known
  std::map<const Element*, TextBoxView*> textBoxes_;
  std::vector<const Element*> listedBoxes_;  // kept from frame to frame
  WindowDisplay display_;
};

}  // namespace tw
