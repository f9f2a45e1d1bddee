#include "model/picture_files.h"

#include "model/host.h"
#include "model/jpeg_check.h"

namespace tw {

bool PictureFiles::shows(const std::string& path) {
  const std::optional<FileVersion> now = host_.programFileVersion(path);
  if (!now) return false;
  const auto [seen, fresh] = looked_.try_emplace(path);
  if (fresh || seen->second.version != *now) {
    const FileContent content = host_.readProgramFile(path, kPictureFileBytes);
    seen->second = {*now, content.read() && jpegDecodes(content.bytes)};
  }
  return seen->second.shows;
}

}  // namespace tw
