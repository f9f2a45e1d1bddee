// Fields hold text: the conversions every handler relies on, and the board's cell rule.
#include <gtest/gtest.h>

#include "game/board.h"
#include "model/field.h"
#include "test_support.h"

namespace tw {
namespace {

using FieldText = test::GameTest;
using BoardCells = test::GameTest;

TEST_F(FieldText, NumbersReadBackAsTheirShortestTextAndPlaneNumbersAreSixteenBitRoundedHalfToEven) {
  const std::pair<double, const char*> cases[] = {
      {*toNumber("11") + 1, "12"},   {*toNumber("0") - 10, "-10"},  {*toNumber(" 2.5 ") * 2, "5"},
      {0.1, "0.1"},                  {6110.0f, "6110"},             {100000.0, "100000"},
      {2147483647.0, "2147483647"},  {-3600000.0, "-3600000"},      {1000000.0f, "1000000"},
      {0.0001, "0.0001"},            {-0.0, "0"},                   {*toNumber("+7"), "7"},
      {*toNumber("-0.5"), "-0.5"},   {*toNumber("1e3"), "1000"}};
  for (const auto& [number, text] : cases) EXPECT_EQ(numberText(number), text);
  for (const char* bad : {"", " ", "abc", "1,5", "12a", "inf", "nan", "--1", "1e", "."}) {
    EXPECT_FALSE(toNumber(bad)) << '"' << bad << '"';
  }
  for (const auto& [text, number] : {std::pair{"32767", 32767}, {"-32768", -32768}, {"2.5", 2}, {"3.5", 4}}) {
    EXPECT_EQ(*toInt16(text), number) << text;
  }
  EXPECT_EQ(*toInt32("2147483647"), 2147483647);
  EXPECT_FALSE(toInt16("32768") || toInt16("") || toInt32("2147483648"));
  EXPECT_EQ(escapeLine("a\r\nb\\c"), "a\\r\\nb\\\\c");
  EXPECT_EQ(toLower("A - 1"), "a - 1");
}

TEST_F(BoardCells, EveryCellOriginNamesItsCellAndNoOtherPointDoes) {
  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      const auto cell = board::cellAt(board::columnLeft(c), board::rowTop(r));
      ASSERT_TRUE(cell);
      EXPECT_EQ(board::positionText(*cell), std::string(1, char('A' + c - 1)) + " - " + std::to_string(r));
    }
  }
  for (const auto& [left, top] : {std::pair{6120.0f, 720.0f}, {600.0f, 720.0f}, {1000.0f, 720.0f}, {700.0f, 720.0f},
                                  {720.0f, 120.0f}, {720.5f, 720.0f}, {1320.0001f, 720.0f}, {5520.0005f, 5520.0f},
                                  {-1e30f, 720.0f}}) {
    EXPECT_FALSE(board::cellAt(left, top)) << left << "," << top;
  }
}

}  // namespace
}  // namespace tw
