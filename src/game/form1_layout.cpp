// The game screen as it stands when it opens: every element at its place.
#include "game/board.h"
#include "game/form1.h"
#include "presentation/window_elements.h"

namespace tw {

namespace {

constexpr Rgb kOrange = 0xFF8000;  // the legends and the frame lines
constexpr Rgb kValue = 0xFFFF80;
constexpr float kPoints = 12.0f;

// A value the game writes, in Arial Black.
Element value(std::string name, std::string text, Box box) {
  return textLabel(std::move(name), std::move(text), box, kPoints, kValue);
}

// LET(index): its index is set before it is added, so scripts find it by it.
Element legend(int index, std::string text, Box box, Align align = Align::Left) {
  return indexed(textLabel("LET", std::move(text), box, kPoints, kOrange, align), index);
}

// A column letter or row number along the board's edge.
Element boardEdge(std::string name, std::string text, Box box, Rgb back) {
  Element e = textLabel(std::move(name), std::move(text), box, 18.0f, 0x800000, Align::Center);
  e.backColor = back;
  e.opaque = true;
  return e;
}

Element hidden(Element e) {
  e.visible = false;
  return e;
}

Element sweepLine(std::string name, Box box) {
  Element e = plainLabel(std::move(name), "", box);
  e.kind = ElementKind::Shape;
  e.backColor = 0x008000;
  e.opaque = true;
  e.decoration = true;
  return e;
}

Element picture(std::string name, int index, std::string design, float left, float top) {
  Element e = indexed(plainLabel(std::move(name), "", {left, top, 600, 600}), index);
  e.kind = ElementKind::Picture;
  e.designPicture = std::move(design);
  e.handPointer = true;
  return e;
}

Element textBox(std::string name, std::string text, Box box) {
  Element e = plainLabel(std::move(name), std::move(text), box);
  e.kind = ElementKind::TextBox;
  e.font = Font{"MS Sans Serif", 8.25f, 400};
  e.readOnly = false;
  return e;
}

}  // namespace

void Form1::build() {
  for (int k = 0; k < board::kCells; ++k) {
    add(indexed(boardEdge("Letter", std::string(1, board::columnLetter(k + 1)), {board::columnLeft(k + 1), 120, 600, 600},
                          0xFFC0C0), k));
    add(indexed(boardEdge("Numbers", std::to_string(k + 1), {120, board::rowTop(k + 1), 600, 600}, 0xFFE0C0), k));
  }

  Element star = indexed(textLabel("Stars", "*", {3360, 1440, 135, 255}, 14.25f, 0x808080), 0);
  star.decoration = true;  // the copies too: a star never hides a plane from a click
  Stars = {&add(star)};

  planes.clear();
  Element sprite = picture("Aereo", 0, "south", board::kOrigin, board::kOrigin);
  sprite.tooltip = "Select this plane (Tab: the next one)";  // the copies too
  planes.push_back(PlaneRecord{&add(sprite), "A - 1", "", "1000", "", "2", "1", "", "250"});
  toTrack_ = {0};
  flying_.clear();
  listedFlying_.clear();
  shown(0);

  Lin5 = &add(sweepLine("Lin5", {6120, 720, 15, 5535}));
  Ln6 = &add(sweepLine("Ln6", {720, 720, 5535, 15}));

  add(lineElement("Line1", 6240, 0, 6240, 6240, kOrange));
  add(lineElement("Line2", 11760, 6240, 120, 6240, kOrange));
  add(lineElement("Line3", 6360, 2520, 11760, 2520, kOrange));
  add(lineElement("Line4", 6240, 5760, 11760, 5760, kOrange));

  add(legend(8, "Land:", {6360, 5400, 855, 375}));
  Salvati = &add(value("Salvati", "", {7200, 5400, 855, 375}));
  Label4 = &add(buttonLabel("Label4", "||", {8280, 5280, 1095, 375}, kPoints, "Pause (P or Space)"));
  Label3 = &add(buttonLabel("Label3", "Load", {9480, 5280, 1095, 375}, kPoints, "Load the saved game (Ctrl+O)"));
  Label2 = &add(buttonLabel("Label2", "Save", {10680, 5280, 1095, 375}, kPoints, "Save the game (Ctrl+S)"));
  add(legend(5, "Level:", {6360, 5880, 855, 375}));
  LV = &add(value("LV", "1", {7200, 5880, 495, 375}));
  add(legend(6, "Clicks:", {7680, 5880, 855, 375}));
  CL = &add(value("CL", "0", {8640, 5880, 975, 375}));
  add(legend(7, "Time:", {9720, 5880, 855, 375}));
  TM = &add(value("TM", "0", {10500, 5880, 1335, 375}));

  Selezionato = &add(hidden(plainLabel("Selezionato", "0", {6480, 3960, 975, 255})));
  AA = &add(hidden(plainLabel("AA", "0", {6480, 3720, 975, 255})));
  Vel = &add(hidden(textBox("Vel", "5000", {9360, 4320, 615, 285})));
  NuovoVel = &add(hidden(textBox("NuovoVel", "20000", {10560, 4320, 615, 285})));
  NascVel = &add(hidden(textBox("NascVel", "30000", {9360, 4680, 615, 285})));
  Element holder = plainLabel("Picture100", "", {360, 240, 135, 135});
  holder.kind = ElementKind::Picture;
  Picture100 = &add(hidden(holder));

  // The command panel; its children stand relative to it and are clipped by it.
  Element panel = plainLabel("Picture1", "", {6360, 120, 5415, 2295});
  panel.kind = ElementKind::Container;
  panel.backColor = 0x000000;
  panel.opaque = true;
  Picture1 = &add(hidden(panel));
  auto inPanel = [this](Element e) -> Element& {
    e.parent = Picture1;
    return add(std::move(e));
  };
  inPanel(legend(0, "Plane:", {0, 0, 855, 375}));
  Plane = &inPanel(value("Plane", "", {960, 0, 615, 375}));
  inPanel(legend(3, "Directions:", {2280, 0, 1695, 375}, Align::Right));
  DI = &inPanel(value("DI", "", {4080, 0, 855, 375}));
  inPanel(legend(1, "Fuel:", {0, 480, 735, 375}));
  AT = &inPanel(value("AT", "", {720, 480, 975, 375}));
  inPanel(legend(4, "Position:", {2760, 480, 1215, 375}, Align::Right));
  PO = &inPanel(value("PO", "A - 1", {4080, 480, 855, 375}));
  inPanel(legend(2, "Destination:", {0, 960, 1575, 375}));
  DT = &inPanel(value("DT", "", {1680, 960, 975, 375}));
  const char* designs[] = {"north", "south", "east", "west"};
  const char* tooltips[] = {"North (Up)", "South (Down)", "East, to the left (Left)", "West, to the right (Right)"};
  const float lefts[] = {120, 840, 1560, 2280};
  for (int k = 0; k < 4; ++k) {
    Element& heading = inPanel(picture("DestAereo", k, designs[k], lefts[k], k == 0 ? 1440 : 1560));
    heading.tooltip = tooltips[k];
    DestAereo[static_cast<std::size_t>(k)] = &heading;
  }
  Label1 = &inPanel(buttonLabel("Label1", "Land", {3000, 1680, 2175, 375}, kPoints, "Land the plane (Enter or L)"));

  Element log = plainLabel("Text1", "", {120, 6360, 11655, 2295});
  log.kind = ElementKind::TextBox;
  log.backColor = 0x000000;
  log.opaque = true;
  log.foreColor = 0x00C000;
  log.font = Font{"Courier New", 14.25f, 700};
  log.multiLine = true;
  Text1 = &add(log);
}

}  // namespace tw
