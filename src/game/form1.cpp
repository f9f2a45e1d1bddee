#include "game/form1.h"

#include <algorithm>

#include "menus/form2.h"
#include "model/application.h"
#include "model/field.h"
#include "presentation/suona.h"

namespace tw {

namespace {
constexpr float kOuterWidth = 12000;
constexpr float kOuterHeight = 9300;
}  // namespace

Form1::Form1(Application& app)
    : Window(app, std::string(kName)),
      Tempo(addTimer("Tempo", 1000, true, [this] { clockTick(); })),
      Controlla(addTimer("Controlla", 1, true, [this] { completionCheck(); })),
      Posizione(addTimer("Posizione", 1, true, [this] { positionTick(); })),
      Start(addTimer("Start", 10, false, [this] { missionSetup(); })),
      Conflitto(addTimer("Conflitto", 1, false, [this] { collisionTick(); })),
      Linea5(addTimer("Linea5", 1, false, [this] { sweepTick(); })),
      Stelle(addTimer("Stelle", 60000, false, [this] { starfieldTick(); })),
      Altezza(addTimer("Altezza", 1, false, [this] { headingTick(); })),
      Desti(addTimer("Desti", 1, false, [this] { destinationTick(); })),
      Act(addTimer("Act", 1000, false, [this] { movementTick(); })),
      Nuovo(addTimer("Nuovo", 5000, false, [this] { spawnTick(); })),
      Nascondi(addTimer("Nascondi", 5000, false, [this] { hideTick(); })),
      Carica(addTimer("Carica", 100, false, [this] { loadTick(); })) {
  caption = captionFor(app.muted());
  clientWidth = kOuterWidth - 120;
  clientHeight = kOuterHeight - 510;
  frameWidth = 120;
  frameHeight = 510;
  addVariable("Caricato", Caricato);
  addVariable("LarghezzaCursore", LarghezzaCursore);
  addVariable("VersoLin5", VersoLin5);
  addVariable("VersoLn6", VersoLn6);
}

Interned* Form1::field(std::string_view name, int index) {
  if (index < 0 || index >= static_cast<int>(planes.size())) return nullptr;
  PlaneRecord& p = planes[static_cast<std::size_t>(index)];
  if (name == "Posi") return &p.Posi;
  if (name == "Alt") return &p.Alt;
  if (name == "AereoDir") return &p.AereoDir;
  if (name == "Dir") return &p.Dir;
  if (name == "AereoDest1") return &p.AereoDest1;
  if (name == "AereoDest2") return &p.AereoDest2;
  if (name == "Dest") return &p.Dest;
  if (name == "AereoNum") return &p.AereoNum;
  return nullptr;
}

PlaneRecord* Form1::plane(std::int16_t number) {
  if (number < 0 || number >= static_cast<int>(planes.size())) return nullptr;
  return &planes[static_cast<std::size_t>(number)];
}

PlaneRecord* Form1::plane(const Element& numberField) {
  const auto number = toInt16(numberField.text);
  return number ? plane(*number) : nullptr;
}

void Form1::click(Element& element) {
  const auto heading = std::find(DestAereo.begin(), DestAereo.end(), &element);
  const PlaneRecord* sprite = plane(static_cast<std::int16_t>(element.index));
  if (sprite != nullptr && sprite->Aereo == &element) {
    selectPlane(static_cast<std::int16_t>(element.index));
  } else if (heading != DestAereo.end()) {
    headingCommand(static_cast<std::int16_t>(heading - DestAereo.begin()));
  } else if (&element == Label1) {
    land();
  } else if (&element == Label2) {
    save();
  } else if (&element == Label3) {
    requestLoad();
  } else if (&element == Label4) {
    pauseClick();
  } else if (&element == Text1) {
    refreshCaret();
  }
}

void Form1::focusGained(Element& element) {
  if (&element == Text1) refreshCaret();
}

void Form1::textChanged(Element& element) {
  if (&element != Text1) return;
  logCharacters_ = -1;
  refreshCaret();
}

void Form1::startUp() {
  Start.start();
  selectPlane(0);
  Suona(app(), "1");
  setFocus(*Text1);
  Linea5.start();
  if (Caricato == 1) {
    Caricato = 0;
  } else if (Salvati->text.empty()) {
    Salvati->text = "5";
  }
}

void Form1::closing() {
  // Ctrl+Q ends the program: no menu comes back.
  if (!app().quitting()) app().open(app().form<Form2>());
}

void Form1::forgetElements() {
  for (Element** e : {&LV, &Salvati, &CL, &TM, &AA, &Selezionato, &Plane, &PO, &DI, &DT, &AT, &Vel, &NuovoVel,
                      &NascVel, &Picture1, &Picture100, &Text1, &Lin5, &Ln6, &Label1, &Label2, &Label3, &Label4}) {
    *e = nullptr;
  }
  DestAereo.fill(nullptr);
  Stars.clear();
  planes.clear();
  logCharacters_ = -1;
}

void Form1::resized() {
  // The size lock: the player cannot resize the game screen.
  if (outerWidth() != kOuterWidth || outerHeight() != kOuterHeight) setOuterSize(kOuterWidth, kOuterHeight);
}

void Form1::clockTick() {
  if (const auto seconds = toNumber(TM->text)) TM->text = numberText(*seconds + 1);
}

void Form1::pauseClick() {
  Timer* const paused[] = {&Linea5, &Stelle, &Posizione, &Act, &Controlla, &Nuovo, &Tempo, &Conflitto};
  if (Label4->text == "||") {
    for (Timer* t : paused) t->stop();
    Label4->text = ">";
  } else if (Label4->text == ">") {
    for (Timer* t : paused) t->start();
    Label4->text = "||";
  }
}

void Form1::FermaTutto() {
  for (Timer* t : {&Linea5, &Stelle, &Posizione, &Act, &Controlla, &Nuovo, &Tempo}) t->stop();
}

void Form1::leaveToMenu() {
  app().open(app().form<Form2>());
  app().close(*this);
}

}  // namespace tw
