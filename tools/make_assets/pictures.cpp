#include "pictures.h"

#include <QConicalGradient>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <vector>

namespace assets {

namespace {

// The planes are drawn in 40 units, as the 40-pixel elements show them, at 4 pixels a unit: 16
// times the pixels they fill on a plain screen, so they stay sharp on a screen scaled up to 4.
constexpr int kPixelsPerUnit = 4;
constexpr int kPlaneSide = 40 * kPixelsPerUnit;

// Plane shapes in a 40-unit square, nose up, centred on x = 20.
QPainterPath fuselage()
{
  QPainterPath p;
  p.moveTo(20.0, 2.0);
  p.cubicTo(21.9, 2.6, 22.5, 6.0, 22.5, 10.0);
  p.lineTo(22.5, 30.0);
  p.cubicTo(22.5, 34.0, 21.4, 37.4, 20.0, 38.0);
  p.cubicTo(18.6, 37.4, 17.5, 34.0, 17.5, 30.0);
  p.lineTo(17.5, 10.0);
  p.cubicTo(17.5, 6.0, 18.1, 2.6, 20.0, 2.0);
  p.closeSubpath();
  return p;
}

QPainterPath mirrored(const QPolygonF& right)
{
  QPolygonF left;
  for (const QPointF& pt : right) left << QPointF(40.0 - pt.x(), pt.y());
  QPainterPath p;
  p.addPolygon(right);
  p.closeSubpath();
  p.addPolygon(left);
  p.closeSubpath();
  return p;
}

QPainterPath wings()
{
  return mirrored(QPolygonF{{21.0, 14.0}, {37.5, 22.5}, {37.5, 25.0}, {21.0, 21.5}});
}

QPainterPath tailplanes()
{
  return mirrored(QPolygonF{{21.0, 29.5}, {28.5, 34.8}, {28.5, 36.8}, {21.0, 34.5}});
}

QPainterPath engines()
{
  QPainterPath p;
  p.addRoundedRect(QRectF(26.0, 15.0, 2.4, 5.6), 1.1, 1.1);
  p.addRoundedRect(QRectF(40.0 - 28.4, 15.0, 2.4, 5.6), 1.1, 1.1);
  return p;
}

QPainterPath outline()
{
  return fuselage().united(wings()).united(tailplanes()).united(engines()).simplified();
}

const QColor kAccent(226, 62, 44);
const QColor kEdge(92, 98, 108);

void drawPlane(QPainter& p)
{
  p.save();
  QPen edge(kEdge, 0.7);
  edge.setJoinStyle(Qt::RoundJoin);

  // Lit from the top of the unrotated drawing; the shading turns with the plane.
  QLinearGradient metal(0.0, 10.0, 0.0, 38.0);
  metal.setColorAt(0.0, QColor(250, 251, 252));
  metal.setColorAt(1.0, QColor(196, 202, 210));

  p.setPen(edge);
  p.setBrush(metal);
  p.drawPath(wings());
  p.drawPath(tailplanes());

  // Coloured tips, so the plane reads as a plane and not a cross.
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPath(wings().intersected(QPainterPath([] {
    QPainterPath r;
    r.addRect(QRectF(0.0, 0.0, 5.0, 40.0));
    r.addRect(QRectF(35.0, 0.0, 5.0, 40.0));
    return r;
  }())));

  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(QColor(78, 86, 98));
  p.drawPath(engines());

  QLinearGradient body(17.5, 0.0, 22.5, 0.0);
  body.setColorAt(0.0, QColor(200, 205, 212));
  body.setColorAt(0.5, QColor(255, 255, 255));
  body.setColorAt(1.0, QColor(200, 205, 212));
  p.setPen(edge);
  p.setBrush(body);
  p.drawPath(fuselage());

  // Windscreen.
  QPainterPath glass;
  glass.moveTo(18.3, 6.6);
  glass.quadTo(20.0, 4.6, 21.7, 6.6);
  glass.lineTo(21.4, 7.8);
  glass.quadTo(20.0, 6.6, 18.6, 7.8);
  glass.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 76, 140));
  p.drawPath(glass);

  // The fin seen edge-on: a stripe down the tail.
  p.setPen(QPen(kAccent, 1.3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20.0, 29.0), QPointF(20.0, 36.6));
  p.restore();
}

QImage blank(int w, int h, QImage::Format format, const QColor& fill)
{
  QImage img(w, h, format);
  // Fixed density: the default follows the screen, which would change the files.
  img.setDotsPerMeterX(2835);
  img.setDotsPerMeterY(2835);
  img.fill(fill);
  return img;
}

// Exact quarter turns, pixel for pixel, so all four headings are the same drawing.
QImage quarterTurn(const QImage& src, bool clockwise)
{
  QImage out = blank(src.height(), src.width(), src.format(), Qt::black);
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width(); ++x) {
      const QRgb c = src.pixel(x, y);
      if (clockwise)
        out.setPixel(src.height() - 1 - y, x, c);
      else
        out.setPixel(y, src.width() - 1 - x, c);
    }
  return out;
}

QImage turned(const QImage& up, Facing facing)
{
  switch (facing) {
  case Facing::Up: return up;
  case Facing::Down: return quarterTurn(quarterTurn(up, true), true);
  case Facing::Left: return quarterTurn(up, false);
  case Facing::Right: return quarterTurn(up, true);
  }
  return up;
}

} // namespace

QImage planePicture(Facing facing)
{
  QImage up = blank(kPlaneSide, kPlaneSide, QImage::Format_RGB32, Qt::black);
  {
    QPainter p(&up);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPixelsPerUnit, kPixelsPerUnit);
    drawPlane(p);
  }
  return turned(up, facing);
}

QImage planeSilhouette()
{
  QImage up = blank(kPlaneSide, kPlaneSide, QImage::Format_RGB32, Qt::black);
  {
    QPainter p(&up);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPixelsPerUnit, kPixelsPerUnit);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(outline());
  }
  return turned(up, Facing::Right);
}

QImage iconPicture(int size)
{
  QImage img = blank(size, size, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double unit = size / 256.0;
  p.scale(unit, unit);
  // Never thinner than one device pixel, or the rings vanish at 32 px.
  const double thin = std::max(3.0, 1.0 / unit);
  const QPointF c(128.0, 128.0);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(52, 66, 58));
  p.drawEllipse(c, 126.0, 126.0);

  QRadialGradient scope(c, 114.0);
  scope.setColorAt(0.0, QColor(18, 96, 48));
  scope.setColorAt(1.0, QColor(6, 38, 18));
  p.setBrush(scope);
  p.drawEllipse(c, 114.0, 114.0);

  // Sweep moving clockwise: bright at its leading edge, fading behind it.
  const double lead = 100.0;
  QConicalGradient sweep(c, lead);
  sweep.setColorAt(0.0, QColor(120, 255, 150, 170));
  sweep.setColorAt(70.0 / 360.0, QColor(120, 255, 150, 0));
  sweep.setColorAt(1.0, QColor(120, 255, 150, 0));
  p.setBrush(sweep);
  p.drawPie(QRectF(14.0, 14.0, 228.0, 228.0), static_cast<int>(lead * 16), 70 * 16);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(70, 190, 105, 190), thin));
  p.drawEllipse(c, 40.0, 40.0);
  p.drawEllipse(c, 78.0, 78.0);
  p.setPen(QPen(QColor(70, 190, 105, 120), thin));
  p.drawLine(QPointF(14.0, 128.0), QPointF(242.0, 128.0));
  p.drawLine(QPointF(128.0, 14.0), QPointF(128.0, 242.0));
  p.setPen(QPen(QColor(170, 255, 190), std::max(4.0, 1.2 / unit), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, QPointF(108.2, 15.7));

  // The plane heading up-right, with a soft shadow to lift it off the scope.
  p.save();
  p.translate(c + QPointF(6.0, 8.0));
  p.rotate(45.0);
  p.scale(4.2, 4.2);
  p.translate(-20.0, -20.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(outline());
  p.restore();

  p.save();
  p.translate(c);
  p.rotate(45.0);
  p.scale(4.2, 4.2);
  p.translate(-20.0, -20.0);
  if (size <= 32) {
    // Engines and stripes turn to mush at this size; a clean shape reads better.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 251, 252));
    p.drawPath(outline());
  } else {
    drawPlane(p);
  }
  p.restore();
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

QByteArray iconSvg()
{
  // Written by hand with the same numbers as iconPicture(); the sweep is stacked wedges
  // because SVG has no conical gradient.
  return R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <radialGradient id="scope" cx="128" cy="128" r="114" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#126030"/>
      <stop offset="1" stop-color="#062612"/>
    </radialGradient>
    <linearGradient id="metal" x1="0" y1="10" x2="0" y2="38" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#fafbfc"/>
      <stop offset="1" stop-color="#c4cad2"/>
    </linearGradient>
  </defs>
  <circle cx="128" cy="128" r="126" fill="#34423a"/>
  <circle cx="128" cy="128" r="114" fill="url(#scope)"/>
  <g fill="#78ff96">
    <path d="M128 128 L108.2 15.7 A114 114 0 0 0 15.7 108.2 Z" fill-opacity="0.1"/>
    <path d="M128 128 L108.2 15.7 A114 114 0 0 0 34.6 62.6 Z" fill-opacity="0.15"/>
    <path d="M128 128 L108.2 15.7 A114 114 0 0 0 71.0 29.3 Z" fill-opacity="0.2"/>
  </g>
  <g fill="none" stroke="#46be69" stroke-width="3">
    <circle cx="128" cy="128" r="40" stroke-opacity="0.75"/>
    <circle cx="128" cy="128" r="78" stroke-opacity="0.75"/>
    <path d="M14 128 H242 M128 14 V242" stroke-opacity="0.5"/>
  </g>
  <line x1="128" y1="128" x2="108.2" y2="15.7" stroke="#aaffbe" stroke-width="4" stroke-linecap="round"/>
  <g transform="translate(134 136) rotate(45) scale(4.2) translate(-20 -20)" fill="#000" opacity="0.43">
    <path d="M21 14 L37.5 22.5 L37.5 25 L21 21.5 Z M19 14 L2.5 22.5 L2.5 25 L19 21.5 Z"/>
    <path d="M21 29.5 L28.5 34.8 L28.5 36.8 L21 34.5 Z M19 29.5 L11.5 34.8 L11.5 36.8 L19 34.5 Z"/>
    <path d="M20 2 C21.9 2.6 22.5 6 22.5 10 L22.5 30 C22.5 34 21.4 37.4 20 38 C18.6 37.4 17.5 34 17.5 30 L17.5 10 C17.5 6 18.1 2.6 20 2 Z"/>
  </g>
  <g transform="translate(128 128) rotate(45) scale(4.2) translate(-20 -20)" stroke="#5c626c" stroke-width="0.7" stroke-linejoin="round">
    <path d="M21 14 L37.5 22.5 L37.5 25 L21 21.5 Z M19 14 L2.5 22.5 L2.5 25 L19 21.5 Z" fill="url(#metal)"/>
    <path d="M21 29.5 L28.5 34.8 L28.5 36.8 L21 34.5 Z M19 29.5 L11.5 34.8 L11.5 36.8 L19 34.5 Z" fill="url(#metal)"/>
    <path d="M35 21.3 L37.5 22.5 L37.5 25 L35 24.5 Z M5 21.3 L2.5 22.5 L2.5 25 L5 24.5 Z" fill="#e23e2c" stroke="none"/>
    <rect x="26" y="15" width="2.4" height="5.6" rx="1.1" fill="#4e5662" stroke-width="0.5"/>
    <rect x="11.6" y="15" width="2.4" height="5.6" rx="1.1" fill="#4e5662" stroke-width="0.5"/>
    <path d="M20 2 C21.9 2.6 22.5 6 22.5 10 L22.5 30 C22.5 34 21.4 37.4 20 38 C18.6 37.4 17.5 34 17.5 30 L17.5 10 C17.5 6 18.1 2.6 20 2 Z" fill="#f4f6f8"/>
    <path d="M18.3 6.6 Q20 4.6 21.7 6.6 L21.4 7.8 Q20 6.6 18.6 7.8 Z" fill="#284c8c" stroke="none"/>
    <line x1="20" y1="29" x2="20" y2="36.6" stroke="#e23e2c" stroke-width="1.3" stroke-linecap="round"/>
  </g>
</svg>
)svg";
}

QPoint handHotspot() { return {16, 1}; }

QImage handPicture()
{
  QImage img = blank(32, 32, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  // Edges on whole pixels keep a cursor this small crisp instead of grey and blurred.
  struct Finger {
    double left, top;
  };
  // Index, middle, ring, little: the middle one is tallest and holds the hotspot.
  const Finger fingers[] = {{10.0, 4.0}, {14.0, 1.0}, {18.0, 3.0}, {22.0, 6.0}};
  const double width = 4.0;
  QPainterPath hand;
  hand.addRoundedRect(QRectF(10.0, 13.0, 16.0, 16.0), 4.0, 4.0);
  for (const Finger& f : fingers) hand.addRoundedRect(QRectF(f.left, f.top, width, 17.0 - f.top), 2.0, 2.0);
  // Thumb, angled out to the left.
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(-2.0, -8.0, 4.0, 11.5), 2.0, 2.0);
  hand.addPath(QTransform().translate(9.5, 21.0).rotate(-40.0).map(thumb));
  hand.setFillRule(Qt::WindingFill); // overlaps are part of the hand, not holes
  hand = hand.simplified();

  // A two-pixel stroke half hidden by the fill leaves a one-pixel outline.
  p.strokePath(hand, QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(hand, QColor(255, 255, 255));

  // Gaps between fingers, so it reads as an open hand rather than a mitten.
  p.setPen(QPen(QColor(40, 40, 40), 1.0, Qt::SolidLine, Qt::FlatCap));
  for (int k = 0; k < 3; ++k) {
    const double x = fingers[k + 1].left + 0.5;
    const double top = std::max(fingers[k].top, fingers[k + 1].top) + 2.0;
    p.drawLine(QPointF(x, top), QPointF(x, 15.0));
  }
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

namespace {

bool savePng(const QImage& img, const QString& path) { return img.save(path, "PNG"); }

bool saveJpeg(const QImage& img, const QString& path)
{
  QImageWriter w(path, "jpeg");
  w.setQuality(90);
  return w.write(img);
}

} // namespace

bool writePictures(const QString& root)
{
  const QString plane = root + "/Plane";
  const QString design = root + "/design";
  if (!QDir().mkpath(plane) || !QDir().mkpath(design)) return false;

  struct Heading {
    const char* jpeg;
    const char* png;
    Facing facing;
  };
  // The game's headings: "e" travels left on screen and "o" right.
  const Heading headings[] = {{"n", "north", Facing::Up},
                              {"s", "south", Facing::Down},
                              {"e", "east", Facing::Left},
                              {"o", "west", Facing::Right}};

  std::vector<QString> designFiles;
  bool ok = true;
  for (const Heading& h : headings) {
    const QImage img = planePicture(h.facing);
    ok = ok && saveJpeg(img, plane + "/" + h.jpeg + ".jpg");
    designFiles.push_back(QString(h.png) + ".png");
    ok = ok && savePng(img, design + "/" + designFiles.back());
  }
  designFiles.push_back("white_plane.png");
  ok = ok && savePng(planeSilhouette(), design + "/white_plane.png");
  for (int size : {32, 64, 128, 256}) {
    designFiles.push_back(QString("icon-%1.png").arg(size));
    ok = ok && savePng(iconPicture(size), design + "/" + designFiles.back());
  }
  designFiles.push_back("hand.png");
  ok = ok && savePng(handPicture(), design + "/hand.png");

  designFiles.push_back("icon.svg");
  QFile svg(design + "/icon.svg");
  ok = ok && svg.open(QIODevice::WriteOnly | QIODevice::Truncate) && svg.write(iconSvg()) >= 0;
  svg.close();

  std::sort(designFiles.begin(), designFiles.end());
  QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/design\">\n";
  for (const QString& f : designFiles)
    qrc += "    <file alias=\"" + f.toUtf8() + "\">" + f.toUtf8() + "</file>\n";
  qrc += "</qresource>\n</RCC>\n";
  QFile qrcFile(design + "/design.qrc");
  ok = ok && qrcFile.open(QIODevice::WriteOnly | QIODevice::Truncate) && qrcFile.write(qrc) == qrc.size();
  return ok;
}

} // namespace assets
