#pragma once
// Form1, the game screen: the board, the command panel, the read-outs, the message log,
// every field of a running game and its thirteen timers.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/window.h"

namespace tw {

// One plane: its sprite Aereo(n) and the hidden texts that go with it.
struct PlaneRecord {
  Element* Aereo = nullptr;
  Interned Posi;
  Interned Alt;
  Interned AereoDir;
  Interned Dir;
  Interned AereoDest1;
  Interned AereoDest2;
  Interned Dest;
  Interned AereoNum;
};

class Form1 : public Window {
 public:
  static constexpr std::string_view kName = "Form1";
  explicit Form1(Application& app);

  // Variables of the window object: they keep their values from one opening to the next.
  std::int16_t Caricato = 0;
  std::int16_t LarghezzaCursore = 0;
  std::int16_t VersoLin5 = 0;
  std::int16_t VersoLn6 = 0;

  // Elements, valid while the screen is open.
  Element* LV = nullptr;
  Element* Salvati = nullptr;
  Element* CL = nullptr;
  Element* TM = nullptr;
  Element* AA = nullptr;
  Element* Selezionato = nullptr;
  Element* Plane = nullptr;
  Element* PO = nullptr;
  Element* DI = nullptr;
  Element* DT = nullptr;
  Element* AT = nullptr;
  Element* Vel = nullptr;
  Element* NuovoVel = nullptr;
  Element* NascVel = nullptr;
  Element* Picture1 = nullptr;
  Element* Picture100 = nullptr;
  Element* Text1 = nullptr;
  Element* Lin5 = nullptr;
  Element* Ln6 = nullptr;
  Element* Label1 = nullptr;  // Land
  Element* Label2 = nullptr;  // Save
  Element* Label3 = nullptr;  // Load
  Element* Label4 = nullptr;  // pause
  std::array<Element*, 4> DestAereo{};
  std::vector<Element*> Stars;
  std::vector<PlaneRecord> planes;  // planes[n] is plane n; 0 to AA exist

  Timer& Tempo;
  Timer& Controlla;
  Timer& Posizione;
  Timer& Start;
  Timer& Conflitto;
  Timer& Linea5;
  Timer& Stelle;
  Timer& Altezza;
  Timer& Desti;
  Timer& Act;
  Timer& Nuovo;
  Timer& Nascondi;
  Timer& Carica;

  Interned* field(std::string_view name, int index) override;
  void click(Element& element) override;
  void focusGained(Element& element) override;
  void textChanged(Element& element) override;
  void resized() override;
  bool keyPressed(Key key) override;
  void minimized() override;
  void muteChanged(bool muted) override;
  void elementChanged(Element& element) override;
  void fieldChanged(std::string_view name, int index) override;

  // Routines of the screen.
  void FermaTutto();
  void AggiornaSelezionato();
  void selectPlane(std::int16_t index);
  // A game over: the main menu opens and the screen closes.
  void leaveToMenu();
  // The plane a number names, or null.
  PlaneRecord* plane(std::int16_t number);
  PlaneRecord* plane(const Element& numberField);
  // The next plane number's elements, copies of plane 0's as they stand now; the sprite hidden.
  PlaneRecord& createPlane();

  // Message log.
  void appendMessage(const std::string& message);
  int logCharacters();  // the log's length in characters
  void moveLogToEnd();
  void clearLog();
  void refreshCaret();

  // Star field.
  void layOutStars();

 private:
  void build() override;
  void startUp() override;
  void closing() override;
  void forgetElements() override;

  // Timer ticks.
  void clockTick();           // Tempo
  void completionCheck();     // Controlla
  void positionTick();        // Posizione
  void missionSetup();        // Start
  void collisionTick();       // Conflitto
  void sweepTick();           // Linea5
  void starfieldTick();       // Stelle
  void headingTick();         // Altezza
  void destinationTick();     // Desti
  void movementTick();        // Act
  void spawnTick();           // Nuovo
  void hideTick();            // Nascondi
  void loadTick();            // Carica

  // The bookkeeping that lets the ticks look at what changed rather than at every plane
  // ever spawned. A plane moved (or its position written) since the last position tick:
  void moved(std::int16_t n) {
    toTrack_.push_back(n);
    boardChanged_ = true;
  }
  // A plane shown on the board; hidden ones drop out of the list at the next look.
  void shown(std::int16_t n);
  // The shown planes, in ascending number.
  const std::vector<std::int16_t>& flyingPlanes();
  int logCharacters_ = -1;  // -1: not counted since the log last changed
  std::vector<std::int16_t> toTrack_;
  // A plane moved, or came on the board (which moves it), since the collision tick last looked.
  bool boardChanged_ = true;
  std::vector<std::int16_t> flying_;
  std::vector<bool> listedFlying_;

  // A destination drawn at random, column then row; written into the plane when there is one.
  void drawDestination(PlaneRecord* p);
  // Cue "3", the crash message, then the main menu: two planes on one cell or one off the board.
  void crashGameOver();
  // The level is done: on to the next-level window.
  void changeLevel();

  // The caption, which tells a muted game.
  static std::string captionFor(bool muted);
  // Tab and Shift+Tab: a click on the next or previous shown plane after the selected one.
  void clickNeighbourPlane(int step);

  // Clicks.
  void pauseClick();                      // Label4
  void headingCommand(std::int16_t index);  // DestAereo
  void land();                            // Label1
  void save();                            // Label2
  void requestLoad();                     // Label3
};

}  // namespace tw
