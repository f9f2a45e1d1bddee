#include "model/picture_files.h"

#include <sys/stat.h>

#include "system/file_reader.h"
#include "model/jpeg_check.h"

namespace tw {

bool PictureFiles::shows(const std::string& path) {
  struct stat now {};
  if (::stat(path.c_str(), &now) != 0) return false;
  // Any write, rename over it or change of permissions moves the status-change time.
  Looked& seen = looked_[path];
  const bool same = seen.device == now.st_dev && seen.file == now.st_ino && seen.size == now.st_size &&
                    seen.changed.tv_sec == now.st_ctim.tv_sec && seen.changed.tv_nsec == now.st_ctim.tv_nsec;
  if (!same) {
    const FileContent content = readFileCapped(path, kPictureFileBytes);
    seen = {now.st_dev, now.st_ino, now.st_ctim, now.st_size, content.read() && jpegDecodes(content.bytes)};
  }
  return seen.shows;
}

}  // namespace tw
