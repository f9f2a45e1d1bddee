// A display that cannot be opened, whatever the reason, is said in one line and ends the
// game with status 2, never an abort.
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "test_support.h"

namespace tw::test {
namespace {

using Display = GameTest;

namespace fs = std::filesystem;

// The windowed game started with `environment` (which removes or sets variables, as env(1)
// takes them): its exit status and what it said.
std::pair<int, std::string> startWindowed(const std::string& environment) {
  TempDir dir;
  const std::string err = dir.path() + "/err";
  const int status = std::system(("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR=" + dir.path() +
                                  " " + environment + " timeout 60 " TW_EXECUTABLE " 2>" + err)
                                     .c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(err)};
}

// An X socket nobody listens on any more, as a crashed server leaves it.
class DeadXSocket {
 public:
  DeadXSocket() {
    fs::create_directories(kFolder);
    for (number_ = 400; fs::exists(path()) || fs::is_symlink(path()); ++number_) {
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path().copy(address.sun_path, sizeof address.sun_path - 1);
    bound_ = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
  }
  ~DeadXSocket() {
    if (bound_) fs::remove(path());
  }
  bool bound() const { return bound_; }
  int number() const { return number_; }

 private:
  static constexpr const char* kFolder = "/tmp/.X11-unix";
  std::string path() const { return std::string(kFolder) + "/X" + std::to_string(number_); }
  int number_;
  bool bound_ = false;
};

TEST_F(Display, ADisplayThatCannotBeOpenedIsSaidAndEndsWithStatusTwo) {
  const DeadXSocket dead;
  ASSERT_TRUE(dead.bound());
  const std::string said = "tarmac-warden: cannot open a display; try --headless\n";
  for (const std::string& environment :
       {"DISPLAY=:" + std::to_string(dead.number()), std::string("DISPLAY=nohost.invalid:0"),
        std::string("DISPLAY=127.0.0.1:57"), std::string("WAYLAND_DISPLAY=wayland-9 XDG_SESSION_TYPE=wayland"),
        std::string("WAYLAND_DISPLAY=wayland-9 QT_QPA_PLATFORM=wayland")}) {
    EXPECT_EQ(startWindowed(environment), std::make_pair(2, said)) << environment;
  }
}

}  // namespace
}  // namespace tw::test
