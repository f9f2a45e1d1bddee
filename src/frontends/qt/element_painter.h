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

#include "midend/display_list.h"
#include "model/element.h"

class QPainter;

namespace tw {

class Host;
class Window;

// A rectangle of the midend's, for the toolkit.
QRect toQRect(const PixelRect& r);
// A stored text as the toolkit shows it: UTF-16, LF line breaks.
QString shownText(const std::string& text);
// The game's font, or its metric-compatible substitute where it is missing.
QFont gameFont(const Font& font);

// Pictures loaded from files, once per path; design pictures from the resources.
class PictureCache {
 public:
  explicit PictureCache(Host& host) : host_(host) {}
  const QImage& imageFor(const DrawItem& picture);
  // `image` smoothed to `pixels` device pixels, made once per size: the pictures are drawn
  // larger than they are shown, so that they stay sharp on a scaled screen.
  const QImage& scaledTo(const QImage& image, QSize pixels);

 private:
  QImage load(const DrawItem& picture, const QString& key);

  Host& host_;
  QHash<QString, QImage> images_;
  std::map<std::tuple<qint64, int, int>, QImage> scaled_;
};

// Paints the items that meet `area` (logical pixels), in order.
void paintDisplayList(QPainter& painter, const DisplayList& list, PictureCache& pictures, const QRegion& area);

}  // namespace tw
