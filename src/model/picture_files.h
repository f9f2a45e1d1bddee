#pragma once
// Which picture files the game shows, remembered per file until the file changes.
#include <map>
#include <string>

#include "model/file_content.h"

namespace tw {

class Host;

class PictureFiles {
 public:
  explicit PictureFiles(Host& host) : host_(host) {}
  // True when the file is a JPEG the game shows (see jpegDecodes); a plane's picture is loaded
  // at every turn, so a file is read and decoded again only once it changed.
  bool shows(const std::string& path);

 private:
  struct Looked {
    FileVersion version;
    bool shows = false;
  };
  Host& host_;
  std::map<std::string, Looked, std::less<>> looked_;
};

}  // namespace tw
