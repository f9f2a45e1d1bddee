#include "autopilot/autopilot.h"

#include <algorithm>

#include "autopilot/route_planner.h"
#include "game/board.h"
#include "game/form1.h"
#include "game/headings.h"
#include "levels/form3.h"
#include "levels/level_table.h"
#include "menus/form2.h"
#include "menus/form5.h"
#include "model/application.h"
#include "model/field.h"

namespace tw {

namespace {

constexpr board::Cell kEntry{1, 1};  // where every new plane comes in, heading south
constexpr board::Cell kEntryExits[] = {{1, 2}, {2, 1}};
// A plane that lands where new planes come in must be gone before the next one arrives.
constexpr std::int64_t kLandingMs = 250;

bool same(board::Cell a, board::Cell b) { return a.column == b.column && a.row == b.row; }

std::optional<board::Cell> destinationOf(const PlaneRecord& p) {
  if (p.AereoDest1.size() != 1 || p.AereoDest2.size() != 1) return std::nullopt;
  const int column = p.AereoDest1[0] - 'A' + 1;
  const int row = p.AereoDest2[0] - '0';
  if (column < 1 || column > board::kCells || row < 1 || row > board::kCells) return std::nullopt;
  return board::Cell{column, row};
}

// Standing on its destination, with its position already shown: ready to land.
bool readyToLand(const PlaneRecord& p) {
  const auto cell = board::cellAt(p.Aereo->left, p.Aereo->top);
  const auto destination = destinationOf(p);
  return cell && destination && same(*cell, *destination) && p.Posi == board::cellName(*cell);
}

long numberIn(const Element& e) { return static_cast<long>(toNumber(e.text).value_or(0)); }

}  // namespace

Autopilot::Autopilot(Application& app, int firstLevel)
    : app_(app),
      game_(app.form<Form1>()),
      menu_(app.form<Form2>()),
      next_(app.form<Form3>()),
      chooser_(app.form<Form5>()),
      pendingLevel_(firstLevel) {}

void Autopilot::act() {
  // A way through the menus takes several clicks at one moment.
  for (int clicks = 0; clicks < 4 && !app_.scheduler().held() && moveOn(); ++clicks) {
  }
}

bool Autopilot::moveOn() {
  Form1& game = game_;
  Form3& next = next_;
  Form5& chooser = chooser_;
  Form2& menu = menu_;
  if (game.isOpen()) {
    if (pendingLevel_ == kFirstNormalLevel) {
      pendingLevel_ = -1;
      inGame_ = true;
      tally_ = {};
    }
    if (pendingLevel_ >= 0) {
      // Another first level: from the main menu, which the game screen's close box opens.
      recordAt("close " + game.name());
      app_.closeBox(game);
      app_.settle();
      return true;
    }
    fly(game);
    return false;
  }
  if (next.isOpen()) {
    if (!next.Label1->shown()) return false;
    press(next, *next.Label1);
    return true;
  }
  if (chooser.isOpen() && chooser.enabled && pendingLevel_ > 0) {
    const Element* level = chooser.XX[static_cast<std::size_t>(pendingLevel_ == kBossLevel ? 10 : pendingLevel_ - 1)];
    pendingLevel_ = -1;
    inGame_ = true;
    tally_ = {};
    press(chooser, *level);
    return true;
  }
  return menu.isOpen() && menu.enabled && atMenu();
}

bool Autopilot::atMenu() {
  Form2& menu = menu_;
  if (inGame_) {
    inGame_ = false;
    tally_.clicks += screenClicks_;
    screenClicks_ = 0;
    if (ended_) ended_(tally_);
  }
  const Element* entry = pendingLevel_ == 0 ? menu.Label2    // the match game
                         : pendingLevel_ > 0 ? menu.Label5    // choose a level
                         : startsNewGames_   ? menu.Label1    // a new game
                                             : nullptr;
  if (entry == nullptr) return false;
  if (pendingLevel_ <= 0) {
    pendingLevel_ = -1;
    inGame_ = true;
    tally_ = {};
  }
  press(menu, *entry);
  return true;
}

void Autopilot::press(Window& window, const Element& element) {
  const float x = element.screenLeft() + element.width / 2;
  const float y = element.screenTop() + element.height / 2;
  recordAt("click-at " + window.name() + " " + numberText(x) + " " + numberText(y));
  ++presses_;
  app_.clickAt(window, x, y);
  app_.settle();
}

void Autopilot::recordAt(const std::string& line) {
  if (!record_) return;
  const std::int64_t now = app_.scheduler().now();
  if (now > lastAction_) record_("wait " + std::to_string(now - lastAction_));
  lastAction_ = now;
  record_(line);
}

void Autopilot::fly(Form1& game) {
  const long pressesBefore = presses_;
  tallyLevel(game);
  if (game.Label4->text != "||") return;  // the player paused it
  followPlanes(game);
  land(game);
  if (!game.isOpen()) return;
  plan(game);
  turn(game);
  // The screen may close before the next look: keep the count of any clicks just made.
  if (game.isOpen() && presses_ != pressesBefore) screenClicks_ = numberIn(*game.CL);
}

void Autopilot::tallyLevel(Form1& game) {
  if (game.openSequence() != screenOpening_) {
    tally_.clicks += screenClicks_;
    screenOpening_ = game.openSequence();
    flying_.clear();
    wanted_.clear();
    newestSeen_ = -1;
    plannedFor_.reset();
  }
  screenClicks_ = numberIn(*game.CL);
  tally_.level = static_cast<int>(numberIn(*game.LV));
}

void Autopilot::followPlanes(Form1& game) {
  const int newest = std::min(toInt16(game.AA->text).value_or(0), static_cast<std::int16_t>(game.planes.size() - 1));
  for (int n = newestSeen_ + 1; n <= newest; ++n) flying_.push_back(n);
  newestSeen_ = std::max(newestSeen_, newest);
  dropLanded(game);
  if (wanted_.size() < game.planes.size()) wanted_.resize(game.planes.size(), -1);
}

void Autopilot::land(Form1& game) {
  for (const int n : flying_) {
    PlaneRecord& p = game.planes[static_cast<std::size_t>(n)];
    if (!p.Aereo->visible || !readyToLand(p)) continue;
    if (game.Selezionato->text != std::to_string(n)) press(game, *p.Aereo);
    // Land only what the info panel shows on its destination, as a player would.
    if (game.Plane->text != std::to_string(n) || game.PO->text != game.DT->text) continue;
    press(game, *game.Label1);
    if (!game.isOpen()) return;
    if (!p.Aereo->visible) ++tally_.landed;
  }
  dropLanded(game);
}

void Autopilot::dropLanded(const Form1& game) {
  std::erase_if(flying_, [&](int n) { return !game.planes[static_cast<std::size_t>(n)].Aereo->visible; });
}

void Autopilot::plan(Form1& game) {
  if (!game.Act.enabled()) return;  // nothing moves before the mission setup
  const PlanKey key{game.Act.due(), flying_.size(), newestSeen_};
  if (key == plannedFor_) return;
  plannedFor_ = key;

  const std::int64_t vel = std::max<std::int64_t>(1, toInt32(game.Vel->text).value_or(game.Act.interval()));
  auto stepTime = [&](int step) { return game.Act.due() + (step - 1) * vel; };
  Airspace airspace;
  for (int step = 1; step <= Airspace::kHorizon; ++step) airspace.close(step, kEntry);
  if (game.Nuovo.enabled()) {
    const std::int64_t every = std::max<std::int64_t>(1, toInt32(game.NuovoVel->text).value_or(game.Nuovo.interval()));
    for (std::int64_t arrival = game.Nuovo.due(); arrival < stepTime(Airspace::kHorizon); arrival += every) {
      int firstMove = 1;
      while (stepTime(firstMove) <= arrival) ++firstMove;
      // The new plane leaves by one of these at its first step; a plane landing where it
      // comes in must be gone before it arrives.
      for (board::Cell exit : kEntryExits) airspace.close(firstMove, exit);
      if (arrival - stepTime(firstMove - 1) < kLandingMs) airspace.closeForLanding(firstMove - 1, kEntry);
    }
  }
  // The plane just come in first: it has but two ways out.
  std::vector<int> order(flying_);
  std::stable_partition(order.begin(), order.end(), [&](int n) {
    const Element& sprite = *game.planes[static_cast<std::size_t>(n)].Aereo;
    const auto cell = board::cellAt(sprite.left, sprite.top);
    return cell && same(*cell, kEntry);
  });
  for (int n : order) {
    PlaneRecord& p = game.planes[static_cast<std::size_t>(n)];
    const auto cell = board::cellAt(p.Aereo->left, p.Aereo->top);
    const int current = headingIndex(p.AereoDir);
    wanted_[static_cast<std::size_t>(n)] = current;
    if (!cell || readyToLand(p)) continue;
    const Flight flight{*cell, destinationOf(p), static_cast<int>(toNumber(p.AereoNum.str()).value_or(0) / 10)};
    wanted_[static_cast<std::size_t>(n)] = planFlight(flight, current, airspace).value_or(current);
  }
}

void Autopilot::turn(Form1& game) {
  for (int n : flying_) {
    PlaneRecord& p = game.planes[static_cast<std::size_t>(n)];
    const int wanted = wanted_[static_cast<std::size_t>(n)];
    if (wanted < 0 || wanted == headingIndex(p.AereoDir) || !p.Aereo->visible) continue;
    if (game.Selezionato->text != std::to_string(n)) press(game, *p.Aereo);
    press(game, *game.DestAereo[static_cast<std::size_t>(wanted)]);
    if (!game.isOpen()) return;
  }
}

}  // namespace tw
