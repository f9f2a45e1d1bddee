// Any script, run on the headless game as `--headless --script` runs it.
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include "app/session.h"
#include "platform/application.h"
#include "platform/field.h"
#include "platform/headless_host.h"

namespace {

// Virtual time a run may take: a script that waits longer is cut before that wait, so each
// run stays short.
constexpr std::int64_t kMaxVirtualMs = 200'000;

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
// otherwise none. Anything past the limit counts as just past it, however many digits it has.
std::int64_t waitOf(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#' || nextWord(line) != "wait") return 0;
  std::string_view ms = nextWord(line);
  if (!tw::allDigits(ms)) return 0;
  ms.remove_prefix(std::min(ms.find_first_not_of('0'), ms.size()));
  if (ms.size() > 9) return kMaxVirtualMs + 1;
  std::int64_t value = 0;
  std::from_chars(ms.data(), ms.data() + ms.size(), value);
  return value;
}

// The script up to the line whose wait would take it past kMaxVirtualMs.
std::string_view withinTimeLimit(std::string_view script) {
  std::int64_t total = 0;
  for (std::size_t start = 0; start < script.size();) {
    const std::size_t end = std::min(script.find('\n', start), script.size());
    total += waitOf(script.substr(start, end - start));
    if (total > kMaxVirtualMs) return script.substr(0, start);
    start = end + 1;
  }
  return script;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ProgramDir folder;
  folder.forgetSavedGame();
  std::istringstream script{std::string(withinTimeLimit(std::string_view(reinterpret_cast<const char*>(data), size)))};
  std::ostringstream out;
  std::ostringstream err;
  tw::HeadlessHost host;
  tw::Application app(host, tw::AppOptions{kTimerResolution, folder.path()});
  tw::runScriptStream(app, script, out, err);
  return 0;
}
