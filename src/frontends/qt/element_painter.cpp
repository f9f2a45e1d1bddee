#include "frontends/qt/element_painter.h"

#include <QCache>
#include <QPainter>
#include <QStaticText>
#include <QTextOption>
#include <algorithm>

#include "model/host.h"
#include "midend/fonts.h"

namespace tw {

namespace {

QColor color(Rgb rgb) { return QColor(static_cast<QRgb>(rgb)); }

QPoint toQPoint(PixelPoint p) { return QPoint(p.x, p.y); }

// The bounds of where `area` meets `r`; a region made for each item would cost more than
// the painting.
QRect meeting(const QRegion& area, const QRect& r) {
  QRect met;
  for (const QRect& part : area) met |= part & r;
  return met;
}

// A few screens' worth: a clock's read-out lays out a new text each second.
constexpr qsizetype kKeptTexts = 500;

// The item's plain text, top-aligned and wrapped at its width, as the toolkit lays it out;
// laid out once per look, so a star crossed by a sweep line repaints without shaping its
// text again. The painter's font must be the item's.
QStaticText laidOutText(const DrawItem& item) {
  static QCache<QString, QStaticText> made(kKeptTexts);
  // Everything the layout depends on.
  QString look = QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(QString::fromStdString(item.font.family), QString::number(item.font.points),
                          QString::number(item.font.weight), QString::number(static_cast<int>(item.align)),
                          QString::number(item.area.width), QString::fromStdString(item.text));
  if (const QStaticText* known = made.object(look)) return *known;
  // Plain text, never markup; a stored line break breaks the line, as it does in drawText.
  QStaticText text(shownText(item.text).replace(QLatin1Char('\n'), QChar::LineSeparator));
  text.setTextFormat(Qt::PlainText);
  text.setTextWidth(item.area.width);
  const Qt::Alignment across = item.align == Align::Center  ? Qt::AlignHCenter
                               : item.align == Align::Right ? Qt::AlignRight
                                                            : Qt::AlignLeft;
  QTextOption option(across | Qt::AlignTop);
  option.setWrapMode(QTextOption::WordWrap);
  text.setTextOption(option);
  made.insert(std::move(look), new QStaticText(text));
  return text;
}

void paintItem(QPainter& p, const DrawItem& item, PictureCache& pictures) {
  const QRect area = toQRect(item.area);
  switch (item.kind) {
    case DrawKind::Fill: p.fillRect(area, color(item.colour)); break;
    case DrawKind::Text:
      p.setFont(gameFont(item.font));
      p.setPen(color(item.colour));
      p.drawStaticText(area.topLeft(), laidOutText(item));
      break;
    case DrawKind::Picture: {
      const QImage& image = pictures.imageFor(item);
      if (image.isNull()) break;
      // At the screen's own pixels, so the painter only copies it.
      const QSize pixels = (QSizeF(area.size()) * p.device()->devicePixelRatioF()).toSize();
      p.drawImage(area, pictures.scaledTo(image, pixels));
      break;
    }
    case DrawKind::Line: {
      QPen pen(color(item.colour));
      pen.setWidth(item.pen);
      pen.setCapStyle(Qt::SquareCap);
      p.setPen(pen);
      p.drawLine(toQPoint(item.from), toQPoint(item.to));
      break;
    }
    case DrawKind::FocusFrame:
      p.setPen(QPen(color(item.colour), item.pen));
      p.setBrush(Qt::NoBrush);
      p.drawRect(area);
      break;
    case DrawKind::TextBox: break;  // a real text widget of the view
  }
}

}  // namespace

QRect toQRect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

QString shownText(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace("\r\n", "\n");
}

QFont gameFont(const Font& font) {
  // Made once per face and size: a new QFont looks its face up again on every paint.
  static std::map<std::tuple<std::string, float, int>, QFont> made;
  const auto key = std::make_tuple(font.family, font.points, font.weight);
  if (const auto it = made.find(key); it != made.end()) return it->second;
  QFont f;
  QStringList families;
  for (const std::string& family : fontFamilies(font)) families << QString::fromStdString(family);
  f.setFamilies(families);
  f.setPixelSize(fontPixelSize(font));
  f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
  return made.emplace(key, f).first->second;
}

const QImage& PictureCache::imageFor(const DrawItem& picture) {
  const QString name = QString::fromStdString(picture.picture);
  const QString key = picture.designPicture ? ":/design/" + name + ".png" : name;
  auto it = images_.find(key);
  if (it == images_.end()) it = images_.insert(key, load(picture, key));
  return *it;
}

QImage PictureCache::load(const DrawItem& picture, const QString& key) {
  if (picture.designPicture) return QImage(key);
  // Through the host, which took the file as a picture before.
  const FileContent file = host_.readProgramFile(picture.picture, kPictureFileBytes);
  const auto* bytes = reinterpret_cast<const uchar*>(file.bytes.data());
  return QImage::fromData(bytes, static_cast<int>(file.bytes.size()), "JPEG");
}

const QImage& PictureCache::scaledTo(const QImage& image, QSize pixels) {
  if (image.size() == pixels || pixels.isEmpty()) return image;
  auto& scaled = scaled_[{image.cacheKey(), pixels.width(), pixels.height()}];
  if (scaled.isNull()) scaled = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return scaled;
}

void paintDisplayList(QPainter& painter, const DisplayList& list, PictureCache& pictures, const QRegion& area) {
  for (const DrawItem& item : list.items()) {
    // Clipped to where the item draws within the area: the region, not its bounding box,
    // as the two sweep lines' strips lie far apart; so a long line crossed by a sweep line
    // draws a few pixels, and a label's text is cut at its edges.
    const QRect clip = meeting(area, toQRect(item.clip));
    if (clip.isEmpty()) continue;
    painter.setClipRect(clip);
    paintItem(painter, item, pictures);
  }
}

}  // namespace tw
