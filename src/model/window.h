#pragma once
// A window of the game: its elements in stacking order, its timers and its own variables.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/element.h"
#include "model/key.h"
#include "model/timer.h"

namespace tw {

class Application;

class Window {
 public:
  Window(Application& app, std::string name);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  Application& app() const { return app_; }
  const std::string& name() const { return name_; }

  bool isOpen() const { return open_; }
  std::uint64_t openSequence() const { return openSequence_; }

  // Design: caption, client size and frame, in twips.
  std::string caption;
  float clientWidth = 0, clientHeight = 0;
  float frameWidth = 90, frameHeight = 480;  // outer size minus client size
  bool enabled = true;
  // The window this one stays in front of while both are open, such as the menu it disables.
  std::string keptInFrontOf;
  float outerWidth() const { return clientWidth + frameWidth; }
  float outerHeight() const { return clientHeight + frameHeight; }
  // As code or the player would resize the window; the window's resize handler runs.
  void setOuterSize(float width, float height);

  // Elements, valid while the window is open.
  Element& add(Element element);
  // A new element of an array, a copy of `source`, hidden, at the front of the stacking order.
  Element& addCopy(const Element& source, int index);
  Element* find(std::string_view name, int index = -1) const;
  const std::vector<std::unique_ptr<Element>>& elements() const { return elements_; }
  void bringToFront(Element& element);
  // Kept for paintOrder (hit_test.h) until an element comes, goes or is brought to front.
  struct PaintOrder {
    bool known = false;
    std::vector<Element*> elements;
    // Brought in front of all since: top-level elements that hold nothing, moved to the end
    // when the order is next asked for (the sweep lines come to the front at every tick).
    std::vector<Element*> toFront;
  };
  PaintOrder& paintOrderCache() const { return paintOrder_; }

  // The element with the keyboard focus; gaining it is an event of the element.
  Element* focus() const { return focus_; }
  void setFocus(Element& element) {
    if (focus_ == &element) return;
    focus_ = &element;
    focusGained(element);
  }

  // Text box content changes go through here, so the window hears of them and the
  // insertion point stays inside the text.
  void setText(Element& box, std::string text);
  // In characters, kept inside the text.
  void setSelStart(Element& box, int characters);
  // Adds to the end, as setText would with the whole text, without copying what is there.
  void appendText(Element& box, std::string_view more);

  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
  Timer* findTimer(std::string_view name) const;

  // Variables of the window object: they outlive closing and reopening.
  const std::map<std::string, std::int16_t*, std::less<>>& variables() const { return variables_; }

  // Texts kept outside drawn elements but still named, such as per-plane fields.
  virtual Interned* field(std::string_view /*name*/, int /*index*/) { return nullptr; }

  // The entry that Enter and Space press, drawn with a focus frame; null for none.
  Element* framed() const { return framed_; }

  // Events, dispatched by the application.
  virtual void click(Element&) {}
  // A key the player pressed; true when the window took it.
  virtual bool keyPressed(Key /*key*/) { return false; }
  virtual void minimized() {}
  virtual void muteChanged(bool /*muted*/) {}
  // Something other than the window's own handlers wrote an element or a field: a script.
  virtual void elementChanged(Element&) {}
  virtual void fieldChanged(std::string_view /*name*/, int /*index*/) {}
  virtual void focusGained(Element&) {}
  virtual void textChanged(Element&) {}
  virtual void resized() {}

 protected:
  Timer& addTimer(std::string name, std::int32_t designInterval, bool enabledAtOpen,
                  std::function<void()> tick);
  void addVariable(std::string name, std::int16_t& variable) { variables_[std::move(name)] = &variable; }

  // Up, Down, Tab and Shift+Tab move the frame over `entries` (their shown ones, wrapping);
  // Return, Enter and Space press the framed entry. True when the key was one of these.
  bool chooseByKeys(Key key, const std::vector<Element*>& entries);
  void frame(Element* entry) { framed_ = entry; }

  virtual void build() = 0;  // lays out the design elements
  // The window has closed and its elements are going: drop every pointer to them.
  virtual void forgetElements() {}
  virtual void startUp() {}
  virtual void closing() {}

 private:
  friend class Application;
  void openNow(std::uint64_t sequence);
  // Stops the timers and hands the elements over to be discarded.
  std::vector<std::unique_ptr<Element>> closeNow();
  // The element now stands in front of every other: a new plane at every spawn.
  void nowInFront(Element& element);

  Application& app_;
  std::string name_;
  bool open_ = false;
  std::uint64_t openSequence_ = 0;
  std::uint64_t stackCounter_ = 0;
  Element* focus_ = nullptr;
  Element* framed_ = nullptr;
  std::vector<std::unique_ptr<Element>> elements_;
  mutable PaintOrder paintOrder_;
  std::map<std::string, std::vector<Element*>, std::less<>> byName_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::map<std::string, std::int16_t*, std::less<>> variables_;
};

}  // namespace tw
