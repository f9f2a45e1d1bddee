#pragma once
// Routes for the planes on the board, planned together so that no two ever meet: each plane
// moves one cell per movement step and cannot stop, so a route is a cell for every step.
#include <array>
#include <optional>
#include <vector>

#include "game/board.h"

namespace tw {

// A flying plane as the planner sees it.
struct Flight {
  board::Cell at;
  std::optional<board::Cell> destination;  // none while the plane has none to land on
  int stepsLeft;                           // movement steps its fuel still allows
};

// The board over the coming movement steps: which cells are taken after each step.
class Airspace {
 public:
  static constexpr int kHorizon = 32;  // more steps than any plane's fuel allows

  // Whether a plane may stand on the cell after `step`, passing through or, when `landing`
  // there, only for the moment it takes to land.
  bool open(int step, board::Cell cell, bool landing) const;
  // A plane's route stands there.
  void book(int step, board::Cell cell) { set(booked_, step, cell); }
  // No plane may pass through: where new planes come in, or must leave by.
  void close(int step, board::Cell cell) { set(closed_, step, cell); }
  // Not even to land: a new plane is due there before one could land.
  void closeForLanding(int step, board::Cell cell) { set(noLanding_, step, cell); }

 private:
  using Layers = std::array<std::array<bool, board::kCellCount>, kHorizon + 1>;
  static void set(Layers& layers, int step, board::Cell cell);
  static bool at(const Layers& layers, int step, board::Cell cell);
  Layers booked_{};
  Layers closed_{};
  Layers noLanding_{};
};

// The heading (an index into kHeadings) for the plane's next step, its cells booked in
// `airspace`: the earliest arrival on free cells, or, when there is none, the free
// neighbour nearest its destination. Null when every way out is taken.
std::optional<int> planFlight(const Flight& flight, int currentHeading, Airspace& airspace);

// The cell one step from `cell` on heading `heading`, if it is on the board.
std::optional<board::Cell> stepFrom(board::Cell cell, int heading);

}  // namespace tw
