#include "frontends/qt/element_painter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "system/file_reader.h"
#include "model/hit_test.h"
#include "frontends/qt/label_text.h"
#include "model/window.h"

namespace tw {

namespace {

QColor color(Rgb rgb) { return QColor(static_cast<QRgb>(rgb)); }

constexpr Rgb kFocusFrame = 0xFF8000;

// The part of the window an element may draw on: the inside of every container above it.
QRect clipFor(const Element& e) {
  QRect clip;
  bool first = true;
  for (const Element* p = e.parent; p != nullptr; p = p->parent) {
    clip = first ? pixelRect(*p) : clip.intersected(pixelRect(*p));
    first = false;
  }
  return clip;
}

// The bounds of where `area` meets `r`; a region made for each element would cost more than
// the painting.
QRect meeting(const QRegion& area, const QRect& r) {
  QRect met;
  for (const QRect& part : area) met |= part & r;
  return met;
}

void paintLabel(QPainter& p, const Element& e) {
  const QRect r = drawnArea(e);
  if (e.opaque) p.fillRect(r, color(e.backColor));
  if (e.text.empty()) return;
  p.setFont(gameFont(e.font));
  p.setPen(color(e.foreColor));
  p.drawStaticText(r.topLeft(), laidOutText(e, r.width()));
}

void paintLine(QPainter& p, const Element& e) {
  QPen pen(color(e.foreColor));
  pen.setWidth(std::max(1, e.lineWidthPx));
  pen.setCapStyle(Qt::SquareCap);
  p.setPen(pen);
  const auto [from, to] = lineEnds(e);
  p.drawLine(from, to);
}

void paintElement(QPainter& p, const Element& e, PictureCache& pictures) {
  switch (e.kind) {
    case ElementKind::Label: paintLabel(p, e); break;
    case ElementKind::Picture: {
      const QImage& image = pictures.imageFor(e);
      if (image.isNull()) break;
      // At the screen's own pixels, so the painter only copies it.
      const QRect r = pixelRect(e);
      const QSize pixels = (QSizeF(r.size()) * p.device()->devicePixelRatioF()).toSize();
      p.drawImage(r, pictures.scaledTo(image, pixels));
      break;
    }
    case ElementKind::Shape: p.fillRect(pixelRect(e), color(e.backColor)); break;
    case ElementKind::Container:
      if (e.opaque) p.fillRect(pixelRect(e), color(e.backColor));
      break;
    case ElementKind::Line: paintLine(p, e); break;
    case ElementKind::TextBox: break;  // a real text widget of the view
  }
}

}  // namespace

QString shownText(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace("\r\n", "\n");
}

std::pair<QPoint, QPoint> lineEnds(const Element& e) {
  const float dx = e.parent ? e.parent->screenLeft() : 0;
  const float dy = e.parent ? e.parent->screenTop() : 0;
  return {QPoint(toPixels(e.left + dx), toPixels(e.top + dy)), QPoint(toPixels(e.x2 + dx), toPixels(e.y2 + dy))};
}

QRect drawnArea(const Element& e) {
  if (e.kind == ElementKind::Line) {
    const auto [a, b] = lineEnds(e);
    const int pen = std::max(1, e.lineWidthPx);
    return QRect(a, b).normalized().adjusted(-pen, -pen, pen, pen);
  }
  QRect r = pixelRect(e);
  if (e.kind == ElementKind::Label && e.autoSize && !e.text.empty()) {
    r.setWidth(std::max(r.width(), QFontMetrics(gameFont(e.font)).horizontalAdvance(shownText(e.text))));
  }
  return r;
}

int toPixels(float twips) { return static_cast<int>(std::lround(twips / 15.0f)); }

QRect pixelRect(const Element& e) {
  return QRect(toPixels(e.screenLeft()), toPixels(e.screenTop()), toPixels(e.width), toPixels(e.height));
}

QFont gameFont(const Font& font) {
  // Made once per face and size: a new QFont looks its face up again on every paint.
  static std::map<std::tuple<std::string, float, int>, QFont> made;
  const auto key = std::make_tuple(font.family, font.points, font.weight);
  if (const auto it = made.find(key); it != made.end()) return it->second;
  QFont f;
  QStringList families{QString::fromStdString(font.family)};
  if (font.family == "Courier New") {
    families << "Liberation Mono" << "DejaVu Sans Mono";
  } else {
    // Inter Black: as heavy as Arial Black and nearly as wide.
    families << "Inter" << "Liberation Sans" << "DejaVu Sans";
  }
  f.setFamilies(families);
  // Points at 96 dots per inch, the scale the twips assume.
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.points * 96.0f / 72.0f))));
  f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
  return made.emplace(key, f).first->second;
}

namespace {

// A file goes through the game's own reader, which took it as a picture before.
QImage loadImage(const Element& picture, const QString& key) {
  if (key.isEmpty()) return {};
  if (picture.picturePath.empty()) return QImage(key);
  const FileContent file = readFileCapped(picture.picturePath, kPictureFileBytes);
  const auto* bytes = reinterpret_cast<const uchar*>(file.bytes.data());
  return QImage::fromData(bytes, static_cast<int>(file.bytes.size()), "JPEG");
}

}  // namespace

const QImage& PictureCache::imageFor(const Element& picture) {
  const QString key = picture.picturePath.empty()
                          ? (picture.designPicture.empty() ? QString()
                                                           : ":/design/" + QString::fromStdString(picture.designPicture) + ".png")
                          : QString::fromStdString(picture.picturePath);
  auto it = images_.find(key);
  if (it == images_.end()) it = images_.insert(key, loadImage(picture, key));
  return *it;
}

const QImage& PictureCache::scaledTo(const QImage& image, QSize pixels) {
  if (image.size() == pixels || pixels.isEmpty()) return image;
  auto& scaled = scaled_[{image.cacheKey(), pixels.width(), pixels.height()}];
  if (scaled.isNull()) scaled = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return scaled;
}

void paintWindow(QPainter& painter, const Window& window, PictureCache& pictures, const QRegion& area) {
  for (const Element* e : paintOrder(window)) {
    if (!e->shown()) continue;
    // Clipped to where the element draws within the area: the region, not its bounding box,
    // as the two sweep lines' strips lie far apart; so a long line crossed by a sweep line
    // draws a few pixels, and a label's text is cut at its edges.
    QRect clip = meeting(area, drawnArea(*e));
    if (e->parent) clip &= clipFor(*e);
    if (clip.isEmpty()) continue;
    painter.setClipRect(clip);
    paintElement(painter, *e, pictures);
  }
  painter.setClipping(false);
  if (const Element* framed = window.framed(); framed != nullptr && framed->shown()) {
    // The entry that Enter presses, ringed just outside its edge.
    painter.setPen(QPen(color(kFocusFrame), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pixelRect(*framed).adjusted(-3, -3, 2, 2));
  }
}

}  // namespace tw
