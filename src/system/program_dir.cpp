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

ProgramDir programDirFor(const std::optional<std::string>& named, const std::string& installedData) {
  if (named) return {*named};
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {"."};
  return locateProgramDir(exe.parent_path().string(), installedData);
}

}  // namespace tw
