#include "system/program_dir.h"

#include <filesystem>

namespace tw {

ProgramDir locateProgramDir(const std::string& exeDir, const std::string& installedData) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::is_directory(fs::path(exeDir) / "Plane", error)) return {exeDir};
  const fs::path shared = fs::path(exeDir) / installedData;
  if (fs::is_directory(shared / "Plane", error)) return {shared.lexically_normal().string(), true};
  // Neither: the game still runs, silent and without pictures, from its own folder.
  return {exeDir};
}

}  // namespace tw
