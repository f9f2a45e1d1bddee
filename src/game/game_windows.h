#pragma once

namespace tw {

class Application;

// Creates the five windows of the game, Form1 to Form5.
void addGameWindows(Application& app);
// The program starts with the game screen playing level 1.
void startGame(Application& app);

}  // namespace tw
