// The message log Text1: append, move to the end, clear, and its block caret.
#include <cmath>

#include "game/form1.h"
#include "model/field.h"

namespace tw {

void Form1::appendMessage(const std::string& message) {
  if (Text1 == nullptr) return;
  const int before = logCharacters();
  appendText(*Text1, message + "\r\n");
  // Counted once: the log grows by a line at every plane and every landing.
  logCharacters_ = before + characterCount(message) + 2;
}

void Form1::moveLogToEnd() {
  // The log's own length needs no clamping, and counting a long log again would cost.
  if (Text1 != nullptr) Text1->selStart = logCharacters();
}

int Form1::logCharacters() {
  if (logCharacters_ < 0) logCharacters_ = characterCount(Text1->text);
  return logCharacters_;
}

void Form1::clearLog() {
  if (Text1 != nullptr) setText(*Text1, "");
}

void Form1::refreshCaret() {
  if (Text1 == nullptr) return;
  // A block as wide as LarghezzaCursore and as high as the font plus 5, halves to even.
  Text1->caretWidth = LarghezzaCursore;
  Text1->caretHeight = static_cast<int>(std::nearbyint(Text1->font.points + 5.0f));
}

}  // namespace tw
