#include "game/board.h"

#include <array>

namespace tw::board {

namespace {

// The 1-based line whose origin is exactly `coordinate`, or 0.
int lineAt(float coordinate) {
  if (!(coordinate >= kOrigin && coordinate <= kOrigin + kCell * (kCells - 1))) return 0;
  // Non-negative here, so adding a half and truncating rounds to the nearest line.
  constexpr float kPerCell = 1 / kCell;  // near enough: the check below is exact
  const int line = static_cast<int>((coordinate - kOrigin) * kPerCell + 0.5f) + 1;
  // Whole-number origins are exact in float, so equality is the cell rule itself.
  return columnLeft(line) == coordinate ? line : 0;
}

}  // namespace

std::optional<Cell> cellAt(float left, float top) {
  const int column = lineAt(left);
  const int row = lineAt(top);
  if (column == 0 || row == 0) return std::nullopt;
  return Cell{column, row};
}

std::string positionText(std::string_view column, std::string_view row) {
  std::string text(column);
  text += " - ";
  text += row;
  return text;
}

std::string positionText(Cell cell) {
  const char letter = columnLetter(cell.column);
  return positionText(std::string_view(&letter, 1), std::to_string(cell.row));
}

const Interned& cellName(Cell cell) {
  static const std::array<Interned, kCellCount> names = [] {
    std::array<Interned, kCellCount> all;
    for (int column = 1; column <= kCells; ++column) {
      for (int row = 1; row <= kCells; ++row) {
        all[static_cast<std::size_t>(cellIndex({column, row}))] = positionText({column, row});
      }
    }
    return all;
  }();
  return names[static_cast<std::size_t>(cellIndex(cell))];
}

}  // namespace tw::board
