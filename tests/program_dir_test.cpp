// Where the game looks for its pictures and cues: beside itself, else where it was installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/program_dir.h"
#include "test_support.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

TEST(ProgramDir, PrefersAPlaneFolderBesideTheExecutableThenTheInstalledData) {
  TempDir root;
  const fs::path bin = fs::path(root.path()) / "usr" / "bin";
  const fs::path data = fs::path(root.path()) / "usr" / "share" / "tarmac-warden";
  fs::create_directories(bin);

  // Neither: the executable's own folder, so the game still starts.
  EXPECT_EQ(locateProgramDir(bin.string(), "../share/tarmac-warden").path, bin.string());

  fs::create_directories(data / "Plane");
  const ProgramDir installed = locateProgramDir(bin.string(), "../share/tarmac-warden");
  EXPECT_EQ(fs::path(installed.path), data);
  EXPECT_TRUE(installed.installed);

  // An unpacked or freshly built game keeps its pictures beside it, and may save there.
  fs::create_directories(bin / "Plane");
  const ProgramDir portable = locateProgramDir(bin.string(), "../share/tarmac-warden");
  EXPECT_EQ(portable.path, bin.string());
  EXPECT_FALSE(portable.installed);
}

TEST(ProgramDir, APlainFileNamedPlaneIsNoPictureFolder) {
  TempDir root;
  const fs::path bin = fs::path(root.path()) / "bin";
  fs::create_directories(bin);
  std::ofstream(bin / "Plane") << "x";
  EXPECT_EQ(locateProgramDir(bin.string(), "../nowhere").path, bin.string());
}

}  // namespace
}  // namespace tw::test
