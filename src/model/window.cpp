#include "model/window.h"

#include <algorithm>

#include "model/application.h"
#include "model/field.h"

namespace tw {

Window::Window(Application& app, std::string name) : app_(app), name_(std::move(name)) {}

Window::~Window() = default;

void Window::setOuterSize(float width, float height) {
  clientWidth = width - frameWidth;
  clientHeight = height - frameHeight;
  resized();
}

Element& Window::add(Element element) {
  auto owned = std::make_unique<Element>(std::move(element));
  Element& e = *owned;
  e.stackOrder = ++stackCounter_;
  auto& slots = byName_[e.name];
  const std::size_t slot = e.index < 0 ? 0 : static_cast<std::size_t>(e.index);
  if (slots.size() <= slot) slots.resize(slot + 1, nullptr);
  slots[slot] = &e;
  elements_.push_back(std::move(owned));
  nowInFront(e);
  return e;
}

void Window::bringToFront(Element& element) {
  element.stackOrder = ++stackCounter_;
  nowInFront(element);
}

void Window::nowInFront(Element& element) {
  if (!paintOrder_.known) return;
  if (element.parent != nullptr || element.kind == ElementKind::Container) {
    paintOrder_.known = false;
    return;
  }
  std::vector<Element*>& toFront = paintOrder_.toFront;
  if (std::find(toFront.begin(), toFront.end(), &element) == toFront.end()) toFront.push_back(&element);
}

Element& Window::addCopy(const Element& source, int index) {
  Element copy = source;
  copy.index = index;
  copy.visible = false;
  return add(std::move(copy));
}

Element* Window::find(std::string_view name, int index) const {
  const auto it = byName_.find(name);
  if (it == byName_.end()) return nullptr;
  const int slot = index < 0 ? 0 : index;
  if (slot >= static_cast<int>(it->second.size())) return nullptr;
  Element* e = it->second[static_cast<std::size_t>(slot)];
  if (e == nullptr || e->index != index) return nullptr;
  return e;
}

void Window::setText(Element& box, std::string text) {
  if (box.text == text) return;
  box.text = std::move(text);
  setSelStart(box, box.selStart);
  textChanged(box);
}

void Window::appendText(Element& box, std::string_view more) {
  if (more.empty()) return;
  box.text += more;
  textChanged(box);
}

void Window::setSelStart(Element& box, int characters) {
  box.selStart = std::clamp(characters, 0, characterCount(box.text));
}

Timer* Window::findTimer(std::string_view name) const {
  for (const auto& t : timers_) {
    if (t->name() == name) return t.get();
  }
  return nullptr;
}

Timer& Window::addTimer(std::string name, std::int32_t designInterval, bool enabledAtOpen,
                        std::function<void()> tick) {
  const int order = static_cast<int>(timers_.size());
  timers_.push_back(std::make_unique<Timer>(app_.scheduler(), *this, std::move(name), designInterval,
                                            enabledAtOpen, order, std::move(tick)));
  return *timers_.back();
}

bool Window::chooseByKeys(Key key, const std::vector<Element*>& entries) {
  const bool forward = key == Key(KeyCode::Down) || key == Key(KeyCode::Tab);
  const bool backward = key == Key(KeyCode::Up) || key == Key(KeyCode::Tab, kShift);
  if (key == Key(KeyCode::Return) || key == Key(KeyCode::Enter) || key == Key(KeyCode::Space)) {
    if (framed_ != nullptr) app_.click(*framed_);
    return true;
  }
  if (!forward && !backward) return false;
  std::vector<Element*> shown;
  for (Element* e : entries) {
    if (e->shown()) shown.push_back(e);
  }
  if (shown.empty()) return true;
  const auto at = std::find(shown.begin(), shown.end(), framed_);
  if (at == shown.end()) {
    framed_ = forward ? shown.front() : shown.back();
  } else {
    const auto i = static_cast<std::size_t>(at - shown.begin());
    framed_ = shown[(i + (forward ? 1 : shown.size() - 1)) % shown.size()];
  }
  return true;
}

void Window::openNow(std::uint64_t sequence) {
  open_ = true;
  // A window always opens enabled, whatever it was when it last closed.
  enabled = true;
  openSequence_ = sequence;
  stackCounter_ = 0;
  focus_ = nullptr;
  framed_ = nullptr;
  build();
  for (auto& t : timers_) t->reset();
}

std::vector<std::unique_ptr<Element>> Window::closeNow() {
  for (auto& t : timers_) t->stop();
  open_ = false;
  focus_ = nullptr;
  framed_ = nullptr;
  byName_.clear();
  forgetElements();
  auto discarded = std::move(elements_);
  elements_.clear();
  paintOrder_ = {};
  return discarded;
}

}  // namespace tw
