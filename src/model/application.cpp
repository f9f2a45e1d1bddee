#include "model/application.h"

#include <algorithm>

#include "model/field.h"
#include "model/hit_test.h"

namespace tw {

Application::Application(Host& host, AppOptions options)
    : host_(host), scheduler_(options.timerResolution), pictures_(host), muted_(options.muted) {}

Application::~Application() = default;

std::string Application::planeFile(std::string_view fileName) const {
  std::string path = host_.programFolder();
  path += "/Plane/";
  path += fileName;
  return path;
}

Window* Application::findWindow(std::string_view name) const {
  for (const auto& w : windows_) {
    if (w->name() == name) return w.get();
  }
  return nullptr;
}

void Application::open(Window& window) {
  if (window.isOpen()) {
    host_.raise(window);
    return;
  }
  emit("open: " + window.name());
  window.openNow(++openCounter_);
  window.startUp();
}

void Application::close(Window& window) {
  if (!window.isOpen()) return;
  window.closing();
  auto elements = window.closeNow();
  for (auto& e : elements) discarded_.push_back(std::move(e));
  emit("close: " + window.name());
}

std::vector<Window*> Application::openWindows() const {
  std::vector<Window*> open;
  for (const auto& w : windows_) {
    if (w->isOpen()) open.push_back(w.get());
  }
  std::sort(open.begin(), open.end(),
            [](const Window* a, const Window* b) { return a->openSequence() < b->openSequence(); });
  return open;
}

void Application::emit(const std::string& line) {
  if (sink_) sink_(line);
}

void Application::playSound(std::string_view cue, const std::string& path) {
  emit("sound: " + std::string(cue));
  if (!muted_) host_.playSound(cues_.cue(host_, path));
}

void Application::showMessage(const std::string& text) {
  emit("message: " + escapeLine(text));
  scheduler_.hold();
  host_.showMessage(text);
  scheduler_.release();
}

bool Application::loadPicture(Element& picture, const std::string& path) {
  if (!pictures_.shows(path)) return false;
  const auto slash = path.find_last_of('/');
  picture.picture = slash == std::string::npos ? path : path.substr(slash + 1);
  picture.picturePath = path;
  return true;
}

void Application::reseedFromTimeOfDay() {
  random_.seed(static_cast<std::uint64_t>(host_.timeOfDayMs(scheduler_.now())));
}

Window* Application::ownerOf(const Element& element) const {
  for (const auto& w : windows_) {
    if (!w->isOpen()) continue;
    if (w->find(element.name, element.index) == &element) return w.get();
  }
  return nullptr;
}

bool Application::acceptsInput(const Element& element) const {
  if (!element.shown()) return false;
  for (const Element* e = &element; e != nullptr; e = e->parent) {
    if (!e->enabled) return false;
  }
  return true;
}

void Application::click(Element& element) {
  Window* window = ownerOf(element);
  if (window == nullptr || !window->enabled || !acceptsInput(element)) return;
  if (element.kind == ElementKind::TextBox) window->setFocus(element);
  window->click(element);
}

void Application::clickAt(Window& window, float x, float y) {
  if (!window.isOpen()) return;
  if (Element* e = elementAt(window, x, y)) click(*e);
}

void Application::closeBox(Window& window) {
  if (!window.isOpen() || !window.enabled) return;
  close(window);
}

Window* Application::typingWindow(const Element& box) const {
  Window* window = ownerOf(box);
  if (window == nullptr || !window->enabled || !acceptsInput(box) || box.readOnly) return nullptr;
  return window;
}

void Application::type(Element& box, const std::string& keys) {
  Window* window = typingWindow(box);
  if (window == nullptr) return;
  const std::size_t at = byteOffset(box.text, box.selStart);
  const int after = box.selStart + characterCount(keys);
  window->setText(box, box.text.substr(0, at) + keys + box.text.substr(at));
  window->setSelStart(box, after);
}

bool Application::key(Window& window, Key key) {
  if (!window.isOpen()) return false;
  if (key == Key::character('Q', kCtrl)) {
    quit();
    return true;
  }
  if (key == Key::character('M')) {
    setMuted(!muted_);
    if (muteListener_) muteListener_(muted_);
    return true;
  }
  return window.enabled && window.keyPressed(key);
}

void Application::minimize(Window& window) {
  if (window.isOpen()) window.minimized();
}

void Application::quit() {
  quitting_ = true;
  const auto open = openWindows();
  for (auto it = open.rbegin(); it != open.rend(); ++it) close(**it);
  quitting_ = false;
}

void Application::setMuted(bool muted) {
  muted_ = muted;
  for (const auto& w : windows_) w->muteChanged(muted);
}

void Application::advanceTo(std::int64_t time) {
  if (quietHook_) quietHook_();
  while (Timer* t = scheduler_.next()) {
    if (t->due() > time) break;
    scheduler_.setNow(std::max(scheduler_.now(), t->due()));
    t->fire();
    afterTick();
  }
  scheduler_.setNow(std::max(scheduler_.now(), time));
}

void Application::runDue(std::int64_t now) {
  scheduler_.setNow(std::max(scheduler_.now(), now));
  // Each due timer ticks once, however late: a tick re-arms its timer from now.
  while (Timer* t = scheduler_.next()) {
    if (t->due() > scheduler_.now()) break;
    t->fire();
    afterTick();
  }
}

void Application::afterTick() {
  settle();
  if (!quietHook_) return;
  const Timer* next = scheduler_.next();
  if (next == nullptr || next->due() > scheduler_.now()) quietHook_();
}

void Application::settle() {
  discarded_.clear();
  host_.refresh();
}

}  // namespace tw
