#include "model/interned.h"

#include <ostream>
#include <unordered_map>

namespace tw {

struct Interned::Entry {
  const std::string* text;  // the key of the entry in the table
  std::size_t holders;
};

namespace {

struct Hash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Nodes keep their place as the table grows, so entries may be pointed at.
std::unordered_map<std::string, Interned::Entry, Hash, std::equal_to<>>& table() {
  static auto* entries = new std::unordered_map<std::string, Interned::Entry, Hash, std::equal_to<>>;
  return *entries;
}

Interned::Entry* hold(std::string_view text) {
  auto it = table().find(text);
  if (it == table().end()) {
    it = table().emplace(std::string(text), Interned::Entry{nullptr, 0}).first;
    it->second.text = &it->first;
  }
  ++it->second.holders;
  return &it->second;
}

void release(Interned::Entry* entry) {
  if (--entry->holders == 0) table().erase(*entry->text);
}

}  // namespace

Interned::Interned(std::string_view text) : entry_(hold(text)) {}

Interned::Interned(const Interned& other) : entry_(other.entry_) { ++entry_->holders; }

Interned& Interned::operator=(const Interned& other) {
  if (entry_ == other.entry_) return *this;  // the position tick names most planes as they were
  ++other.entry_->holders;
  release(entry_);
  entry_ = other.entry_;
  return *this;
}

Interned::~Interned() { release(entry_); }

const std::string& Interned::str() const { return *entry_->text; }

std::ostream& operator<<(std::ostream& out, const Interned& text) { return out << text.str(); }

}  // namespace tw
