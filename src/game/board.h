#pragma once
// The board: 9 x 9 cells of 600 twips from (720, 720); a sprite stands on a cell only at its exact origin.
#include <optional>
#include <string>
#include <string_view>

#include "model/interned.h"

namespace tw::board {

constexpr float kOrigin = 720;
constexpr float kCell = 600;
constexpr int kCells = 9;

// Columns and rows count from 1.
constexpr float columnLeft(int column) { return kOrigin + kCell * static_cast<float>(column - 1); }
constexpr float rowTop(int row) { return kOrigin + kCell * static_cast<float>(row - 1); }
constexpr char columnLetter(int column) { return static_cast<char>('A' + column - 1); }

struct Cell {
  int column;
  int row;
};

// The 1-based line whose origin is exactly `coordinate`, or 0.
constexpr int lineAt(float coordinate) {
  if (!(coordinate >= kOrigin && coordinate <= kOrigin + kCell * (kCells - 1))) return 0;
  // Non-negative here, so adding a half and truncating rounds to the nearest line.
  constexpr float kPerCell = 1 / kCell;  // near enough: the check below is exact
  const int line = static_cast<int>((coordinate - kOrigin) * kPerCell + 0.5f) + 1;
  // Whole-number origins are exact in float, so equality is the cell rule itself.
  return columnLeft(line) == coordinate ? line : 0;
}

// The cell whose origin is exactly (left, top), if any. Inline: every tick asks it of planes.
constexpr std::optional<Cell> cellAt(float left, float top) {
  const int column = lineAt(left);
  const int row = lineAt(top);
  if (column == 0 || row == 0) return std::nullopt;
  return Cell{column, row};
}

// 0 to 80, column by column: A1 to A9, then B1 to B9, and so on.
constexpr int cellIndex(Cell cell) { return (cell.column - 1) * kCells + (cell.row - 1); }
constexpr int kCellCount = kCells * kCells;

// The name of a cell, made once: the position tick names every plane every millisecond.
const Interned& cellName(Cell cell);

// "A - 1": letter, space, hyphen, space, digit.
std::string positionText(std::string_view column, std::string_view row);
std::string positionText(Cell cell);

}  // namespace tw::board
