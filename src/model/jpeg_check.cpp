#include "model/jpeg_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tw {

namespace {

// Markers, by their second byte.
constexpr int kSOF0 = 0xC0, kSOF1 = 0xC1, kDHT = 0xC4, kRST0 = 0xD0, kRST7 = 0xD7, kSOI = 0xD8, kEOI = 0xD9,
              kSOS = 0xDA, kDQT = 0xDB, kDRI = 0xDD, kTEM = 0x01;

bool isFrameMarker(int m) { return m >= 0xC0 && m <= 0xCF && m != kDHT && m != 0xC8 && m != 0xCC; }

// A canonical Huffman table, decoded a bit at a time (the standard's DECODE procedure).
struct HuffmanTable {
  bool defined = false;
  std::array<int, 17> maxCode{};     // the largest code of each length, -1 for none
  std::array<int, 17> firstIndex{};  // where the codes of each length start in `symbols`
  std::array<int, 17> firstCode{};
  std::vector<std::uint8_t> symbols;
};

struct Component {
  int id = 0, h = 1, v = 1, quantisation = 0;
  bool scanned = false;
};

struct Frame {
  int width = 0, height = 0, maxH = 1, maxV = 1, precision = 8;
  std::vector<Component> components;
};

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool atEnd() const { return pos_ >= bytes_.size(); }
  std::size_t pos() const { return pos_; }
  void seek(std::size_t pos) { pos_ = pos; }
  std::optional<int> byte() {
    if (atEnd()) return std::nullopt;
    return static_cast<std::uint8_t>(bytes_[pos_++]);
  }
  std::optional<int> word() {
    const auto hi = byte();
    const auto lo = byte();
    if (!hi || !lo) return std::nullopt;
    return *hi << 8 | *lo;
  }
  std::string_view bytes() const { return bytes_; }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// The entropy-coded data of a scan, bit by bit; stops at any marker but a stuffed zero.
class BitReader {
 public:
  BitReader(Reader& in) : in_(in) {}
  // Nothing when the data ended (a marker or the end of the file) before the bit.
  std::optional<int> bit() {
    if (left_ == 0) {
      if (in_.atEnd()) return std::nullopt;
      const std::size_t at = in_.pos();
      const int b = *in_.byte();
      if (b == 0xFF) {
        const auto next = in_.byte();
        if (!next || *next != 0) {
          in_.seek(at);  // a marker: the scan's data ends here
          return std::nullopt;
        }
      }
      current_ = b;
      left_ = 8;
    }
    --left_;
    return current_ >> left_ & 1;
  }
  bool skip(int bits) {
    for (int i = 0; i < bits; ++i)
      if (!bit()) return false;
    return true;
  }
  // At a restart marker the bit stream starts afresh on a byte boundary.
  void restart() { left_ = 0; }

 private:
  Reader& in_;
  int current_ = 0;
  int left_ = 0;
};

std::optional<int> decode(BitReader& bits, const HuffmanTable& table) {
  int code = 0;
  for (int length = 1; length <= 16; ++length) {
    const auto b = bits.bit();
    if (!b) return std::nullopt;
    code = code << 1 | *b;
    if (code <= table.maxCode[length]) return table.symbols[table.firstIndex[length] + code - table.firstCode[length]];
  }
  return std::nullopt;  // no such code
}

bool readHuffmanTables(std::string_view segment, std::array<HuffmanTable, 8>& tables) {
  Reader in(segment);
  while (!in.atEnd()) {
    const int classAndId = *in.byte();
    const int tableClass = classAndId >> 4, id = classAndId & 15;
    if (tableClass > 1 || id > 3) return false;
    std::array<int, 17> counts{};
    int total = 0;
    for (int length = 1; length <= 16; ++length) {
      const auto n = in.byte();
      if (!n) return false;
      counts[length] = *n;
      total += *n;
    }
    if (total == 0 || total > 256) return false;
    HuffmanTable& table = tables[tableClass * 4 + id];
    table = {};
    for (int i = 0; i < total; ++i) {
      const auto symbol = in.byte();
      if (!symbol) return false;
      table.symbols.push_back(static_cast<std::uint8_t>(*symbol));
    }
    int code = 0, index = 0;
    for (int length = 1; length <= 16; ++length) {
      table.firstIndex[length] = index;
      table.firstCode[length] = code;
      code += counts[length];
      index += counts[length];
      table.maxCode[length] = counts[length] == 0 ? -1 : code - 1;
      if (code > (1 << length)) return false;  // more codes than the length holds
      code <<= 1;
    }
    table.defined = true;
  }
  return true;
}

bool readQuantisationTables(std::string_view segment, std::array<bool, 4>& defined) {
  Reader in(segment);
  while (!in.atEnd()) {
    const int precisionAndId = *in.byte();
    const int precision = precisionAndId >> 4, id = precisionAndId & 15;
    if (precision > 1 || id > 3) return false;
    const std::size_t size = precision == 0 ? 64 : 128;
    if (segment.size() - in.pos() < size) return false;
    in.seek(in.pos() + size);
    defined[static_cast<std::size_t>(id)] = true;
  }
  return true;
}

std::optional<Frame> readFrame(std::string_view segment) {
  Reader in(segment);
  Frame frame;
  const auto precision = in.byte();
  const auto height = in.word();
  const auto width = in.word();
  const auto count = in.byte();
  if (!count || (*precision != 8 && *precision != 12)) return std::nullopt;
  // A height of 0 waits for a later line count; the game's pictures never do that.
  if (*height < 1 || *width < 1 || *height > kMaxPictureSide || *width > kMaxPictureSide) return std::nullopt;
  if (*count < 1 || *count > 4 || segment.size() != 6 + 3 * static_cast<std::size_t>(*count)) return std::nullopt;
  frame = {*width, *height, 1, 1, *precision, {}};
  for (int i = 0; i < *count; ++i) {
    const int id = *in.byte(), sampling = *in.byte(), table = *in.byte();
    const int h = sampling >> 4, v = sampling & 15;
    if (h < 1 || h > 4 || v < 1 || v > 4 || table > 3) return std::nullopt;
    frame.components.push_back({id, h, v, table, false});
    frame.maxH = std::max(frame.maxH, h);
    frame.maxV = std::max(frame.maxV, v);
  }
  return frame;
}

int ceilDiv(int a, int b) { return (a + b - 1) / b; }

struct ScanComponent {
  Component* component;
  const HuffmanTable* dc;
  const HuffmanTable* ac;
};

bool decodeBlock(BitReader& bits, const ScanComponent& c, int precision) {
  const auto dcSize = decode(bits, *c.dc);
  if (!dcSize || *dcSize > precision + 3 || !bits.skip(*dcSize)) return false;
  for (int k = 1; k < 64;) {
    const auto runSize = decode(bits, *c.ac);
    if (!runSize) return false;
    const int run = *runSize >> 4, size = *runSize & 15;
    if (size == 0) {
      if (run != 15) break;  // end of block
      k += 16;
      continue;
    }
    if (size > precision + 2 || !bits.skip(size)) return false;
    k += run + 1;
  }
  return true;
}

// Decodes the scan's every block; leaves `in` at the marker after its data.
bool walkScan(Reader& in, Frame& frame, std::vector<ScanComponent>& scan, int restartInterval) {
  int mcuCount = 0;
  if (scan.size() == 1) {
    const Component& c = *scan[0].component;
    mcuCount = ceilDiv(ceilDiv(frame.width * c.h, frame.maxH), 8) * ceilDiv(ceilDiv(frame.height * c.v, frame.maxV), 8);
  } else {
    mcuCount = ceilDiv(frame.width, 8 * frame.maxH) * ceilDiv(frame.height, 8 * frame.maxV);
  }
  BitReader bits(in);
  for (int mcu = 0; mcu < mcuCount; ++mcu) {
    if (restartInterval > 0 && mcu > 0 && mcu % restartInterval == 0) {
      const auto ff = in.byte();
      const auto marker = in.byte();
      if (!ff || !marker || *ff != 0xFF || *marker != kRST0 + (mcu / restartInterval - 1) % 8) return false;
      bits.restart();
    }
    for (const ScanComponent& c : scan) {
      const int blocks = scan.size() == 1 ? 1 : c.component->h * c.component->v;
      for (int b = 0; b < blocks; ++b)
        if (!decodeBlock(bits, c, frame.precision)) return false;
    }
  }
  // What is left of the last byte is padding; the data ends at the next marker.
  while (!in.atEnd()) {
    const std::size_t at = in.pos();
    if (*in.byte() == 0xFF) {
      const auto next = in.byte();
      if (next && *next != 0) {
        in.seek(at);
        return true;
      }
    }
  }
  return false;
}

std::optional<std::vector<ScanComponent>> readScanHeader(std::string_view segment, Frame& frame,
                                                         const std::array<HuffmanTable, 8>& tables,
                                                         const std::array<bool, 4>& quantisation) {
  Reader in(segment);
  const auto count = in.byte();
  if (!count || *count < 1 || *count > 4 || segment.size() != 4 + 2 * static_cast<std::size_t>(*count)) {
    return std::nullopt;
  }
  std::vector<ScanComponent> scan;
  for (int i = 0; i < *count; ++i) {
    const int id = *in.byte(), selectors = *in.byte();
    Component* found = nullptr;
    for (Component& c : frame.components)
      if (c.id == id) found = &c;
    const HuffmanTable& dc = tables[static_cast<std::size_t>(selectors >> 4 & 3)];
    const HuffmanTable& ac = tables[4 + static_cast<std::size_t>(selectors & 3)];
    if (found == nullptr || found->scanned || (selectors >> 4) > 3 || (selectors & 15) > 3 || !dc.defined ||
        !ac.defined || !quantisation[static_cast<std::size_t>(found->quantisation)]) {
      return std::nullopt;
    }
    found->scanned = true;
    scan.push_back({found, &dc, &ac});
  }
  // Sequential: the whole spectrum at full precision.
  const int start = *in.byte(), end = *in.byte(), approximation = *in.byte();
  if (start != 0 || end != 63 || approximation != 0) return std::nullopt;
  int blocksPerMcu = 0;
  for (const ScanComponent& c : scan) blocksPerMcu += c.component->h * c.component->v;
  if (scan.size() > 1 && blocksPerMcu > 10) return std::nullopt;
  return scan;
}

}  // namespace

bool jpegDecodes(std::string_view bytes) {
  Reader in(bytes);
  if (in.word() != (0xFF00 | kSOI)) return false;
  std::array<HuffmanTable, 8> huffman;
  std::array<bool, 4> quantisation{};
  std::optional<Frame> frame;
  int restartInterval = 0;
  bool scanned = false;
  while (true) {
    if (in.byte() != 0xFF) return false;
    auto marker = in.byte();
    while (marker == 0xFF) marker = in.byte();  // fill bytes
    if (!marker) return false;
    if (*marker == kEOI) break;
    if (*marker == kTEM) continue;
    if (*marker == kSOI || (*marker >= kRST0 && *marker <= kRST7) || *marker == 0) return false;
    const auto length = in.word();
    if (!length || *length < 2 || bytes.size() - in.pos() < static_cast<std::size_t>(*length - 2)) return false;
    const std::string_view segment = bytes.substr(in.pos(), static_cast<std::size_t>(*length - 2));
    in.seek(in.pos() + segment.size());
    if (*marker == kDHT) {
      if (!readHuffmanTables(segment, huffman)) return false;
    } else if (*marker == kDQT) {
      if (!readQuantisationTables(segment, quantisation)) return false;
    } else if (*marker == kDRI) {
      if (segment.size() != 2) return false;
      restartInterval = static_cast<std::uint8_t>(segment[0]) << 8 | static_cast<std::uint8_t>(segment[1]);
    } else if (isFrameMarker(*marker)) {
      if (frame || (*marker != kSOF0 && *marker != kSOF1)) return false;
      frame = readFrame(segment);
      if (!frame) return false;
    } else if (*marker == kSOS) {
      if (!frame) return false;
      auto scan = readScanHeader(segment, *frame, huffman, quantisation);
      if (!scan || !walkScan(in, *frame, *scan, restartInterval)) return false;
      scanned = true;
    }
    // Anything else (application data, comments) is skipped.
  }
  if (!scanned) return false;
  for (const Component& c : frame->components)
    if (!c.scanned) return false;
  return true;
}

}  // namespace tw
