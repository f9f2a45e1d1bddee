// The ticks look only at planes that moved or came on the board: a plane a script moves or
// shows again must still be named, and still collide.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "test_support.h"

namespace tw::test {
namespace {

struct Case {
  const char* what;
  const char* script;  // run from 20100 ms: plane 0 flies on A - 5, plane 1 has come in on A - 1
  std::vector<std::string> ending;
};

TEST(PlaneBookkeeping, APlaneAScriptMovesOrShowsIsNamedAndCollides) {
  const std::vector<std::string> crash{"sound: 3", "message: Ops...Crash!!! Game Over!", "open: Form2", "sound: 8",
                                       "close: Form1"};
  const std::vector<Case> cases{
      {"moved on the board, then onto plane 0",
       "set Form1.Aereo(1).Top 1920\nwait 2\nprint Form1.Posi(1)\nset Form1.Aereo(1).Top 3120\nwait 2\n",
       {"Form1.Posi(1) = A - 3"}},
      {"landed, moved onto plane 1 while hidden, then shown",
       "set Form1.DT A - 5\nclick Form1.Label1\nset Form1.Aereo(0).Top 720\nwait 2\nprint Form1.Posi(0)\n"
       "set Form1.Aereo(0).Visible true\nwait 2\n",
       {"sound: 6", "Form1.Posi(0) = A - 1"}}};
  for (const Case& c : cases) {
    const auto run = runScript(std::string("wait 20100\n") + c.script);
    auto expected = c.ending;
    expected.insert(expected.end(), crash.begin(), crash.end());
    EXPECT_EQ(lastLines(run, expected.size()), expected) << c.what;
  }
}

}  // namespace
}  // namespace tw::test

namespace tw::test {
namespace {

// Plane pictures are read at every turn; a file looked at before is only read again once it
// changed, so a change must be seen at once.
TEST(PlaneBookkeeping, APictureFileChangedOnDiskIsSeenAtTheNextLoad) {
  TempDir dir;
  const std::string path = dir.path() + "/s.jpg";
  auto write = [&path](std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; };
  HeadlessHost host;
  write("\xFF\xD8\xFF\xE0 a plane");
  EXPECT_TRUE(host.pictureReadable(path));
  write("GIF89a");
  EXPECT_FALSE(host.pictureReadable(path));
  std::filesystem::remove(path);
  EXPECT_FALSE(host.pictureReadable(path));
  write("\xFF\xD8\xFF\xE0 the plane again");
  EXPECT_TRUE(host.pictureReadable(path));
}

}  // namespace
}  // namespace tw::test
