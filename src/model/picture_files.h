#pragma once
// Which picture files the game shows, remembered per file until the file changes.
#include <ctime>
#include <map>
#include <string>

namespace tw {

class PictureFiles {
 public:
  // True when the file is a JPEG the game shows (see jpegDecodes); a plane's picture is loaded
  // at every turn, so a file is read and decoded again only once it changed.
  bool shows(const std::string& path);

 private:
  struct Looked {
    unsigned long long device = 0, file = 0;
    std::timespec changed{};
    long long size = -1;
    bool shows = false;
  };
  std::map<std::string, Looked, std::less<>> looked_;
};

}  // namespace tw
