#include "game/board.h"

#include <array>

namespace tw::board {

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
