#pragma once
// Where the game finds its "Plane" folder: beside the executable for an unpacked or freshly
// built game, else in the shared data folder of the prefix it was installed to.
#include <optional>
#include <string>

namespace tw {

struct ProgramDir {
  std::string path;
  bool installed = false;  // the shared data folder of an installed game
};

// `installedData` is the data folder relative to the executable's folder, such as
// "../share/tarmac-warden".
ProgramDir locateProgramDir(const std::string& exeDir, const std::string& installedData);

// The folder the command line names; without one, the one located from the running
// executable's folder; "." when even that is not known.
ProgramDir programDirFor(const std::optional<std::string>& named, const std::string& installedData);

}  // namespace tw
