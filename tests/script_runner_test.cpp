// The command line and the script language that outside checks drive the game with.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "test_support.h"

namespace tw::test {
namespace {

TEST(ScriptRunner, PrintsTimeWindowsAndEscapedValues) {
  const auto run = runScript("# a comment\n\ntime\nwait 250\ntime\nwindows\nset Form1.LV a\\b\r\nprint Form1.LV\n"
                             "set Form1.DT a - 1\nprint Form1.DT\nset Form1.Caricato 1\nprint Form1.Caricato\n"
                             "print Form1.Posi(0)\nprint Form1.Aereo(0).Picture\nprint Form2.Visible\nprint Form1.LET(3)\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(linesAfter(run, "sound: 1"),
            (std::vector<std::string>{"time = 0", "time = 250", "windows = Form1", "Form1.LV = a\\\\b",
                                      "Form1.DT = a - 1", "Form1.Caricato = 1", "Form1.Posi(0) = A - 1",
                                      "Form1.Aereo(0).Picture = s.jpg", "Form2.Visible = false",
                                      "Form1.LET(3) = Directions:"}));
}

TEST(ScriptRunner, ErrorsNameTheLineAndEndWithStatusTwo) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"time\nfly Form1\n", "error: line 2: unknown command 'fly'\n"},
      {"print Form1.Nothing\n", "error: line 1: unknown name Form1.Nothing\n"},
      {"print Form9.LV\n", "error: line 1: unknown window Form9\n"},
      {"wait soon\n", "error: line 1: wait takes a whole number of milliseconds, not 'soon'\n"},
      {"set Form1.Aereo(0).Left far\n", "error: line 1: not a number: far\n"},
      {"set Form1.Caricato 70000\n", "error: line 1: not a 16-bit whole number: 70000\n"},
      {"print Form3.LV\n", "error: line 1: unknown name Form3.LV: Form3 is not open\n"},
      // A closed window's timers stay closed: no handler of a closed window runs.
      {"close Form1\nset Form1.Tempo.Enabled true\nwait 1000\n",
       "error: line 2: unknown name Form1.Tempo: Form1 is not open\n"},
      {"set Form3.Timer1.Enabled true\nwait 200\n", "error: line 1: unknown name Form3.Timer1: Form3 is not open\n"},
      {"click Form1.LV(\n", "error: line 1: bad name 'Form1.LV('\n"},
      {"print Form1.LV.Colour\n", "error: line 1: no property Colour\n"},
      {"type Form1.LV abc\n", "error: line 1: LV is not a text box\n"},
      {"screenshot Form1 /tmp/x.png\n", "error: line 1: cannot save a screenshot of Form1 to /tmp/x.png\n"},
      {"click-at Form3 10 10\n", "error: line 1: Form3 is not open\n"},
      {"click-at Form1 10\n", "error: line 1: click-at takes a point in twips, not '10'\n"},
      {"click-at Form1 10 ten\n", "error: line 1: click-at takes a point in twips, not '10 ten'\n"},
      {"click-at Form1 10 10 10\n", "error: line 1: click-at takes a point in twips, not '10 10 10'\n"},
  };
  for (const auto& c : cases) {
    const auto run = runScript(c.script);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_EQ(run.err, c.error) << c.script;
  }
}

TEST(ScriptRunner, TheRunEndsWhenTheLastWindowCloses) {
  const auto run = runScript("close Form1\nclose Form2\nprint Form1.LV\n");
  EXPECT_EQ(run.status, 0);
  ASSERT_FALSE(run.lines.empty());
  EXPECT_EQ(run.lines.back(), "exit");
}

TEST(ScriptRunner, ClickingHiddenElementsDoesNothing) {
  const auto run = runScript("set Form1.Picture1.Visible false\nclick Form1.Label1\nclick Form1.DestAereo(0)\n"
                             "print Form1.CL\n");
  EXPECT_EQ(linesAfter(run, "sound: 1"), std::vector<std::string>{"Form1.CL = 1"});
}

TEST(ScriptRunner, TheVirtualTimeOfDaySeedsTheSameDrawsEveryRun) {
  const std::string script = "wait 20\nprint Form1.AereoDest1(0)\nprint Form1.AereoDest2(0)\nprint Form1.Stars(7).Left\n";
  EXPECT_EQ(runScript(script, {"--time-of-day", "4000"}).lines, runScript(script, {"--time-of-day", "4000"}).lines);
}

TEST(CommandLine, AcceptsTheDocumentedOptions) {
  const auto parsed = parseCommandLine({"--headless", "--script", "-", "--timer-resolution", "1",
                                        "--time-of-day", "86399", "--program-dir", TW_ASSETS_DIR});
  ASSERT_EQ(parsed.error, "");
  EXPECT_TRUE(parsed.options.headless);
  EXPECT_EQ(*parsed.options.script, "-");
  EXPECT_EQ(parsed.options.timerResolution, 1);
  EXPECT_EQ(parsed.options.timeOfDay, 86399);
  EXPECT_EQ(*parsed.options.programDir, TW_ASSETS_DIR);
  EXPECT_EQ(parseCommandLine({}).options.timerResolution, 16);
}

TEST(CommandLine, RejectsBadOptionsAndValues) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--timer-resolution", "0"}, {"--timer-resolution", "1001"}, {"--timer-resolution", "1.5"},
           {"--time-of-day", "86400", "--script", "x"}, {"--time-of-day", "-1", "--script", "x"},
           {"--headless"}, {"--script"}, {"--fullscreen"}, {"--time-of-day", "5"},
           {"--program-dir", TW_ASSETS_DIR "/Plane/1.wav", "--headless", "--script", "-"}, {"--level", "3"},
           {"--demo", "--level", "12"}, {"--demo", "--games", "2"}, {"--headless", "--demo", "--games", "0"},
           {"--demo", "--script", "-"}}) {
    EXPECT_NE(parseCommandLine(args).error, "") << args[0];
  }
}

}  // namespace
}  // namespace tw::test
