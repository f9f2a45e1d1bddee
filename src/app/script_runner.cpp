#include "app/script_runner.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>

#include "autopilot/autopilot.h"
#include "midend/midend.h"
#include "model/application.h"
#include "model/field.h"
#include "model/properties.h"

namespace tw {

namespace {

// The next word of `rest`, which keeps what follows the single space after it.
std::string nextWord(std::string& rest) {
  const auto start = rest.find_first_not_of(' ');
  if (start == std::string::npos) {
    rest.clear();
    return {};
  }
  const auto end = rest.find(' ', start);
  std::string word = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
  rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
  return word;
}

enum class LineRead { Line, End, TooLong, Failed };

constexpr std::size_t kLongestLine = 64 * 1024;

// One line without its end (LF or CR LF), read no further than the longest line allowed:
// a stream with no line end must not fill the memory. A read error is no end of the script.
LineRead readLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf& buffer = *in.rdbuf();
  for (;;) {
    errno = 0;
    int c = 0;
    try {
      c = buffer.sbumpc();
    } catch (const std::ios_base::failure&) {
      return LineRead::Failed;  // a folder, or the disk failing under it
    }
    if (c == std::char_traits<char>::eof()) {
      if (errno != 0) return LineRead::Failed;
      return line.empty() ? LineRead::End : LineRead::Line;
    }
    if (c == '\n') break;
    if (line.size() == kLongestLine) return LineRead::TooLong;
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return LineRead::Line;
}

// At most 200 characters of an error, however long the text it quotes.
std::string excerpt(const std::string& error) {
  constexpr int kQuoted = 200;
  if (characterCount(error) <= kQuoted) return error;
  return error.substr(0, byteOffset(error, kQuoted)) + "...";
}

}  // namespace

Access printName(Application& app, const std::string& name) {
  const auto ref = parseName(name);
  if (!ref) return {{}, "bad name '" + name + "'"};
  Access access = readName(app, *ref);
  if (access.error.empty()) access.value = name + " = " + access.value;
  return access;
}

ScriptRunner::ScriptRunner(Application& app, std::ostream& out, std::ostream& err)
    : app_(app), out_(out), err_(err) {}

ScriptRunner::~ScriptRunner() { app_.setQuietHook(nullptr); }

int ScriptRunner::run(std::istream& script) {
  std::string line;
  for (int number = 1;; ++number) {
    const LineRead read = readLine(script, line);
    if (read == LineRead::End) return 0;
    std::string error = read == LineRead::TooLong ? "a line longer than 64 KiB"
                        : read == LineRead::Failed ? "the script cannot be read: " + std::string(std::strerror(errno))
                                                   : std::string();
    if (error.empty() && (line.find_first_not_of(' ') == std::string::npos || line.front() == '#')) continue;
    if (error.empty()) error = execute(line);
    if (!error.empty()) {
      out_.flush();
      err_ << "error: line " << number << ": " << excerpt(error) << '\n';
      return 2;
    }
    if (programEnded(app_)) {
      out_ << "exit\n";
      return 0;
    }
  }
}

std::string ScriptRunner::execute(const std::string& line) {
  std::string rest = line;
  const std::string command = nextWord(rest);

  auto element = [&](const std::string& text, Element*& found) -> std::string {
    const auto ref = parseName(text);
    if (!ref) return "bad name '" + text + "'";
    Window* w = app_.findWindow(ref->window);
    if (w == nullptr) return "unknown window " + ref->window;
    if (!w->isOpen()) return "unknown name " + text + ": " + ref->window + " is not open";
    found = w->find(ref->element, ref->index);
    if (found == nullptr || !ref->property.empty()) return "unknown element " + text;
    return {};
  };
  // The open window the next word names.
  auto openWindow = [&](Window*& found) -> std::string {
    const std::string name = nextWord(rest);
    found = app_.findWindow(name);
    if (found == nullptr) return "unknown window " + name;
    if (!found->isOpen()) return name + " is not open";
    return {};
  };

  if (command == "wait") {
    const std::string ms = nextWord(rest);
    if (!allDigits(ms)) {
      return "wait takes a whole number of milliseconds, not '" + ms + "'";
    }
    // Far from the end of a 64-bit clock, so no timer's due moment can overflow it.
    constexpr std::int64_t kClockEnd = std::numeric_limits<std::int64_t>::max() / 2;
    const std::int64_t now = app_.scheduler().now();
    if (ms.size() > 18 || std::stoll(ms) > kClockEnd - now) return "wait " + ms + " goes beyond what the clock holds";
    app_.advanceTo(now + std::stoll(ms));
    return {};
  }
  if (command == "click") {
    Element* e = nullptr;
    if (auto error = element(nextWord(rest), e); !error.empty()) return error;
    app_.click(*e);
    app_.settle();
    return {};
  }
  if (command == "click-at") {
    Window* w = nullptr;
    if (auto error = openWindow(w); !error.empty()) return error;
    const std::string point = rest;
    const auto left = toNumber(nextWord(rest));
    const auto top = toNumber(nextWord(rest));
    if (!left || !top || !rest.empty()) return "click-at takes a point in twips, not '" + point + "'";
    app_.clickAt(*w, static_cast<float>(*left), static_cast<float>(*top));
    app_.settle();
    return {};
  }
  if (command == "key" || command == "minimize") {
    Window* w = nullptr;
    if (auto error = openWindow(w); !error.empty()) return error;
    if (command == "minimize") {
      app_.minimize(*w);
    } else {
      const auto key = parseKey(rest);
      if (!key) return "unknown key '" + rest + "'";
      app_.key(*w, *key);
    }
    app_.settle();
    return {};
  }
  if (command == "type") {
    Element* e = nullptr;
    if (auto error = element(nextWord(rest), e); !error.empty()) return error;
    if (e->kind != ElementKind::TextBox) return e->name.str() + " is not a text box";
    app_.type(*e, rest);
    app_.settle();
    return {};
  }
  if (command == "close") {
    const std::string name = nextWord(rest);
    Window* w = app_.findWindow(name);
    if (w == nullptr) return "unknown window " + name;
    app_.closeBox(*w);
    app_.settle();
    return {};
  }
  if (command == "print") {
    const Access printed = printName(app_, nextWord(rest));
    if (!printed.error.empty()) return printed.error;
    out_ << printed.value << '\n';
    return {};
  }
  if (command == "set") {
    const std::string name = nextWord(rest);
    const auto ref = parseName(name);
    if (!ref) return "bad name '" + name + "'";
    const std::string error = writeName(app_, *ref, rest);
    app_.settle();
    return error;
  }
  if (command == "autopilot") {
    if (rest == "on") {
      if (!autopilot_) autopilot_ = std::make_unique<Autopilot>(app_, -1);
      app_.setQuietHook([pilot = autopilot_.get()] { pilot->act(); });
    } else if (rest == "off") {
      app_.setQuietHook(nullptr);
    } else {
      return "autopilot takes on or off, not '" + rest + "'";
    }
    return {};
  }
  if (command == "time") {
    out_ << "time = " << app_.scheduler().now() << '\n';
    return {};
  }
  if (command == "windows") {
    out_ << "windows =";
    for (const Window* w : app_.openWindows()) out_ << ' ' << w->name();
    out_ << '\n';
    return {};
  }
  if (command == "screenshot") {
    Window* w = nullptr;
    if (auto error = openWindow(w); !error.empty()) return error;
    if (rest.empty()) return "screenshot needs a file name";
    if (!app_.host().screenshot(*w, rest)) return "cannot save a screenshot of " + w->name() + " to " + rest;
    return {};
  }
  return "unknown command '" + command + "'";
}

}  // namespace tw
