// Where the game looks for its pictures and cues: beside itself, else where it was installed.
#include <filesystem>
#include <fstream>

#include "system/program_dir.h"
#include "test_support.h"

namespace tw::test {
namespace {

using ProgramFolder = GameTest;

namespace fs = std::filesystem;

TEST_F(ProgramFolder, PrefersAPlaneFolderBesideTheExecutableThenTheInstalledDataButNoPlainFile) {
  TempDir root;
  const fs::path bin = fs::path(root.path()) / "usr" / "bin";
  const fs::path data = fs::path(root.path()) / "usr" / "share" / "tarmac-warden";
  fs::create_directories(bin);

  // Neither: the executable's own folder, so the game still starts.
  EXPECT_EQ(locateProgramDir(bin.string(), "../share/tarmac-warden").path, bin.string());

  fs::create_directories(data / "Plane");
  const tw::ProgramDir installed = locateProgramDir(bin.string(), "../share/tarmac-warden");
  EXPECT_TRUE(fs::path(installed.path) == data && installed.installed) << installed.path;

  // An unpacked or freshly built game keeps its pictures beside it, and may save there.
  fs::create_directories(bin / "Plane");
  const tw::ProgramDir portable = locateProgramDir(bin.string(), "../share/tarmac-warden");
  EXPECT_TRUE(portable.path == bin.string() && !portable.installed) << portable.path;
  // A plain file named Plane is no picture folder.
  const fs::path lone = fs::path(root.path()) / "bin";
  fs::create_directories(lone);
  std::ofstream(lone / "Plane") << "x";
  EXPECT_EQ(locateProgramDir(lone.string(), "../nowhere").path, lone.string());
}

}  // namespace
}  // namespace tw::test
