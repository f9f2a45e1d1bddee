#pragma once
// The autopilot: plays the game as a player would, only by clicking where a player would
// click, at quiet moments (every handler due at that moment has run). It reads the game's
// state to decide, and never writes it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tw {

class Application;
class Form1;
class Form2;
class Form3;
class Form5;
class Window;
struct Element;

// What one game came to, from its first level to the main menu.
struct GameTally {
  int level = 0;     // the level of the last game screen played
  long landed = 0;   // planes landed in all its levels
  long clicks = 0;   // the sum of its levels' clicks
};

class Autopilot {
 public:
  // Plays from `firstLevel` (0 to 11): the game screen the program opened plays level 1, so
  // any other level is chosen from the main menu first.
  Autopilot(Application& app, int firstLevel);

  // Called at a quiet moment: makes whatever clicks the game needs now.
  void act();

  // Told when a game has ended at the main menu.
  void onGameEnd(std::function<void(const GameTally&)> ended) { ended_ = std::move(ended); }
  // At the main menu, whether to start "New game (Normal Game)" again.
  void setStartsNewGames(bool starts) { startsNewGames_ = starts; }
  // Every action as a script line ("wait MS", "click-at WINDOW X Y", "close WINDOW").
  void onAction(std::function<void(const std::string&)> record) { record_ = std::move(record); }

 private:
  // A click at the centre of the element, as the mouse makes it.
  void press(Window& window, const Element& element);
  void recordAt(const std::string& line);
  // One step on the way to a game screen; true when it clicked.
  bool moveOn();
  bool atMenu();
  void fly(Form1& game);
  void land(Form1& game);
  void plan(Form1& game);
  void turn(Form1& game);
  void followPlanes(Form1& game);
  // Planes landed or gone off the board leave the list.
  void dropLanded(const Form1& game);
  void tallyLevel(Form1& game);

  Application& app_;
  Form1& game_;
  Form2& menu_;
  Form3& next_;
  Form5& chooser_;
  int pendingLevel_;  // the first game's level, until it has started; -1 after
  bool inGame_ = false;
  bool startsNewGames_ = true;
  GameTally tally_;
  std::uint64_t screenOpening_ = 0;  // the game screen's opening being tallied
  long screenClicks_ = 0;
  long presses_ = 0;  // clicks made so far
  std::vector<int> flying_;  // numbers of the planes on the board, oldest first
  int newestSeen_ = -1;
  std::vector<int> wanted_;  // heading per plane number, -1 for none
  // What the last plan was made for: the next step's moment, the planes flying, the newest.
  struct PlanKey {
    std::int64_t step;
    std::size_t flying;
    int newest;
    bool operator==(const PlanKey&) const = default;
  };
  std::optional<PlanKey> plannedFor_;
  std::int64_t lastAction_ = 0;
  std::function<void(const GameTally&)> ended_;
  std::function<void(const std::string&)> record_;
};

}  // namespace tw
