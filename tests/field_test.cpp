// Fields hold text: the conversions every handler relies on, and the board's cell rule.
#include <gtest/gtest.h>

#include "game/board.h"
#include "platform/field.h"

namespace tw {
namespace {

TEST(FieldText, NumbersReadBackAsTheirShortestDecimalText) {
  EXPECT_EQ(numberText(*toNumber("11") + 1), "12");
  EXPECT_EQ(numberText(*toNumber("250") - 10), "240");
  EXPECT_EQ(numberText(*toNumber("0") - 10), "-10");
  EXPECT_EQ(numberText(*toNumber(" 2.5 ") * 2), "5");
  EXPECT_EQ(numberText(0.1), "0.1");
  EXPECT_EQ(numberText(6110.0f), "6110");
}

TEST(FieldText, LargeWholeNumbersAndSmallFractionsStayPlainDecimals) {
  EXPECT_EQ(numberText(100000.0), "100000");
  EXPECT_EQ(numberText(2147483647.0), "2147483647");
  EXPECT_EQ(numberText(-3600000.0), "-3600000");
  EXPECT_EQ(numberText(1000000.0f), "1000000");
  EXPECT_EQ(numberText(0.0001), "0.0001");
  EXPECT_EQ(numberText(-0.0), "0");
}

TEST(FieldText, TextsThatAreNoNumberFailToConvert) {
  for (const char* bad : {"", " ", "abc", "1,5", "12a", "inf", "nan", "--1", "1e", "."}) {
    EXPECT_FALSE(toNumber(bad)) << '"' << bad << '"';
  }
  EXPECT_EQ(*toNumber("+7"), 7);
  EXPECT_EQ(*toNumber("-0.5"), -0.5);
  EXPECT_EQ(*toNumber("1e3"), 1000);
}

TEST(FieldText, PlaneNumbersAreSixteenBitAndRoundHalfToEven) {
  EXPECT_EQ(*toInt16("32767"), 32767);
  EXPECT_FALSE(toInt16("32768"));
  EXPECT_EQ(*toInt16("-32768"), -32768);
  EXPECT_EQ(*toInt16("2.5"), 2);
  EXPECT_EQ(*toInt16("3.5"), 4);
  EXPECT_FALSE(toInt16(""));
  EXPECT_EQ(*toInt32("2147483647"), 2147483647);
  EXPECT_FALSE(toInt32("2147483648"));
}

TEST(FieldText, EscapedValuesStayOnOneLine) {
  EXPECT_EQ(escapeLine("a\r\nb\\c"), "a\\r\\nb\\\\c");
  EXPECT_EQ(toLower("A - 1"), "a - 1");
}

TEST(BoardCells, TheCornersAndEveryCellOriginNameTheirCell) {
  EXPECT_EQ(board::positionText(*board::cellAt(720, 720)), "A - 1");
  EXPECT_EQ(board::positionText(*board::cellAt(5520, 5520)), "I - 9");
  EXPECT_EQ(board::positionText(*board::cellAt(5520, 720)), "I - 1");
  EXPECT_EQ(board::positionText(*board::cellAt(720, 5520)), "A - 9");
  EXPECT_EQ(board::positionText(*board::cellAt(3120, 1320)), "E - 2");
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      const auto cell = board::cellAt(board::columnLeft(c), board::rowTop(r));
      ASSERT_TRUE(cell);
      EXPECT_EQ(cell->column, c);
      EXPECT_EQ(cell->row, r);
    }
  }
}

TEST(BoardCells, PositionsOffTheCellOriginsStandOnNoCell) {
  EXPECT_FALSE(board::cellAt(6120, 720));
  EXPECT_FALSE(board::cellAt(600, 720));
  EXPECT_FALSE(board::cellAt(1000, 720));
  EXPECT_FALSE(board::cellAt(700, 720));
  EXPECT_FALSE(board::cellAt(720, 120));
  EXPECT_FALSE(board::cellAt(720.5f, 720));
  EXPECT_FALSE(board::cellAt(1320.0001f, 720));
  EXPECT_FALSE(board::cellAt(5520.0005f, 5520));
  EXPECT_FALSE(board::cellAt(-1e30f, 720));
}

}  // namespace
}  // namespace tw
