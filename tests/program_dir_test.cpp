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
  EXPECT_EQ(locateProgramDir(bin.string(), "../share/tarmac-warden"), bin.string());

  fs::create_directories(data / "Plane");
  EXPECT_EQ(fs::path(locateProgramDir(bin.string(), "../share/tarmac-warden")), data);

  // An unpacked or freshly built game keeps its pictures beside it.
  fs::create_directories(bin / "Plane");
  EXPECT_EQ(locateProgramDir(bin.string(), "../share/tarmac-warden"), bin.string());
}

TEST(ProgramDir, APlainFileNamedPlaneIsNoPictureFolder) {
  TempDir root;
  const fs::path bin = fs::path(root.path()) / "bin";
  fs::create_directories(bin);
  std::ofstream(bin / "Plane") << "x";
  EXPECT_EQ(locateProgramDir(bin.string(), "../nowhere"), bin.string());
}

}  // namespace
}  // namespace tw::test
