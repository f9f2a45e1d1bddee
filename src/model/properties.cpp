#include "model/properties.h"

#include <cmath>
#include <cstdint>

#include "model/application.h"
#include "model/field.h"

namespace tw {

namespace {

bool isNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool validName(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!isNameChar(c)) return false;
  }
  return true;
}

std::string boolText(bool b) { return b ? "true" : "false"; }

std::optional<bool> parseBool(const std::string& v) {
  const std::string l = toLower(v);
  if (l == "true" || l == "-1" || l == "1") return true;
  if (l == "false" || l == "0") return false;
  return std::nullopt;
}

Access fail(std::string error) { return Access{{}, std::move(error)}; }
Access ok(std::string value) { return Access{std::move(value), {}}; }

std::string defaultProperty(const Element& e) {
  switch (e.kind) {
    case ElementKind::TextBox: return "Text";
    case ElementKind::Picture: return "Picture";
    default: return "Caption";
  }
}

Access readElement(const Element& e, const std::string& property) {
  const std::string p = property.empty() ? defaultProperty(e) : property;
  if (p == "Caption" || p == "Text") return ok(escapeLine(e.text));
  if (p == "Left") return ok(numberText(e.left));
  if (p == "Top") return ok(numberText(e.top));
  if (p == "Width") return ok(numberText(e.width));
  if (p == "Height") return ok(numberText(e.height));
  if (p == "Visible") return ok(boolText(e.visible));
  if (p == "Enabled") return ok(boolText(e.enabled));
  if (p == "Picture") return ok(escapeLine(e.picture));
  if (p == "SelStart") return ok(std::to_string(e.selStart));
  if (p == "CaretWidth") return ok(std::to_string(e.caretWidth));
  if (p == "CaretHeight") return ok(std::to_string(e.caretHeight));
  return fail("no property " + p);
}

std::string writeElement(Application& app, Window& w, Element& e, const std::string& property,
                         const std::string& value) {
  const std::string p = property.empty() ? defaultProperty(e) : property;
  if (p == "Caption" || p == "Text") {
    w.setText(e, value);
    return {};
  }
  if (p == "Left" || p == "Top" || p == "Width" || p == "Height") {
    const auto n = toNumber(value);
    if (!n) return "not a number: " + value;
    if (std::abs(*n) > kMostTwips) return "beyond what a window can draw: " + value;
    float& target = p == "Left" ? e.left : p == "Top" ? e.top : p == "Width" ? e.width : e.height;
    target = static_cast<float>(*n);
    return {};
  }
  if (p == "Visible" || p == "Enabled") {
    const auto b = parseBool(value);
    if (!b) return "not true or false: " + value;
    (p == "Visible" ? e.visible : e.enabled) = *b;
    return {};
  }
  if (p == "Picture") {
    if (value.empty()) {
      e.picture = {};
      e.picturePath = {};
      return {};
    }
    if (!app.loadPicture(e, app.planeFile(value))) return "no picture " + value;
    return {};
  }
  if (p == "SelStart" || p == "CaretWidth" || p == "CaretHeight") {
    const auto n = toInt32(value);
    if (!n || *n < 0) return "not a whole number: " + value;
    if (p == "SelStart") {
      w.setSelStart(e, *n);
    } else {
      (p == "CaretWidth" ? e.caretWidth : e.caretHeight) = *n;
    }
    return {};
  }
  return "no property " + p;
}

Access readTimer(const Timer& t, const std::string& p) {
  if (p.empty() || p == "Enabled") return ok(boolText(t.enabled()));
  if (p == "Interval") return ok(std::to_string(t.interval()));
  return fail("no property " + p);
}

std::string writeTimer(Timer& t, const std::string& p, const std::string& value) {
  if (p.empty() || p == "Enabled") {
    const auto b = parseBool(value);
    if (!b) return "not true or false: " + value;
    if (*b) {
      t.start();
    } else {
      t.stop();
    }
    return {};
  }
  if (p == "Interval") {
    const auto n = toInt32(value);
    if (!n || *n < 0) return "not an interval: " + value;
    t.setInterval(*n);
    return {};
  }
  return "no property " + p;
}

Access readWindow(const Window& w, const std::string& p) {
  if (p == "Caption") return ok(escapeLine(w.caption));
  if (p == "Enabled") return ok(boolText(w.enabled));
  if (p == "Visible") return ok(boolText(w.isOpen()));
  if (p == "Width") return ok(numberText(w.outerWidth()));
  if (p == "Height") return ok(numberText(w.outerHeight()));
  return fail("no property " + p);
}

std::string writeWindow(Window& w, const std::string& p, const std::string& value) {
  if (p == "Caption") {
    w.caption = value;
    return {};
  }
  if (p == "Enabled") {
    const auto b = parseBool(value);
    if (!b) return "not true or false: " + value;
    w.enabled = *b;
    return {};
  }
  if (p == "Width" || p == "Height") {
    const auto n = toNumber(value);
    if (!n || *n < 0 || *n > kMostTwips) return "not a size: " + value;
    const float v = static_cast<float>(*n);
    w.setOuterSize(p == "Width" ? v : w.outerWidth(), p == "Height" ? v : w.outerHeight());
    return {};
  }
  return "no property " + p;
}

bool isWindowProperty(const std::string& name) {
  return name == "Caption" || name == "Enabled" || name == "Visible" || name == "Width" ||
         name == "Height";
}

}  // namespace

std::optional<NameRef> parseName(std::string_view text) {
  NameRef ref;
  const auto dot = text.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  ref.window = std::string(text.substr(0, dot));
  std::string_view rest = text.substr(dot + 1);
  std::size_t i = 0;
  while (i < rest.size() && isNameChar(rest[i])) ++i;
  ref.element = std::string(rest.substr(0, i));
  rest.remove_prefix(i);
  if (!rest.empty() && rest.front() == '(') {
    const auto close = rest.find(')');
    if (close == std::string_view::npos) return std::nullopt;
    const auto index = toInt32(rest.substr(1, close - 1));
    if (!index || *index < 0 || !allDigits(rest.substr(1, close - 1))) return std::nullopt;
    ref.index = *index;
    rest.remove_prefix(close + 1);
  }
  if (!rest.empty()) {
    if (rest.front() != '.') return std::nullopt;
    ref.property = std::string(rest.substr(1));
    if (!validName(ref.property)) return std::nullopt;
  }
  if (!validName(ref.window) || !validName(ref.element)) return std::nullopt;
  return ref;
}

// A closed window's elements and timers do not exist.
static std::string closedName(const NameRef& ref) {
  return "unknown name " + ref.window + "." + ref.element + ": " + ref.window + " is not open";
}

// The program's own state, named Program.Muted.
constexpr std::string_view kProgram = "Program";

Access readName(Application& app, const NameRef& ref) {
  if (ref.window == kProgram) {
    if (ref.element == "Muted" && ref.index < 0 && ref.property.empty()) return ok(boolText(app.muted()));
    return fail("unknown name " + ref.window + "." + ref.element);
  }
  Window* w = app.findWindow(ref.window);
  if (w == nullptr) return fail("unknown window " + ref.window);
  if (w->isOpen()) {
    if (const Element* e = w->find(ref.element, ref.index)) return readElement(*e, ref.property);
    if (const Interned* f = w->field(ref.element, ref.index)) {
      if (!ref.property.empty() && ref.property != "Caption" && ref.property != "Text") {
        return fail("no property " + ref.property);
      }
      return ok(escapeLine(*f));
    }
  }
  if (ref.index < 0) {
    if (const Timer* t = w->findTimer(ref.element); t != nullptr && w->isOpen()) return readTimer(*t, ref.property);
    const auto var = w->variables().find(ref.element);
    if (var != w->variables().end() && ref.property.empty()) return ok(std::to_string(*var->second));
    if (isWindowProperty(ref.element) && ref.property.empty()) return readWindow(*w, ref.element);
  }
  if (!w->isOpen()) return fail(closedName(ref));
  return fail("unknown name " + ref.window + "." + ref.element);
}

std::string writeName(Application& app, const NameRef& ref, const std::string& value) {
  if (ref.window == kProgram) {
    if (ref.element != "Muted" || ref.index >= 0 || !ref.property.empty()) return "unknown name " + ref.window + "." + ref.element;
    const auto b = parseBool(value);
    if (!b) return "not true or false: " + value;
    app.setMuted(*b);
    return {};
  }
  Window* w = app.findWindow(ref.window);
  if (w == nullptr) return "unknown window " + ref.window;
  if (w->isOpen()) {
    if (Element* e = w->find(ref.element, ref.index)) {
      std::string error = writeElement(app, *w, *e, ref.property, value);
      if (error.empty()) w->elementChanged(*e);
      return error;
    }
    if (Interned* f = w->field(ref.element, ref.index)) {
      if (!ref.property.empty() && ref.property != "Caption" && ref.property != "Text") {
        return "no property " + ref.property;
      }
      *f = value;
      w->fieldChanged(ref.element, ref.index);
      return {};
    }
  }
  if (ref.index < 0) {
    if (Timer* t = w->findTimer(ref.element); t != nullptr && w->isOpen()) return writeTimer(*t, ref.property, value);
    const auto var = w->variables().find(ref.element);
    if (var != w->variables().end() && ref.property.empty()) {
      const auto n = toInt16(value);
      if (!n || value.find('.') != std::string::npos) return "not a 16-bit whole number: " + value;
      *var->second = *n;
      return {};
    }
    if (isWindowProperty(ref.element) && ref.property.empty()) return writeWindow(*w, ref.element, value);
  }
  if (!w->isOpen()) return closedName(ref);
  return "unknown name " + ref.window + "." + ref.element;
}

}  // namespace tw
