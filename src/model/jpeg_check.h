#pragma once
// Whether a file's bytes are a JPEG the game shows: decided here, once, so every front end
// takes and refuses the same pictures.
#include <string_view>

namespace tw {

// The largest picture side, in pixels: a plane sprite is 40 pixels.
inline constexpr int kMaxPictureSide = 4096;

// True for a baseline or extended sequential Huffman JPEG whose every scan decodes to its
// last block and that ends in its end-of-image marker. Progressive, arithmetic-coded and
// lossless pictures are refused, as are truncated ones and those over kMaxPictureSide.
bool jpegDecodes(std::string_view bytes);

}  // namespace tw
