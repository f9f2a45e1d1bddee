// A label's text on the screen, laid out once per look: each new look shows exactly as the
// toolkit's own drawText lays it out, and an earlier look never comes back by mistake.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "qt_game.h"

namespace tw::test {
namespace {

using QtLabelText = GameTest;

// The label as drawText puts it on the window's black.
QImage drawnByTheToolkit(const Element& label) {
  const QRect area = pixelRect(label);
  QImage image(area.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setFont(gameFont(label.font));
  painter.setPen(QColor(static_cast<QRgb>(label.foreColor)));
  const Qt::Alignment across = label.align == Align::Center  ? Qt::AlignHCenter
                               : label.align == Align::Right ? Qt::AlignRight
                                                             : Qt::AlignLeft;
  painter.drawText(QRect(QPoint(0, 0), area.size()), static_cast<int>(across | Qt::AlignTop | Qt::TextWordWrap),
                   shownText(label.text));
  return image;
}

TEST_F(QtLabelText, EveryNewLookShowsAsTheToolkitDrawsIt) {
  QtGame game(QtHost::Mode::Play);
  // The level's read-out, moved onto the empty middle of the board before the mission sets up.
  Element& label = *game.form1().LV;
  label.left = label.top = 1800;
  label.width = 3000;
  label.height = 1500;
  auto shown = [&] {
    game.view().follow();
    return game.view().grab().toImage().convertToFormat(QImage::Format_RGB32).copy(pixelRect(label));
  };
  std::vector<QImage> seen;
  auto expectAsTheToolkit = [&](const char* look) {
    const QImage now = shown();
    EXPECT_TRUE(now == drawnByTheToolkit(label)) << look;
    seen.push_back(now);
  };
  expectAsTheToolkit("first");
  label.text = "Land 39\r\nplanes";
  expectAsTheToolkit("a stored line break");
  label.text = "Airplane 1 arrives to gate B - 9";
  expectAsTheToolkit("wrapped at the width");
  label.width = 1500;
  expectAsTheToolkit("wrapped at a narrower width");
  label.align = Align::Center;
  expectAsTheToolkit("centred");
  label.align = Align::Right;
  expectAsTheToolkit("to the right");
  label.font.points = 18.0f;
  expectAsTheToolkit("a larger face");
  label.foreColor = 0x00C000;
  expectAsTheToolkit("another colour");
  for (std::size_t k = 1; k < seen.size(); ++k) EXPECT_FALSE(seen[k] == seen[k - 1]) << k;

  label.text = "1";
  label.width = 3000;
  label.align = Align::Left;
  label.font.points = 12.0f;
  label.foreColor = 0xFFFF80;
  EXPECT_TRUE(shown() == seen.front()) << "the first look again";
}

}  // namespace
}  // namespace tw::test
