#include "autopilot/route_planner.h"

#include <cstdlib>

#include "game/headings.h"

namespace tw {

namespace {

constexpr int kNoParent = -1;

int distance(board::Cell a, board::Cell b) { return std::abs(a.column - b.column) + std::abs(a.row - b.row); }

board::Cell cellOf(int index) { return {index / board::kCells + 1, index % board::kCells + 1}; }

// Headings to try from a cell: the current one first, so a plane turns only when it must.
std::array<int, 4> headingOrder(int current) {
  std::array<int, 4> order{0, 1, 2, 3};
  if (current > 0 && current < 4) std::swap(order[0], order[static_cast<std::size_t>(current)]);
  return order;
}

// The earliest free arrival, searched step by step; books the route and returns its first
// heading.
std::optional<int> shortestRoute(const Flight& flight, int currentHeading, Airspace& airspace) {
  const board::Cell goal = *flight.destination;
  const int last = std::min(flight.stepsLeft, Airspace::kHorizon);
  // parent[step][cell]: the cell the plane came from, for every reachable (step, cell).
  std::array<std::array<int, board::kCellCount>, Airspace::kHorizon + 1> parent;
  for (int step = 0; step <= last; ++step) parent[static_cast<std::size_t>(step)].fill(kNoParent);
  std::vector<int> frontier{board::cellIndex(flight.at)};
  for (int step = 1; step <= last && !frontier.empty(); ++step) {
    std::vector<int> next;
    auto& layer = parent[static_cast<std::size_t>(step)];
    for (int from : frontier) {
      for (int heading : headingOrder(currentHeading)) {
        const auto to = stepFrom(cellOf(from), heading);
        const bool landing = to && to->column == goal.column && to->row == goal.row;
        if (!to || !airspace.open(step, *to, landing)) continue;
        const int index = board::cellIndex(*to);
        if (layer[static_cast<std::size_t>(index)] != kNoParent) continue;
        layer[static_cast<std::size_t>(index)] = from;
        next.push_back(index);
      }
    }
    const int goalIndex = board::cellIndex(goal);
    if (layer[static_cast<std::size_t>(goalIndex)] == kNoParent) {
      frontier = std::move(next);
      continue;
    }
    // Arrived: walk back, booking each step, to the first move.
    int cell = goalIndex;
    for (int s = step; s >= 1; --s) {
      airspace.book(s, cellOf(cell));
      // Checked: the compiler cannot see that every parent is a cell.
      const int from = parent.at(static_cast<std::size_t>(s)).at(static_cast<std::size_t>(cell));
      if (s == 1) {
        for (int heading = 0; heading < 4; ++heading) {
          if (const auto to = stepFrom(cellOf(from), heading); to && board::cellIndex(*to) == cell) return heading;
        }
      }
      cell = from;
    }
  }
  return std::nullopt;
}

// How many free ways a plane standing on `cell` after `step` has at the step after.
int waysOn(const Airspace& airspace, int step, board::Cell cell) {
  int ways = 0;
  for (int heading = 0; heading < 4; ++heading) {
    if (const auto to = stepFrom(cell, heading); to && airspace.open(step + 1, *to, false)) ++ways;
  }
  return ways;
}

// No free route: the free neighbour with ways on, nearest the destination, kept for one step.
std::optional<int> safestStep(const Flight& flight, int currentHeading, Airspace& airspace) {
  std::optional<int> best;
  int bestScore = 0;
  for (int heading : headingOrder(currentHeading)) {
    const auto to = stepFrom(flight.at, heading);
    if (!to || !airspace.open(1, *to, false)) continue;
    const int ways = waysOn(airspace, 1, *to);
    const int score = (ways > 0 ? 0 : 1000) + (flight.destination ? distance(*to, *flight.destination) : 0);
    if (!best || score < bestScore) {
      best = heading;
      bestScore = score;
    }
  }
  if (best) airspace.book(1, *stepFrom(flight.at, *best));
  return best;
}

}  // namespace

bool Airspace::open(int step, board::Cell cell, bool landing) const {
  if (at(booked_, step, cell)) return false;
  return landing ? !at(noLanding_, step, cell) : !at(closed_, step, cell);
}

void Airspace::set(Layers& layers, int step, board::Cell cell) {
  if (step < 0 || step > kHorizon) return;
  layers[static_cast<std::size_t>(step)][static_cast<std::size_t>(board::cellIndex(cell))] = true;
}

bool Airspace::at(const Layers& layers, int step, board::Cell cell) {
  if (step < 0 || step > kHorizon) return false;
  return layers[static_cast<std::size_t>(step)][static_cast<std::size_t>(board::cellIndex(cell))];
}

std::optional<board::Cell> stepFrom(board::Cell cell, int heading) {
  const Heading& h = kHeadings[static_cast<std::size_t>(heading)];
  const board::Cell to{cell.column + static_cast<int>(h.dLeft / board::kCell),
                       cell.row + static_cast<int>(h.dTop / board::kCell)};
  if (to.column < 1 || to.column > board::kCells || to.row < 1 || to.row > board::kCells) return std::nullopt;
  return to;
}

std::optional<int> planFlight(const Flight& flight, int currentHeading, Airspace& airspace) {
  if (flight.destination) {
    if (auto heading = shortestRoute(flight, currentHeading, airspace)) return heading;
  }
  return safestStep(flight, currentHeading, airspace);
}

}  // namespace tw
