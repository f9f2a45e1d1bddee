#include "frontends/qt/window_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "frontends/qt/keyboard.h"
#include "frontends/qt/qt_host.h"
#include "frontends/qt/text_box_view.h"
#include "model/window.h"

namespace tw {

namespace {

QCursor handCursor() {
  const QPixmap hand(":/design/hand.png");
  return hand.isNull() ? QCursor(Qt::OpenHandCursor) : QCursor(hand, 16, 1);
}

// The centre of the pixel under the pointer, in twips: a pixel belongs to the element that
// covers most of it.
QPointF twipsAt(const QMouseEvent& event) { return (QPointF(event.position().toPoint()) + QPointF(0.5, 0.5)) * 15.0; }

}  // namespace

Button buttonOf(const QMouseEvent& event) { return event.button() == Qt::LeftButton ? Button::Left : Button::Other; }

QIcon gameIcon() {
  QIcon icon;
  for (const char* size : {"32", "64", "128", "256"}) icon.addFile(QString(":/design/icon-%1.png").arg(size));
  return icon;
}

WindowView::WindowView(QtHost& host, Window& window, PictureCache& pictures)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      host_(host),
      window_(window),
      pictures_(pictures),
      hand_(handCursor()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setWindowIcon(gameIcon());
  setAutoFillBackground(false);
  follow();
  centreOnScreen();
}

void WindowView::centreOnScreen() {
  // Before it is shown, a window is placed by its frame, whose size the window manager
  // tells only once a window is on the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect r = screen->availableGeometry();
    const PixelPoint at = host_.midend().centredFrame({r.x(), r.y(), r.width(), r.height()}, width(), height());
    move(at.x, at.y);
  }
}

void WindowView::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (framed_ || windowHandle() == nullptr) return;
  const QMargins m = windowHandle()->frameMargins();
  if (m.isNull()) return;
  framed_ = true;
  // The first window learns the frame's size on the screen: centre it again by its frame.
  if (host_.midend().learnFrame({m.left(), m.top(), m.right(), m.bottom()})) centreOnScreen();
}

void WindowView::follow() {
  if (forgotten_) return;
  const QSize size(toPixels(window_.clientWidth), toPixels(window_.clientHeight));
  if (this->size() != size || minimumSize() != size) setFixedSize(size);
  const QString caption = QString::fromStdString(window_.caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  // Only what changed: the sweep lines' strips, a plane that moved, a label's new text.
  const QRegion changed = takeChanges();
  followTextBoxes();
  if (!window_.enabled) unsetCursor();
  if (changed.isEmpty()) return;
  // At once, while the changes just taken over are the latest.
  repaintingChanges_ = true;
  repaint(changed);
  repaintingChanges_ = false;
}

QRegion WindowView::takeChanges() {
  QRegion changed;
  for (const PixelRect& part : display_.update(window_, host_)) changed += toQRect(part);
  return changed;
}

void WindowView::followTextBoxes() {
  // The text boxes of the list show; any other is hidden.
  listedBoxes_.clear();
  for (const DrawItem& item : display_.list().items()) {
    if (item.kind != DrawKind::TextBox) continue;
    listedBoxes_.push_back(item.element);
    auto& box = textBoxes_[item.element];
    if (box == nullptr) box = new TextBoxView(this, host_, window_, item);
    box->follow(item);
  }
  for (auto& [element, box] : textBoxes_) {
    if (std::find(listedBoxes_.begin(), listedBoxes_.end(), element) == listedBoxes_.end()) box->hide();
  }
}

void WindowView::forget() {
  forgotten_ = true;
  // The boxes go with the view; one of them may be handling the event that closed the window.
  for (auto& [element, box] : textBoxes_) box->forget();
  textBoxes_.clear();
  hide();
}

QImage WindowView::capture() {
  follow();
  QImage image = grab().toImage();
  // One image pixel to a logical pixel, whatever the screen's scale.
  if (image.size() != size()) image = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image;
}

void WindowView::paintEvent(QPaintEvent* event) {
  // A paint the window system asks for (a window being exposed) may come before the view has
  // taken over the latest changes: what it cannot draw over now is drawn again at once.
  if (!forgotten_ && !repaintingChanges_) {
    const QRegion missed = takeChanges();
    if (!missed.isEmpty()) update(missed);
  }
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::black);
  if (!forgotten_) paintDisplayList(painter, display_.list(), pictures_, event->region());
}

void WindowView::mousePressEvent(QMouseEvent* event) {
  const QPointF at = twipsAt(*event);
  if (!forgotten_) host_.midend().press(window_, float(at.x()), float(at.y()), buttonOf(*event));
}

void WindowView::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = twipsAt(*event);
  if (!forgotten_) host_.midend().release(window_, float(at.x()), float(at.y()), buttonOf(*event));
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
  if (forgotten_) return;
  const QPointF at = twipsAt(*event);
  const Hover hover = host_.midend().hover(window_, float(at.x()), float(at.y()));
  if (hover.shape == PointerShape::Hand) {
    setCursor(hand_);
  } else {
    unsetCursor();
  }
  setToolTip(QString::fromUtf8(hover.tooltip.data(), static_cast<qsizetype>(hover.tooltip.size())));
}

void WindowView::keyPressEvent(QKeyEvent* event) {
  if (forgotten_ || !host_.midend().key(window_, keyOf(*event))) QWidget::keyPressEvent(event);
}

void WindowView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (!forgotten_ && event->type() == QEvent::WindowStateChange && isMinimized()) host_.midend().minimize(window_);
}

void WindowView::closeEvent(QCloseEvent* event) {
  // The game decides: the view goes when the window has closed.
  event->ignore();
  if (!forgotten_) host_.midend().closeBox(window_);
}

}  // namespace tw
