#pragma once
// Runs a script of player actions and checks against the game, printing what happens.
#include <iosfwd>
#include <memory>
#include <string>

#include "model/properties.h"

namespace tw {

class Application;
class Autopilot;

// The line "print NAME" prints, without its line break, in `value`; or why there is none.
Access printName(Application& app, const std::string& name);

class ScriptRunner {
 public:
  ScriptRunner(Application& app, std::ostream& out, std::ostream& err);
  ~ScriptRunner();
  // Runs to the script's end or until the last window closes. Returns the exit status.
  int run(std::istream& script);

 private:
  // Returns an error text, or empty.
  std::string execute(const std::string& line);

  Application& app_;
  std::ostream& out_;
  std::ostream& err_;
  std::unique_ptr<Autopilot> autopilot_;
};

}  // namespace tw
