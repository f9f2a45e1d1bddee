#include "frontends/qt/label_text.h"

#include <QCache>
#include <QHashFunctions>
#include <QTextOption>
#include <string>

#include "frontends/qt/element_painter.h"

namespace tw {

namespace {

// A few screens' worth: a clock's read-out lays out a new text each second.
constexpr qsizetype kKeptTexts = 500;

// Everything a label's layout depends on.
struct Look {
  std::string text;
  Font font;
  Align align = Align::Left;
  int width = 0;
  bool operator==(const Look&) const = default;
};

size_t qHash(const Look& look, size_t seed = 0) {
  auto bytes = [](const std::string& s) { return QByteArrayView(s.data(), static_cast<qsizetype>(s.size())); };
  return qHashMulti(seed, bytes(look.text), bytes(look.font.family), look.font.points, look.font.weight,
                    static_cast<int>(look.align), look.width);
}

Qt::Alignment alignmentOf(Align align) {
  switch (align) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Left: break;
  }
  return Qt::AlignLeft;
}

}  // namespace

QStaticText laidOutText(const DrawItem& item) {
  static QCache<Look, QStaticText> made(kKeptTexts);
  Look look{item.text, item.font, item.align, item.area.width};
  if (const QStaticText* known = made.object(look)) return *known;
  // Plain text, never markup; a stored line break breaks the line, as it does in drawText.
  QStaticText text(shownText(item.text).replace(QLatin1Char('\n'), QChar::LineSeparator));
  text.setTextFormat(Qt::PlainText);
  text.setTextWidth(item.area.width);
  QTextOption option(alignmentOf(item.align) | Qt::AlignTop);
  option.setWrapMode(QTextOption::WordWrap);
  text.setTextOption(option);
  made.insert(std::move(look), new QStaticText(text));
  return text;
}

}  // namespace tw
