// The game's files come through its host and nowhere else: a host that keeps them in memory
// plays, saves and keeps the mute with nothing on the disk, and one that refuses them all
// still plays and says what could not be done.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "app/session.h"
#include "midend/fonts.h"
#include "model/cue_files.h"
#include "model/host.h"
#include "persistence/save_file.h"
#include "test_support.h"

namespace tw::test {
namespace {

using HostFiles = GameTest;

namespace fs = std::filesystem;

// Keeps the game's files in memory; with `refuses`, refuses every one.
class MemoryHost : public Host {
 public:
  explicit MemoryHost(bool refuses) : refuses_(refuses) {
    if (refuses) return;
    for (const char* name : {"n.jpg", "s.jpg", "e.jpg", "o.jpg", "1.wav"}) {
      programFiles_[folder_ + "/Plane/" + name] = readFile(std::string(TW_ASSETS_DIR "/Plane/") + name);
    }
  }

  void showMessage(const std::string&) override {}
  void playSound(std::shared_ptr<const Pcm> cue) override { played.push_back(std::move(cue)); }
  std::int64_t timeOfDayMs(std::int64_t now) override { return now; }
  TextSize measureText(const Font& font, const std::string& text) override { return evenFaceSize(font, text); }

  const std::string& programFolder() const override { return folder_; }
  FileContent readProgramFile(const std::string& path, std::size_t cap) override {
    const auto found = programFiles_.find(path);
    if (refuses_) return {FileContent::State::Unreadable, {}};
    if (found == programFiles_.end() || found->second.size() > cap) return {};
    return {FileContent::State::Read, found->second};
  }
  std::optional<FileVersion> programFileVersion(const std::string& path) override {
    const auto found = programFiles_.find(path);
    if (found == programFiles_.end()) return std::nullopt;
    return FileVersion{.size = static_cast<long long>(found->second.size())};
  }

  FileContent readSavedGame() override { return read(savedGame); }
  std::string keepSavedGame(const std::string& content) override { return keep(savedGame, content); }
  FileContent readPreferences() override { return read(preferences); }
  std::string keepPreferences(const std::string& content) override { return keep(preferences, content); }
  std::string preferencesPlace() override { return "memory"; }

  std::optional<std::string> savedGame, preferences;
  std::vector<std::shared_ptr<const Pcm>> played;

 private:
  FileContent read(const std::optional<std::string>& file) const {
    if (refuses_) return {FileContent::State::Unreadable, {}};
    if (!file) return {};
    return {FileContent::State::Read, *file};
  }
  std::string keep(std::optional<std::string>& file, const std::string& content) const {
    if (refuses_) return "the disk is full";
    file = content;
    return {};
  }

  bool refuses_;
  const std::string folder_ = "/memory";
  std::map<std::string, std::string> programFiles_;
};

// Scripts run on `host`, whatever program folder the command line names.
Runner on(Host& host) {
  return [&host](const CommandLine& options, std::ostream& out, std::ostream& err) {
    Application app(host, appOptionsFor(options, host));
    return runScriptFile(app, *options.script, out, err);
  };
}

// What lies in a folder, by name.
Lines namesIn(const std::string& folder) {
  Lines names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

const Lines kTurnSounds = {"sound: 4", "sound: 1", "sound: 5"};

TEST_F(HostFiles, TheGameAsksItsHostForPicturesSaveIniAndThePreferencesAndNeverTheDisk) {
  MemoryHost host(false);
  // Plane 0 was turned south at 20 ms: its picture comes from the host's program folder.
  EXPECT_TRUE(plays({"wait 20100", "print Form1.Aereo(0).Picture = s.jpg", "set Form1.LV 3", "set Form1.CL 17",
                     "set Form1.TM 245", "set Form1.Salvati 4", "click Form1.Label2", "> message: Saved",
                     "set Form1.LV 7", "click Form1.Label3", "wait 100", "> message: Are you ready?",
                     "print Form1.LV = 3", "print Form1.CL = 17", "key Form1 M", "print Program.Muted = true", "wait 5000"},
                    {}, kTurnSounds, on(host)));
  // Each cue is handed over decoded, its file decoded once; cue 4 has no file here, so it only
  // stops the one playing; muted, no more new planes are heard.
  ASSERT_EQ(host.played.size(), 7u);
  EXPECT_EQ(host.played[0], nullptr);
  ASSERT_NE(host.played[1], nullptr);
  EXPECT_EQ(host.played[1]->samples, readCue(host, "/memory/Plane/1.wav")->samples);
  EXPECT_EQ(host.played[6], host.played[1]);
  EXPECT_EQ(host.savedGame, savedGameLine({"3", "17", "245", "4"}));
  EXPECT_EQ(host.preferences, "[General]\nmuted=true\n");
  // The next run starts muted, from what the host kept.
  EXPECT_TRUE(plays({"print Program.Muted = true"}, {}, {}, on(host)));

  EXPECT_EQ(namesIn(programDir()), Lines{"Plane"});
  for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) EXPECT_EQ(namesIn(std::getenv(folder)), Lines{});
}

TEST_F(HostFiles, AHostThatRefusesEveryFileStillPlaysAndSaysWhatCouldNotBeDone) {
  MemoryHost host(true);
  const ScriptRun run = runScript(
      "wait 20100\nprint Form1.Aereo(0).Picture\nprint Form1.Aereo(1).Visible\nclick Form1.Label2\n"
      "click Form1.Label3\nwait 100\nkey Form1 M\nkey Form1 M\nprint Program.Muted\n",
      {}, on(host));
  EXPECT_EQ(run.status, 0) << run.err;
  Lines printed = run.lines;
  std::erase_if(printed, [](const std::string& line) { return line.starts_with("sound: "); });
  EXPECT_EQ(printed, (Lines{"open: Form1", "Form1.Aereo(0).Picture = ", "Form1.Aereo(1).Visible = true",
                            "message: The game could not be saved: the disk is full.",
                            "message: The saved game cannot be read and was not loaded.", "Program.Muted = false"}));
  EXPECT_EQ(std::ranges::count(host.played, nullptr), static_cast<long>(host.played.size()));
  // Said once a run, however often the player presses M.
  EXPECT_EQ(run.err, "tarmac-warden: the sound choice cannot be kept in memory: the disk is full\n");
}

}  // namespace
}  // namespace tw::test
