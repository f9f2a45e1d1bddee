// The Save.ini format: what it writes, what it accepts, what it refuses, and whole writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "persistence/save_file.h"
#include "test_support.h"

namespace tw::test {
namespace {

std::string contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void expectCounters(const std::optional<SavedCounters>& got, const SavedCounters& want, const std::string& input) {
  ASSERT_TRUE(got.has_value()) << input;
  EXPECT_EQ(got->level, want.level) << input;
  EXPECT_EQ(got->clicks, want.clicks) << input;
  EXPECT_EQ(got->time, want.time) << input;
  EXPECT_EQ(got->toLand, want.toLand) << input;
}

TEST(SaveFile, WritesOneQuotedLineAndReadsItBack) {
  const SavedCounters saved{"3", "17", "245", "4"};
  EXPECT_EQ(savedGameLine(saved), "\"3\",\"17\",\"245\",\"4\"\r\n");
  expectCounters(parseSavedGame(savedGameLine(saved)), saved, "written line");
  expectCounters(parseSavedGame(savedGameLine({"11", "0", "0", ""})), {"11", "0", "0", ""}, "empty to land");
}

TEST(SaveFile, AcceptsUnquotedSpacedAndLongerLines) {
  const std::vector<std::pair<std::string, SavedCounters>> accepted = {
      {"3,17,245,4\r\n", {"3", "17", "245", "4"}},
      {"3,17,245,4", {"3", "17", "245", "4"}},
      {"3,17,245,\n", {"3", "17", "245", ""}},
      {" \"3\" ,\t17 , \" 245 \",  4  \r\n", {"3", "17", "245", "4"}},
      {"\"3\",\"17\",\"245\",\"4\",\"junk, more\",x\r\nsecond line", {"3", "17", "245", "4"}},
      {"007,0,2147483647,-2\r\n", {"7", "0", "2147483647", "-2"}},
      {"1,1,1,-2147483648", {"1", "1", "1", "-2147483648"}},
      // Clicks and time beyond 32 bits, as long play reaches them.
      {"1,1099511627776,999999999999999,-999999999999999", {"1", "1099511627776", "999999999999999", "-999999999999999"}},
  };
  for (const auto& [content, want] : accepted) expectCounters(parseSavedGame(content), want, content);
}

TEST(SaveFile, RefusesDamagedContent) {
  for (const std::string content :
       {"", "\r\n", "3,17,245\r\n", "3\r\n17\r\n245\r\n4\r\n", ",17,245,4", "3,,245,4", "3,17,,4",
        "-1,17,245,4", "3,-17,245,4", "3,17,1000000000000000,4", "3,17,245,-1000000000000000",
        "3.5,17,245,4", "+3,17,245,4", "3,17,1e3,4", "abc,17,245,4", "3,17,245,x", "\"3,17,245,4",
        "\"3\"x,17,245,4", "3,17,245,\"4\"x", "3,17,245,4\"", "9999999999999999,1,1,1"}) {
    EXPECT_FALSE(parseSavedGame(content).has_value()) << content;
  }
}

TEST(SaveFile, ReadsNoMoreThanFourKibibytes) {
  TempDir dir;
  const std::string path = dir.path() + "/Save.ini";
  std::string content = savedGameLine({"3", "17", "245", "4"});
  content.resize(kMaxSaveFileBytes, ' ');
  std::ofstream(path, std::ios::binary) << content;
  EXPECT_EQ(readSavedGame(path).state, SaveFileState::Loaded);
  std::ofstream(path, std::ios::binary | std::ios::app) << ' ';
  EXPECT_EQ(readSavedGame(path).state, SaveFileState::Damaged);
}

TEST(SaveFile, TellsAMissingFileFromOneThatCannotBeRead) {
  TempDir dir;
  EXPECT_EQ(readSavedGame(dir.path() + "/Save.ini").state, SaveFileState::Missing);
  EXPECT_EQ(readSavedGame(dir.path() + "/none/Save.ini").state, SaveFileState::Missing);
  EXPECT_EQ(readSavedGame(dir.path()).state, SaveFileState::Damaged);
  const std::string pipe = dir.path() + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(readSavedGame(pipe).state, SaveFileState::Damaged);
}

TEST(SaveFile, EachSaveReplacesTheFileWholeAndLeavesNothingElse) {
  TempDir dir;
  const std::string path = dir.path() + "/deeper/Save.ini";
  ASSERT_TRUE(writeSavedGame(path, {"3", "17", "245", "4"}));
  ASSERT_TRUE(writeSavedGame(path, {"5", "2", "9", "1"}));
  EXPECT_EQ(contentOf(path), "\"5\",\"2\",\"9\",\"1\"\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() + "/deeper"), {}), 1);
}

TEST(SaveFile, WhatASaveWritesLoadsBackAndWhatWouldNotIsNotWritten) {
  TempDir dir;
  const std::string path = dir.path() + "/Save.ini";
  const SavedCounters kept{"3", "17", "245", "4"};
  ASSERT_TRUE(writeSavedGame(path, kept));
  for (const SavedCounters& c : std::vector<SavedCounters>{{"2", "1099511627776", "86400", "-3"}, {"11", "0", "0", ""}}) {
    ASSERT_TRUE(writeSavedGame(path, c)) << c.clicks;
    EXPECT_EQ(readSavedGame(path).counters, c);
  }
  ASSERT_TRUE(writeSavedGame(path, kept));
  // A comma or a quotation mark once shifted the fields; a long or a broken text made a file
  // the game then called damaged.
  for (const SavedCounters& c : std::vector<SavedCounters>{{"2\",\"9\",\"9\",\"9", "1", "1", "1"},
                                                           {"2,9", "1", "1", "1"},
                                                           {std::string(5000, '7'), "1", "1", "1"},
                                                           {"", "1", "1", "1"},
                                                           {"3", "1\r\n2", "1", "1"},
                                                           {"3", "1", "1e+15", "1"}}) {
    EXPECT_FALSE(writeSavedGame(path, c)) << c.level.substr(0, 20) << " " << c.clicks << " " << c.time;
  }
  EXPECT_EQ(readSavedGame(path).counters, kept);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SaveFile, ASaveGoesThroughALinkRespectsWriteProtectionAndClearsOldLeftovers) {
  TempDir dir;
  const std::string target = dir.path() + "/real.ini";
  const std::string link = dir.path() + "/Save.ini";
  std::filesystem::create_symlink("real.ini", link);
  ASSERT_TRUE(writeSavedGame(link, {"3", "17", "245", "4"}));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(contentOf(target), "\"3\",\"17\",\"245\",\"4\"\r\n");

  // Left by saves killed midway: the old one goes, a fresh one may still be a save under way.
  const std::string stale = dir.path() + "/.real.ini.AbC123";
  const std::string fresh = dir.path() + "/.real.ini.XyZ789";
  std::ofstream(stale) << "half";
  std::ofstream(fresh) << "half";
  std::filesystem::last_write_time(stale, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
  ASSERT_TRUE(writeSavedGame(link, {"5", "2", "9", "1"}));
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(fresh));

  std::filesystem::permissions(target, std::filesystem::perms::owner_read);
  EXPECT_FALSE(writeSavedGame(link, {"6", "2", "9", "1"}));
  EXPECT_EQ(contentOf(target), "\"5\",\"2\",\"9\",\"1\"\r\n");
}

}  // namespace
}  // namespace tw::test
