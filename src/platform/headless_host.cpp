#include "platform/headless_host.h"

#include <sys/stat.h>

#include <fstream>

namespace tw {

namespace {

bool startsAsJpeg(const std::string& path) {
  // A JPEG begins with its start-of-image marker.
  std::ifstream in(path, std::ios::binary);
  unsigned char head[3] = {};
  in.read(reinterpret_cast<char*>(head), sizeof head);
  return in.gcount() == 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
}

}  // namespace

bool HeadlessHost::pictureReadable(const std::string& path) {
  struct stat now {};
  if (::stat(path.c_str(), &now) != 0) return false;
  // Any write, rename over it or change of permissions moves the status-change time.
  Looked& seen = looked_[path];
  const bool same = seen.file == now.st_ino && seen.size == now.st_size &&
                    seen.changed.tv_sec == now.st_ctim.tv_sec && seen.changed.tv_nsec == now.st_ctim.tv_nsec;
  if (!same) seen = {now.st_ino, now.st_ctim, now.st_size, startsAsJpeg(path)};
  return seen.readable;
}

}  // namespace tw
