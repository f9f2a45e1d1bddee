#pragma once
// Form2, the main menu: every game ends here and every new one starts here.
#include <string_view>

#include "model/window.h"

namespace tw {

class Form2 : public Window {
 public:
  static constexpr std::string_view kName = "Form2";
  explicit Form2(Application& app);

  // The entries, valid while the menu is open.
  Element* Label1 = nullptr;  // New game (Normal Game)
  Element* Label2 = nullptr;  // Match game (Land 1000 Planes)
  Element* Label3 = nullptr;  // Load game
  Element* Label4 = nullptr;  // Info and Help
  Element* Label5 = nullptr;  // Choose a level

  void click(Element& element) override;
  bool keyPressed(Key key) override;

 private:
  void build() override;
  void startUp() override;
  void forgetElements() override;
  void loadGame();  // Label3
};

// Starts a game at `level` through the next-level window, its animation running at once,
// and closes the window whose entry was clicked.
void startGameAt(Application& app, Window& clicked, std::string_view level);
// The help window and the level chooser disable the menu while they are open; a menu
// that is not open is left alone.
void setMenuEnabled(Application& app, bool enabled);

}  // namespace tw
