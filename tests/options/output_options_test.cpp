// Output options: defaults, the stored text and the INI store that keeps it.
#include "options/output_options.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <optional>

#include "options/settings_store.h"
#include "support/temp_dir.h"

namespace yl::options {
namespace {

constexpr const char* kDefaultDigits = "14000000000101000001010001010000140000000000010001000000";

// A store in memory that counts its changes.
class MemoryStore : public SettingsStore {
 public:
  std::optional<std::string> value;
  int writes = 0;
  int deletes = 0;
  std::optional<std::string> ReadOptions() override { return value; }
  bool WriteOptions(std::string_view text) override {
    ++writes;
    value = std::string(text);
    return true;
  }
  bool DeleteOptions() override {
    ++deletes;
    value.reset();
    return true;
  }
};

TEST(OutputOptions, DefaultsEncodeToTheKnownDigits) {
  EXPECT_EQ(EncodeOptionsText(OutputOptions()), kDefaultDigits);
}

TEST(OutputOptions, RoundTripKeepsEveryChoice) {
  OutputOptions options;
  options.mode = ReportMode::kPerPlay;
  options.gameLayout = FileLayout::kSeparateFiles;
  options.perPlayLayout = FileLayout::kOneFile;
  options.cumulativePlayerTables = false;
  options.leagueTeamTables = false;
  options.leadersCount = kEveryPlayer;
  options.lineEnds = LineEnds::kUnix;
  MemoryStore store;
  ASSERT_TRUE(SaveOptions(store, options));
  const LoadedOptions loaded = LoadOptions(store);
  EXPECT_EQ(loaded.result, LoadResult::kStored);
  EXPECT_EQ(loaded.options, options);
  EXPECT_EQ(store.value->substr(32, 8), "ffffffff");
  EXPECT_EQ(store.writes, 1);
}

// Loading reads the store and changes nothing in it, whatever it holds.
TEST(OutputOptions, StoredTextsAreReadByTheirForm) {
  // A Unix-format text: fileFormat 2 at offset 24.
  const std::string unixDigits = std::string(kDefaultDigits).substr(0, 48) + "02000000";
  const struct {
    std::optional<std::string> text;
    LoadResult result;
  } cases[] = {
      {std::nullopt, LoadResult::kNone},
      {unixDigits, LoadResult::kStored},
      {unixDigits + "x", LoadResult::kStored},  // 57: the last is not read
      {unixDigits.substr(0, 55), LoadResult::kWrongLength},
      {unixDigits + "00", LoadResult::kWrongLength},
      {"", LoadResult::kWrongLength},
      {"13" + std::string(kDefaultDigits).substr(2), LoadResult::kWrongVersion},  // version 19
      // ":" (58) decodes as 10 + 9 = 19, so "1:" is 16 + 19 = 35: not version 20.
      {"1:" + std::string(kDefaultDigits).substr(2), LoadResult::kWrongVersion},
  };
  for (const auto& c : cases) {
    MemoryStore store;
    store.value = c.text;
    const LoadedOptions loaded = LoadOptions(store);
    EXPECT_EQ(loaded.result, c.result) << c.text.value_or("(none)");
    EXPECT_EQ(loaded.options.lineEnds,
              c.result == LoadResult::kStored ? LineEnds::kUnix : LineEnds::kWindows);
    EXPECT_EQ(store.value, c.text);
    EXPECT_EQ(store.writes + store.deletes, 0);
  }
}

// Records no version of the program writes read as they always ran: a
// format number out of range writes Windows line ends, several modes the
// first in the order of the report suffixes, a layout by its "separate" flag.
TEST(OutputOptions, UnusualRecordsReadAsTheyAlwaysRan) {
  // The default digits with bytes from `byte` on replaced.
  const auto with = [](std::size_t byte, std::string_view digits,
                       std::string text = kDefaultDigits) {
    text.replace(2 * byte, digits.size(), digits);
    return text;
  };
  const struct {
    std::string text;
    ReportMode mode;
    FileLayout gameLayout;
    LineEnds lineEnds;
  } cases[] = {
      {with(24, "0A"), ReportMode::kGame, FileLayout::kOneFile, LineEnds::kWindows},
      {with(24, "ffffffff"), ReportMode::kGame, FileLayout::kOneFile, LineEnds::kWindows},
      {with(24, "00"), ReportMode::kGame, FileLayout::kOneFile, LineEnds::kMacintosh},
      {with(8, "01000001"), ReportMode::kGame, FileLayout::kOneFile, LineEnds::kWindows},
      {with(5, "00000001000001"), ReportMode::kCumulative, FileLayout::kOneFile,
       LineEnds::kWindows},
      {with(5, "00010100010101"), ReportMode::kLeague, FileLayout::kSeparateFiles,
       LineEnds::kWindows},
      {with(20, "01", with(5, "000000")), ReportMode::kPerPlay, FileLayout::kOneFile,
       LineEnds::kWindows},
      {with(5, "00"), ReportMode::kGame, FileLayout::kOneFile, LineEnds::kWindows},  // none set
  };
  for (const auto& c : cases) {
    MemoryStore store;
    store.value = c.text;
    const LoadedOptions loaded = LoadOptions(store);
    ASSERT_EQ(loaded.result, LoadResult::kStored) << c.text;
    EXPECT_EQ(loaded.options.mode, c.mode) << c.text;
    EXPECT_EQ(loaded.options.gameLayout, c.gameLayout) << c.text;
    EXPECT_EQ(loaded.options.lineEnds, c.lineEnds) << c.text;
  }
}

// Malformed settings files load the defaults, untouched, and nothing is made
// in the place of a folder.
TEST(IniSettingsStore, MalformedFilesLoadTheDefaults) {
  test::TempDir dir;
  std::string garbage(300, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i)
    garbage[i] = static_cast<char>(i * 37 + 11);
  const struct {
    const char* name;
    std::optional<std::string> text;  // none: a folder in the file's place
    LoadResult result;
  } cases[] = {
      {"garbage", garbage, LoadResult::kNone},
      {"empty", "", LoadResult::kNone},
      {"short", "[Settings]\nOptions=00ff\nColour=blue\n", LoadResult::kWrongLength},
      {"folder", std::nullopt, LoadResult::kNone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.File(c.name);
    if (c.text) {
      dir.Write(c.name, *c.text);
    } else {
      ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
    }
    IniSettingsStore store(path);
    const LoadedOptions loaded = LoadOptions(store);
    EXPECT_EQ(loaded.result, c.result);
    EXPECT_EQ(loaded.options, OutputOptions());
    if (c.text) {
      EXPECT_EQ(test::ReadFileBytes(path), *c.text);
    }
  }
  EXPECT_FALSE(IniSettingsStore(dir.File("folder")).WriteOptions(kDefaultDigits));
  struct stat info;
  ASSERT_EQ(::stat(dir.File("folder").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  // A file that cannot be read (a link to itself) is as if there were none.
  ASSERT_EQ(::symlink(dir.File("loop").c_str(), dir.File("loop").c_str()), 0);
  IniSettingsStore loop(dir.File("loop"));
  EXPECT_EQ(LoadOptions(loop).result, LoadResult::kNone);
}

TEST(IniSettingsStore, KeepsOtherSectionsAndKeys) {
  test::TempDir dir;
  const std::string path = dir.Write("yardledger.conf",
                                     "[General]\nOptions=keep-me\n\n[Settings]\nColour = blue\n"
                                     "Options = 00\nSize=3\n[Other]\nx=1\n");
  IniSettingsStore store(path);
  EXPECT_EQ(store.ReadOptions(), "00");
  ASSERT_TRUE(store.WriteOptions(kDefaultDigits));
  EXPECT_EQ(test::ReadFileBytes(path),
            std::string("[General]\nOptions=keep-me\n\n[Settings]\nColour = blue\nOptions=") +
                kDefaultDigits + "\nSize=3\n[Other]\nx=1\n");
  ASSERT_TRUE(store.DeleteOptions());
  EXPECT_FALSE(store.ReadOptions().has_value());
  EXPECT_EQ(test::ReadFileBytes(path),
            "[General]\nOptions=keep-me\n\n[Settings]\nColour = blue\nSize=3\n[Other]\nx=1\n");
  // Only the file itself is left: the temporary file was renamed over it.
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"yardledger.conf"});
}

TEST(IniSettingsStore, CreatesFoldersAndSection) {
  test::TempDir dir;
  IniSettingsStore store(dir.File("Corbelton/deeper/yardledger.conf"));
  EXPECT_FALSE(store.ReadOptions().has_value());
  ASSERT_TRUE(store.WriteOptions("abc"));
  EXPECT_EQ(test::ReadFileBytes(store.path()), "[Settings]\nOptions=abc\n");
  IniSettingsStore missing(dir.File("none.conf"));
  EXPECT_TRUE(missing.DeleteOptions());
  EXPECT_FALSE(test::FileExists(dir.File("none.conf")));
}

TEST(IniSettingsStore, AddsTheKeyToAnExistingSection) {
  test::TempDir dir;
  const std::string path = dir.Write("s.conf", "[Settings]\nOther=1\n[Later]\ny=2\n");
  IniSettingsStore store(path);
  ASSERT_TRUE(store.WriteOptions("ff"));
  EXPECT_EQ(test::ReadFileBytes(path), "[Settings]\nOther=1\nOptions=ff\n[Later]\ny=2\n");
  EXPECT_EQ(store.ReadOptions(), "ff");
}

TEST(IniSettingsStore, OtherValuesChangeTogetherAndLeaveTheOptionsAlone) {
  test::TempDir dir;
  const std::string path =
      dir.Write("s.conf", "[Other]\nSize=9\n[Settings]\nSize = 1x1\nOptions=ab\nGone=x\n");
  IniSettingsStore store(path);
  EXPECT_EQ(store.ReadValue("Size"), "1x1");
  EXPECT_FALSE(store.ReadValue("Folder").has_value());
  ASSERT_TRUE(store.WriteValues({{"Size", "600x400"}, {"Gone", std::nullopt}, {"Folder", "/a b"}}));
  EXPECT_EQ(test::ReadFileBytes(path),
            "[Other]\nSize=9\n[Settings]\nSize=600x400\nOptions=ab\nFolder=/a b\n");
  EXPECT_EQ(store.ReadOptions(), "ab");
  // A value of more than one line would break the file: refused whole.
  EXPECT_FALSE(store.WriteValues({{"Folder", "/c"}, {"Size", "1\nOptions=00"}}));
  EXPECT_EQ(store.ReadValue("Folder"), "/a b");
  // Writing the options keeps the other values.
  ASSERT_TRUE(store.WriteOptions("cd"));
  EXPECT_EQ(store.ReadValue("Size"), "600x400");
  IniSettingsStore fresh(dir.File("new.conf"));
  ASSERT_TRUE(fresh.WriteValues({{"Folder", "/x"}}));
  EXPECT_EQ(test::ReadFileBytes(fresh.path()), "[Settings]\nFolder=/x\n");
}

TEST(IniSettingsStore, UnwritableFolderIsReportedNotIgnored) {
  IniSettingsStore store("/proc/yardledger-cannot-write/yardledger.conf");
  EXPECT_FALSE(store.WriteOptions("00"));
}

TEST(DefaultSettingsPath, FollowsXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old != nullptr ? old : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
  EXPECT_EQ(DefaultSettingsPath(), "/tmp/cfg/Corbelton/yardledger.conf");
  ::unsetenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != 0) {
    EXPECT_EQ(DefaultSettingsPath(), std::string(home) + "/.config/Corbelton/yardledger.conf");
  }
  if (old != nullptr) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace yl::options
