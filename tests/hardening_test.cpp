// What scripts, files and options throw at the game: it says what is wrong, or copes, and
// never crashes, hangs or loses a save.
#include <gtest/gtest.h>

#include "test_support.h"

namespace tw::test {
namespace {

TEST(Hardening, TheInsertionPointStaysInsideTheTextAndCountsCharacters) {
  const auto run = runScript(
      // The setup of level 2 writes "19000" under an insertion point set past it.
      "set Form1.NuovoVel.Visible true\nset Form1.NuovoVel.SelStart 7\nset Form1.LV 2\nwait 20\n"
      "type Form1.NuovoVel x\nprint Form1.NuovoVel\nprint Form1.NuovoVel.SelStart\n"
      // An accented level: the landing's line is 37 bytes but 36 characters.
      "set Form1.Text1 \nset Form1.LV \xC3\xA9\nset Form1.Salvati 3\nset Form1.DT A - 1\nclick Form1.Label1\nprint Form1.Text1\n"
      "print Form1.Text1.SelStart\nset Form1.Text1.SelStart 99\nprint Form1.Text1.SelStart\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(std::vector<std::string>(run.lines.end() - 6, run.lines.end()),
            (std::vector<std::string>{"Form1.NuovoVel = 19000x", "Form1.NuovoVel.SelStart = 6", "sound: 6",
                                      "Form1.Text1 = Mission level \xC3\xA9. Land 2 airplanes.\\r\\n",
                                      "Form1.Text1.SelStart = 36", "Form1.Text1.SelStart = 36"}));
}

}  // namespace
}  // namespace tw::test
