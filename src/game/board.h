#pragma once
// The board: 9 x 9 cells of 600 twips from (720, 720); a sprite stands on a cell only at its exact origin.
#include <optional>
#include <string>
#include <string_view>

#include "platform/interned.h"

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

// The cell whose origin is exactly (left, top), if any.
std::optional<Cell> cellAt(float left, float top);

// 0 to 80, column by column: A1 to A9, then B1 to B9, and so on.
constexpr int cellIndex(Cell cell) { return (cell.column - 1) * kCells + (cell.row - 1); }
constexpr int kCellCount = kCells * kCells;

// The name of a cell, made once: the position tick names every plane every millisecond.
const Interned& cellName(Cell cell);

// "A - 1": letter, space, hyphen, space, digit.
std::string positionText(std::string_view column, std::string_view row);
std::string positionText(Cell cell);

}  // namespace tw::board
