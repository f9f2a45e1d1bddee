#include "frontends/qt/text_box_view.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "frontends/qt/element_painter.h"
#include "frontends/qt/keyboard.h"
#include "frontends/qt/qt_host.h"
#include "frontends/qt/window_view.h"

namespace tw {

namespace {

// The toolkit's light grey bar glares beside a dark text: give it the box's own background
// and the grey of the game's buttons.
void darkenScrollBar(QScrollBar& bar, Rgb background) {
  const QString back = QColor(static_cast<QRgb>(background)).name();
  bar.setStyleSheet(QString("QScrollBar:vertical { background: %1; width: 14px; margin: 0; }"
                            "QScrollBar::handle:vertical { background: #404040; min-height: 24px; }"
                            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: %1; }")
                        .arg(back));
}

// True when `now` differs from what the widget last took over, which it becomes: only what
// changed is set, as the log follows its element every frame.
template <class T>
bool takeOver(T& followed, const T& now) {
  if (followed == now) return false;
  followed = now;
  return true;
}

}  // namespace

TextBoxView::TextBoxView(QWidget* parent, QtHost& host, Window& window, const DrawItem& box)
    : QPlainTextEdit(parent), host_(host), window_(window), element_(*box.element) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(box.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  if (box.scrollBar) darkenScrollBar(*verticalScrollBar(), box.back);
  setLineWrapMode(box.multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  setReadOnly(box.readOnly);
  setCursorWidth(0);  // the caret is the game's own block, painted below
  // Read-only, but the player can still place the insertion point with a click. Not with keys,
  // which are the game's: a box the keys may move through draws the toolkit's caret as well,
  // and on a screen scaled by a fraction its zero width still shows a pixel below the block.
  if (box.readOnly) setTextInteractionFlags(Qt::TextSelectableByMouse);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (following_ || forgotten_) return;
    followedText_ = host_.midend().editShown(window_, element_, toPlainText().toStdString(), textCursor().position());
  });
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    viewport()->update();  // the block is wider than the toolkit's own caret repaint
    if (following_ || forgotten_) return;
    host_.midend().placeCaret(window_, element_, textCursor().position());
    shownCaret_ = textCursor().position();
  });
}

void TextBoxView::follow(const DrawItem& box) {
  following_ = true;
  setGeometry(toQRect(box.area));
  setVisible(true);
  if (takeOver(followedFont_, box.font)) setFont(gameFont(box.font));
  if (takeOver(followedColours_, std::optional(std::pair{box.back, box.colour}))) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(static_cast<QRgb>(box.back)));
    palette.setColor(QPalette::Text, QColor(static_cast<QRgb>(box.colour)));
    setPalette(palette);
  }
  followText(box);
  // A new font, text or insertion point repaints the caret's line by itself.
  if (takeOver(followedCaret_, QSize(box.caret.width, box.caret.height))) viewport()->update();
  if (box.caret.shown && !hasFocus()) setFocus(Qt::OtherFocusReason);
  following_ = false;
}

void TextBoxView::forget() {
  forgotten_ = true;
  hide();
}

void TextBoxView::followText(const DrawItem& box) {
  const bool changed = takeOver(followedText_, box.text);
  if (changed) setPlainText(shownText(followedText_));
  if (changed || box.caret.at != shownCaret_) {
    shownCaret_ = box.caret.at;
    QTextCursor cursor = textCursor();
    const int last = document()->characterCount() - 1;
    cursor.setPosition(std::clamp(shownCaret_, 0, std::max(0, last)));
    setTextCursor(cursor);
    ensureCursorVisible();
  }
}

QRect TextBoxView::caretRect() const {
  const QRect line = cursorRect();
  const int height = followedCaret_.height() > 0 ? followedCaret_.height() : line.height();
  return QRect(line.topLeft(), QSize(followedCaret_.width(), height));
}

void TextBoxView::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  if (forgotten_ || !hasFocus()) return;
  // A solid block that inverts what lies under it, steady rather than blinking.
  QPainter painter(viewport());
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter.fillRect(caretRect(), Qt::white);
}

void TextBoxView::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  if (!forgotten_) host_.midend().focus(window_, element_);
}

void TextBoxView::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  viewport()->update();
}

bool TextBoxView::event(QEvent* event) {
  // Before the widget's own use of arrows and Tab: the game screen's keys work wherever the focus is.
  if (event->type() == QEvent::KeyPress && !forgotten_ &&
      host_.midend().key(window_, keyOf(static_cast<QKeyEvent&>(*event)))) {
    event->accept();
    return true;
  }
  return QPlainTextEdit::event(event);
}

void TextBoxView::mousePressEvent(QMouseEvent* event) {
  if (!forgotten_) host_.midend().pressOn(window_, &element_, buttonOf(*event));
  QPlainTextEdit::mousePressEvent(event);
}

void TextBoxView::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (!forgotten_) host_.midend().releaseOn(window_, &element_, buttonOf(*event));
}

}  // namespace tw
