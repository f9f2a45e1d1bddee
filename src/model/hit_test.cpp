#include "model/hit_test.h"

#include <algorithm>
#include <map>

#include "model/window.h"

namespace tw {

namespace {

bool takesClicks(const Element& e) {
  switch (e.kind) {
    case ElementKind::Label:
    case ElementKind::Picture:
    case ElementKind::Container:
    case ElementKind::TextBox: break;
    case ElementKind::Shape:
    case ElementKind::Line: return false;
  }
  if (e.decoration || !e.shown()) return false;
  for (const Element* p = &e; p != nullptr; p = p->parent) {
    if (!p->enabled) return false;
  }
  return true;
}

bool inside(const Element& e, float x, float y) {
  const float left = e.screenLeft();
  const float top = e.screenTop();
  return x >= left && x < left + e.width && y >= top && y < top + e.height;
}

// Inside the element and inside every container above it, which clips it.
bool reaches(const Element& e, float x, float y) {
  for (const Element* p = &e; p != nullptr; p = p->parent) {
    if (!inside(*p, x, y)) return false;
  }
  return true;
}

bool drawnBefore(const Element* a, const Element* b) { return a->stackOrder < b->stackOrder; }

// Each element brought to the front since the order was made goes to its end, in stacking
// order: they hold nothing and stand on the window itself, so nothing else moves.
void moveToFront(Window::PaintOrder& cache) {
  std::vector<Element*>& moved = cache.toFront;
  const auto wasMoved = [&moved](const Element* e) { return std::find(moved.begin(), moved.end(), e) != moved.end(); };
  std::erase_if(cache.elements, wasMoved);
  std::sort(moved.begin(), moved.end(), drawnBefore);
  cache.elements.insert(cache.elements.end(), moved.begin(), moved.end());
  moved.clear();
}

}  // namespace

const std::vector<Element*>& paintOrder(const Window& window) {
  Window::PaintOrder& cache = window.paintOrderCache();
  if (cache.known) {
    if (!cache.toFront.empty()) moveToFront(cache);
    return cache.elements;
  }
  cache.toFront.clear();
  std::map<const Element*, std::vector<Element*>> children;
  for (const auto& e : window.elements()) children[e->parent].push_back(e.get());
  for (auto& [parent, list] : children) {
    std::sort(list.begin(), list.end(), drawnBefore);
  }
  std::vector<Element*>& order = cache.elements;
  order.clear();
  auto visit = [&](auto& self, const Element* parent) -> void {
    const auto it = children.find(parent);
    if (it == children.end()) return;
    for (Element* e : it->second) {
      order.push_back(e);
      if (e->kind == ElementKind::Container) self(self, e);
    }
  };
  visit(visit, nullptr);
  cache.known = true;
  return order;
}

Element* elementAt(const Window& window, float x, float y) {
  const auto& order = paintOrder(window);
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (takesClicks(**it) && reaches(**it, x, y)) return *it;
  }
  return nullptr;
}

}  // namespace tw
