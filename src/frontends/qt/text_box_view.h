#pragma once
// A text box of the game as a real toolkit text widget, so focus, caret and scrolling
// are the toolkit's; it follows its element and reports the player's actions.
#include <QPlainTextEdit>
#include <optional>
#include <string>
#include <utility>

#include "midend/display_list.h"
#include "model/element.h"

namespace tw {

class QtHost;
class Window;

class TextBoxView : public QPlainTextEdit {
  Q_OBJECT

 public:
  TextBoxView(QWidget* parent, QtHost& host, Window& window, const DrawItem& box);

  // Takes over the box's place, look, text, insertion point and caret as the display list has them.
  void follow(const DrawItem& box);
  // The element is gone with its window: from now on the widget only waits to be deleted.
  void forget();
 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void followText(const DrawItem& box);
  // Where the caret stands in the viewport, at the element's caret size.
  QRect caretRect() const;

  QtHost& host_;
  Window& window_;
  Element& element_;
  // What the widget last took over from its element.
  QSize followedCaret_;  // the block's width and height; a height of 0 is the line's
  Font followedFont_{"", 0.0f, 0};
  std::optional<std::pair<Rgb, Rgb>> followedColours_;  // background, text
  std::string followedText_;
  int shownCaret_ = -1;  // shown position of the insertion point
  bool following_ = false;
  bool forgotten_ = false;
};

}  // namespace tw
