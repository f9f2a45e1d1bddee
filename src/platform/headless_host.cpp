#include "platform/headless_host.h"

#include <fstream>

namespace tw {

bool HeadlessHost::pictureReadable(const std::string& path) {
  // A JPEG begins with its start-of-image marker.
  std::ifstream in(path, std::ios::binary);
  unsigned char head[3] = {};
  in.read(reinterpret_cast<char*>(head), sizeof head);
  return in.gcount() == 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
}

}  // namespace tw
