// Any script, run on the headless game as `--headless --script` runs it.
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <istream>
#include <limits>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "app/session.h"
#include "model/application.h"
#include "model/field.h"
#include "frontends/headless/headless_host.h"

namespace {

// Virtual time a run may spend with timers running: a script that waits longer is cut
// before that wait, so each run stays short. A wait while nothing runs costs nothing, so
// waits still reach the whole 64-bit clock.
constexpr std::int64_t kMaxBusyMs = 200'000;

// The game's own pace: its 1 ms timers tick once a frame.
constexpr int kTimerResolution = 16;

// A program folder of its own, so saves and the mute choice never land in the source tree
// or the user's folders. Removed at exit.
class ProgramDir {
 public:
  ProgramDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarmac-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    std::filesystem::create_directory_symlink(TW_ASSETS_DIR "/Plane", path_ + "/Plane");
    ::setenv("XDG_CONFIG_HOME", (path_ + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (path_ + "/data").c_str(), 1);
  }
  ~ProgramDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

  // Each run starts with no saved game, so a run depends on its own input alone.
  void forgetSavedGame() const {
    std::error_code ignored;
    std::filesystem::remove(path_ + "/Save.ini", ignored);
  }

 private:
  std::string path_;
};

// The next word, split as the script runner splits it: on single spaces.
std::string_view nextWord(std::string_view& rest) {
  const auto start = rest.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(start);
  const auto end = rest.find(' ');
  const std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return word;
}

// The milliseconds a script line lets the clock run: those of a `wait` with a whole number,
// otherwise none; past what any clock holds, the most a clock holds.
std::int64_t waitOf(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#' || nextWord(line) != "wait") return 0;
  const std::string_view ms = nextWord(line);
  if (!tw::allDigits(ms)) return 0;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(ms.data(), ms.data() + ms.size(), value);
  return error == std::errc() ? value : std::numeric_limits<std::int64_t>::max();
}

// Hands the script to the runner a line at a time, ending it before the wait that would
// spend more than kMaxBusyMs with timers running. The runner reads a line only once it has
// run the one before, so the scheduler tells what runs now.
class PacedScript : public std::streambuf {
 public:
  PacedScript(std::string_view script, const tw::Scheduler& scheduler) : rest_(script), scheduler_(scheduler) {}

 protected:
  int_type underflow() override {
    if (rest_.empty()) return traits_type::eof();
    const std::size_t end = std::min(rest_.find('\n'), rest_.size() - 1) + 1;
    line_.assign(rest_.substr(0, end));
    rest_.remove_prefix(end);
    if (scheduler_.nextDue()) {
      busy_ += std::min(waitOf(line_), kMaxBusyMs + 1);
      if (busy_ > kMaxBusyMs) {
        rest_ = {};
        return traits_type::eof();
      }
    }
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(line_.front());
  }

 private:
  std::string_view rest_;
  const tw::Scheduler& scheduler_;
  std::string line_;
  std::int64_t busy_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ProgramDir folder;
  folder.forgetSavedGame();
  std::ostringstream out;
  std::ostringstream err;
  tw::HeadlessHost host(0, folder.path());
  tw::Application app(host, tw::AppOptions{kTimerResolution});
  PacedScript paced(std::string_view(reinterpret_cast<const char*>(data), size), app.scheduler());
  std::istream script(&paced);
  tw::runScriptStream(app, script, out, err);
  return 0;
}
