#pragma once
// A text kept once and shared by every copy that holds it: the planes of a game, by the
// thousand, hold the same few names, pictures, cell names and fuel counts over and over.
// A text goes when its last holder does. The game's state lives on one thread, and so do these.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tw {

class Interned {
 public:
  Interned() : Interned(std::string_view()) {}
  Interned(std::string_view text);     // NOLINT(google-explicit-constructor): stands for a string
  Interned(const std::string& text) : Interned(std::string_view(text)) {}  // NOLINT
  Interned(const char* text) : Interned(std::string_view(text)) {}         // NOLINT
  Interned(const Interned& other);
  Interned& operator=(const Interned& other);
  ~Interned();

  const std::string& str() const;
  operator const std::string&() const { return str(); }  // NOLINT
  operator std::string_view() const { return str(); }     // NOLINT
  const char* c_str() const { return str().c_str(); }
  std::size_t size() const { return str().size(); }
  bool empty() const { return str().empty(); }
  char operator[](std::size_t i) const { return str()[i]; }

  // Equal texts share one entry.
  friend bool operator==(const Interned& a, const Interned& b) { return a.entry_ == b.entry_; }
  friend bool operator==(const Interned& a, const std::string& b) { return a.str() == b; }
  friend bool operator==(const Interned& a, std::string_view b) { return a.str() == b; }
  friend bool operator==(const Interned& a, const char* b) { return a.str() == b; }

  struct Entry;

 private:
  Entry* entry_;
};

std::ostream& operator<<(std::ostream& out, const Interned& text);

}  // namespace tw
