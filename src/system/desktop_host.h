#pragma once
// What both desktop hosts, with and without windows, share: the game's files on a POSIX
// file system. Pictures and cues in the program folder; Save.ini beside them or in the
// player's data folder; the preferences in the player's config folder.
#include <cstdint>
#include <optional>
#include <string>

#include "model/host.h"
#include "system/program_dir.h"

namespace tw {

class DesktopHost : public Host {
 public:
  // `programDir` as the command line names it; without one, the executable's folder, or
  // the installed game's data folder. A scripted run's day starts `virtualDaySeconds` after
  // midnight and goes by its virtual clock; a played one's is the machine's.
  explicit DesktopHost(const std::optional<std::string>& programDir,
                       std::optional<int> virtualDaySeconds = std::nullopt);

  std::int64_t timeOfDayMs(std::int64_t now) override;

  const std::string& programFolder() const override { return program_.path; }
  FileContent readProgramFile(const std::string& path, std::size_t cap) override;
  std::optional<FileVersion> programFileVersion(const std::string& path) override;
  FileContent readSavedGame() override;
  std::string keepSavedGame(const std::string& content) override;
  FileContent readPreferences() override;
  std::string keepPreferences(const std::string& content) override;
  std::string preferencesPlace() override;

 private:
  ProgramDir program_;
  std::optional<std::int64_t> virtualDayStartMs_;
};

}  // namespace tw
