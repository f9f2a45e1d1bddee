#pragma once
// Drawing a window's elements the way the game lays them out, and finding what lies under a point.
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "model/element.h"

class QPainter;

namespace tw {

class Window;

// Twips to logical pixels.
int toPixels(float twips);
// An element's rectangle in the window's client area, in logical pixels.
QRect pixelRect(const Element& e);
// A line's two ends in the client area, in logical pixels.
std::pair<QPoint, QPoint> lineEnds(const Element& line);
// Where an element may draw, in logical pixels: a line reaches past its ends by its pen,
// an auto-sized label as far as its text.
QRect drawnArea(const Element& e);
// A stored text as the toolkit shows it: UTF-16, LF line breaks.
QString shownText(const std::string& text);
// The game's font, or its metric-compatible substitute where it is missing.
QFont gameFont(const Font& font);

// Pictures loaded from files, once per path; design pictures from the resources.
class PictureCache {
 public:
  const QImage& imageFor(const Element& picture);
  // `image` smoothed to `pixels` device pixels, made once per size: the pictures are drawn
  // larger than they are shown, so that they stay sharp on a scaled screen.
  const QImage& scaledTo(const QImage& image, QSize pixels);

 private:
  QHash<QString, QImage> images_;
  std::map<std::tuple<qint64, int, int>, QImage> scaled_;
};

// Paints what meets `area` (logical pixels), in drawing order.
void paintWindow(QPainter& painter, const Window& window, PictureCache& pictures, const QRegion& area);

}  // namespace tw
