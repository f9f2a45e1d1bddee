// What the game reads from outside: only regular files within their size, pictures only when
// they decode, Save.ini and the preference file whatever stands in their place.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "system/file_reader.h"
#include "system/save_location.h"
#include "system/user_folder.h"
#include "model/jpeg_check.h"
#include "model/picture_files.h"
#include "test_support.h"

namespace tw::test {
namespace {

using FileReader = GameTest;
using JpegCheck = GameTest;
using PictureLoads = GameTest;
using SavedGame = GameTest;
using SaveLocation = GameTest;
using UserFolder = GameTest;
using Preferences = GameTest;

namespace fs = std::filesystem;

const std::string kPlane = readFile(TW_ASSETS_DIR "/Plane/s.jpg");

// The plane picture claiming another size in its frame header.
std::string withSize(std::string jpeg, int width, int height) {
  const std::size_t frame = jpeg.find("\xFF\xC0");
  jpeg[frame + 5] = static_cast<char>(height >> 8);
  jpeg[frame + 6] = static_cast<char>(height & 0xFF);
  jpeg[frame + 7] = static_cast<char>(width >> 8);
  jpeg[frame + 8] = static_cast<char>(width & 0xFF);
  return jpeg;
}

TEST_F(FileReader, ReadsRegularFilesUpToTheirCapAndTakesAnythingElseAsMissing) {
  TempDir dir;
  const std::string file = dir.path() + "/file";
  writeFile(file, "12345");
  EXPECT_EQ(readFileCapped(file, 5).bytes, "12345");
  EXPECT_TRUE(readFileCapped(file, 5).read());
  EXPECT_EQ(readFileCapped(file, 4).state, FileContent::State::Missing);
  EXPECT_EQ(readFileCapped(file, 4).bytes, "");
  writeFile(file, "");
  EXPECT_TRUE(readFileCapped(file, 4).read());

  // A fifo would block an ordinary open for ever; a device never ends.
  const std::string fifo = dir.path() + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string zero = dir.path() + "/zero";
  fs::create_symlink("/dev/zero", zero);
  for (const std::string& path : {fifo, zero, dir.path(), dir.path() + "/none", file + "/under"}) {
    EXPECT_EQ(readFileCapped(path, kCueFileBytes).state, FileContent::State::Missing) << path;
  }
  // There, but refused by the system, even to root: reading address 0 of its own memory.
  EXPECT_EQ(readFileCapped("/proc/self/mem", kSmallFileBytes).state, FileContent::State::Unreadable);
}

TEST_F(JpegCheck, TakesWholeSequentialPicturesWithinTheirSizeAndNothingElse) {
  ASSERT_TRUE(jpegDecodes(kPlane));
  for (const char* name : {"n.jpg", "e.jpg", "o.jpg"}) {
    EXPECT_TRUE(jpegDecodes(readFile(std::string(TW_ASSETS_DIR "/Plane/") + name))) << name;
  }
  // Cut anywhere, it no longer decodes to its last block and its end marker.
  for (std::size_t size = 0; size < kPlane.size(); ++size) {
    EXPECT_FALSE(jpegDecodes(kPlane.substr(0, size))) << size;
  }
  // A header promising more than its data holds, or more than the game draws.
  EXPECT_FALSE(jpegDecodes(withSize(kPlane, 320, 320)));
  EXPECT_FALSE(jpegDecodes(withSize(kPlane, 20000, 20000)));
  EXPECT_FALSE(jpegDecodes(withSize(kPlane, 40, 0)));
  EXPECT_FALSE(jpegDecodes(readFile(TW_ASSETS_DIR "/design/south.png")));
  EXPECT_FALSE(jpegDecodes("\xFF\xD8\xFF\xE0 a plane"));
  // Restart markers every block or two (made with libjpeg), in their order and nowhere else.
  for (const char* name : {"restarts-colour.jpg", "restarts-grey.jpg"}) {
    const std::string restarts = readFile(std::string(TW_SOURCE_DIR "/tests/data/") + name);
    EXPECT_TRUE(jpegDecodes(restarts)) << name;
    for (std::size_t size = 0; size < restarts.size(); ++size) {
      EXPECT_FALSE(jpegDecodes(restarts.substr(0, size))) << name << " " << size;
    }
    std::string misnumbered = restarts;
    misnumbered[misnumbered.find("\xFF\xD0") + 1] = '\xD1';
    EXPECT_FALSE(jpegDecodes(misnumbered)) << name;
  }
  // Progressive: the frame marker is all that differs from a sequential header.
  std::string progressive = kPlane;
  progressive[progressive.find("\xFF\xC0") + 1] = '\xC2';
  EXPECT_FALSE(jpegDecodes(progressive));
}

// Plane pictures are read at every turn; a file looked at before is only read again once it
// changed, so a change must be seen at once.
TEST_F(PictureLoads, AChangedFileIsSeenAtTheNextLoad) {
  TempDir dir;
  const std::string path = dir.path() + "/s.jpg";
  HeadlessHost host(0, dir.path());
  PictureFiles pictures(host);
  writeFile(path, kPlane);
  EXPECT_TRUE(pictures.shows(path));
  writeFile(path, kPlane.substr(0, 200));
  EXPECT_FALSE(pictures.shows(path));
  fs::remove(path);
  EXPECT_FALSE(pictures.shows(path));
  writeFile(path, kPlane);
  EXPECT_TRUE(pictures.shows(path));
}

// A program folder of the game's own pictures, with s.jpg replaced by `make`.
struct PlaneFolder {
  explicit PlaneFolder(const std::function<void(const std::string&)>& make) {
    fs::create_directory(dir.path() + "/Plane");
    for (const char* name : {"n.jpg", "e.jpg", "o.jpg"}) {
      fs::copy_file(std::string(TW_ASSETS_DIR "/Plane/") + name, dir.path() + "/Plane/" + name);
    }
    make(dir.path() + "/Plane/s.jpg");
  }
  Lines args() const { return {"--program-dir", dir.path()}; }
  TempDir dir;
};

TEST_F(PictureLoads, APictureThatDoesNotDecodeLeavesThePlaneWithThePictureItHad) {
  const std::function<void(const std::string&)> broken[] = {
      [](const std::string& s) { writeFile(s, kPlane.substr(0, 200)); },
      [](const std::string& s) { writeFile(s, withSize(kPlane, 20000, 20000)); },
      [](const std::string& s) { fs::copy_file(TW_ASSETS_DIR "/design/south.png", s); },
      [](const std::string& s) { writeFile(s, "not a picture\n"); },
      [](const std::string& s) { writeFile(s, kPlane + std::string(kPictureFileBytes, '\0')); },
      [](const std::string& s) { ASSERT_EQ(mkfifo(s.c_str(), 0600), 0); },
      [](const std::string& s) { fs::create_symlink("/dev/zero", s); },
      [](const std::string& s) { fs::create_directory(s); },
  };
  int made = 0;
  for (const auto& make : broken) {
    const PlaneFolder folder(make);
    // Plane 1 comes in at 20 s; plane 0 was turned south at 20 ms. The north picture still loads.
    EXPECT_TRUE(plays({"wait 20100", "print Form1.Aereo(0).Picture = ", "print Form1.Aereo(1).Picture = ",
                       "print Form1.Aereo(1).Visible = true", "time", "> time = 20100",
                       "set Form1.Aereo(1).Picture n.jpg", "print Form1.Aereo(1).Picture = n.jpg"},
                      folder.args(), {"sound: 4", "sound: 1", "sound: 5"}))
        << "case " << made;
    ++made;
  }
}

TEST_F(SavedGame, TheLoadTellsAFileThatCannotBeReadFromADamagedOneAndSkipsAByteOrderMark) {
  TempDir dir;
  const std::string path = dir.path() + "/Save.ini";
  const Lines args = {"--program-dir", dir.path()};
  writeFile(path, "\xEF\xBB\xBF\"4\",\"1\",\"2\",\"3\"\r\n");
  EXPECT_TRUE(plays(
      {"click Form1.Label3", "wait 100", "> message: Are you ready?", "print Form1.LV = 4", "print Form1.Salvati = 3"},
      args));
  fs::remove(path);
  fs::create_symlink("/proc/self/mem", path);
  EXPECT_TRUE(plays({"click Form1.Label3", "wait 100", "> message: The saved game cannot be read and was not loaded.",
                     "print Form1.LV = 1"},
                    args));
  // Nothing a save could have made: as if there were no saved game.
  fs::remove(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  EXPECT_TRUE(plays({"click Form1.Label3", "wait 100", "> message: No saved game found.", "click Form1.Label2",
                     "> message: The game could not be saved: Save.ini is not a regular file."},
                    args));
}

TEST_F(SaveLocation, LoadTakesTheSaveWrittenLastOfTheProgramFoldersAndTheDataFolders) {
  TempDir program, data;
  ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
  const ProgramDir portable{program.path()};
  const std::string beside = program.path() + "/Save.ini";
  const std::string away = data.path() + "/tarmac-warden/Save.ini";
  EXPECT_EQ(loadPath(portable), beside);
  fs::create_directories(data.path() + "/tarmac-warden");
  writeFile(away, "1,1,1,1\r\n");
  EXPECT_EQ(loadPath(portable), away);
  writeFile(beside, "1,1,1,1\r\n");
  const auto now = fs::file_time_type::clock::now();
  fs::last_write_time(away, now - std::chrono::seconds(5));
  EXPECT_EQ(loadPath(portable), beside);
  fs::last_write_time(beside, now - std::chrono::seconds(10));
  EXPECT_EQ(loadPath(portable), away);
  // An installed game's folder is shared data: never its own saves.
  const ProgramDir installed{program.path(), true};
  fs::last_write_time(beside, now);
  EXPECT_EQ(loadPath(installed), away);
}

// Saves and the preference find the player's folders the same way.
TEST_F(UserFolder, XdgFirstThenHomeThenThePasswordDatabase) {
  TempDir config, home;
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", config.path().c_str());
    EXPECT_EQ(preferencesPath(), config.path() + "/tarmac-warden/tarmac-warden.conf");
  }
  ScopedEnv noXdg("XDG_CONFIG_HOME", "relative");
  {
    ScopedEnv homeVar("HOME", home.path().c_str());
    EXPECT_EQ(preferencesPath(), home.path() + "/.config/tarmac-warden/tarmac-warden.conf");
  }
  ScopedEnv noHome("HOME", nullptr);
  ScopedEnv noData("XDG_DATA_HOME", nullptr);
  const passwd* user = getpwuid(getuid());
  ASSERT_NE(user, nullptr);
  const std::string own = user->pw_dir;
  EXPECT_EQ(preferencesPath(), own + "/.config/tarmac-warden/tarmac-warden.conf");
  EXPECT_EQ(userFolder("XDG_DATA_HOME", ".local/share"), own + "/.local/share/tarmac-warden");
}

TEST_F(Preferences, AFileThatIsNoRegularFileIsNoChoiceAndAChoiceThatCannotBeKeptIsSaidOnce) {
  TempDir config;
  ScopedEnv xdg("XDG_CONFIG_HOME", config.path().c_str());
  const std::string folder = config.path() + "/tarmac-warden";
  fs::create_directories(folder);
  const std::string fifo = folder + "/tarmac-warden.conf";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const ScriptRun fifoRun = runScript("print Program.Muted\nkey Form1 M\nkey Form1 M\nprint Program.Muted\n");
  EXPECT_EQ(fifoRun.status, 0);
  EXPECT_EQ(fifoRun.lines[fifoRun.lines.size() - 2], "Program.Muted = false") << fifoRun.out;
  EXPECT_EQ(fifoRun.err, "tarmac-warden: the sound choice cannot be kept in " + fifo +
                             ": tarmac-warden.conf is not a regular file\n");
  fs::remove(fifo);
  // Over its cap it says nothing: a long file is not the game's own.
  writeFile(fifo, "muted=true\n" + std::string(kSmallFileBytes, '#'));
  EXPECT_EQ(runScript("print Program.Muted\n").lines.back(), "Program.Muted = false");
  writeFile(fifo, "[General]\r\nmuted=true\r\n");
  EXPECT_EQ(runScript("print Program.Muted\n").lines.back(), "Program.Muted = true");

  // A file where its folder should be.
  const std::string plain = config.path() + "/plain";
  writeFile(plain, "");
  ScopedEnv blocked("XDG_CONFIG_HOME", plain.c_str());
  const ScriptRun blockedRun = runScript("key Form1 M\nkey Form1 M\nkey Form1 M\nprint Program.Muted\n");
  EXPECT_EQ(blockedRun.lines.back(), "Program.Muted = true");
  EXPECT_EQ(blockedRun.err, "tarmac-warden: the sound choice cannot be kept in " + plain +
                                "/tarmac-warden/tarmac-warden.conf: its folder cannot be made\n");
}

}  // namespace
}  // namespace tw::test
