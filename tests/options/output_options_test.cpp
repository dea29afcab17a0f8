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
  OutputOptions options;
  options.leadersCount = 7;
  SetDefaultOptions(options);
  EXPECT_EQ(EncodeOptionsText(options), kDefaultDigits);
}

TEST(OutputOptions, NothingStoredGivesDefaultsAndWritesNothing) {
  MemoryStore store;
  OutputOptions options;
  options.gameStats = 0;
  EXPECT_EQ(LoadOptions(store, options), LoadResult::kNone);
  EXPECT_EQ(EncodeOptionsText(options), kDefaultDigits);
  EXPECT_EQ(store.writes + store.deletes, 0);
}

TEST(OutputOptions, RoundTripKeepsEveryField) {
  OutputOptions options;
  options.gameStats = 0;
  options.leagueStats = 1;
  options.leadersCount = -1;
  options.fileFormat = kUnix;
  options.perPlayStats = 1;
  options.reserved[5] = 0xAB;
  MemoryStore store;
  ASSERT_TRUE(SaveOptions(store, options));
  OutputOptions loaded;
  ASSERT_EQ(LoadOptions(store, loaded), LoadResult::kStored);
  EXPECT_EQ(EncodeOptionsText(loaded), EncodeOptionsText(options));
  EXPECT_EQ(loaded.leadersCount, -1);
  EXPECT_EQ(loaded.fileFormat, kUnix);
  EXPECT_EQ(store.value->substr(32, 8), "ffffffff");
}

struct StoredCase {
  std::string text;
  LoadResult result;
  bool deleted;
};

class StoredTextTest : public testing::TestWithParam<StoredCase> {};

TEST_P(StoredTextTest, IsAcceptedOrDeleted) {
  MemoryStore store;
  store.value = GetParam().text;
  OutputOptions options;
  EXPECT_EQ(LoadOptions(store, options), GetParam().result);
  EXPECT_EQ(store.deletes, GetParam().deleted ? 1 : 0);
  EXPECT_EQ(store.value.has_value(), !GetParam().deleted);
}

// A Unix-format text: fileFormat 2 at offset 24.
const std::string kUnixDigits = std::string(kDefaultDigits).substr(0, 48) + "02000000";
// version 19 (0x13) in place of 20.
const std::string kVersion19 = "13" + std::string(kDefaultDigits).substr(2);

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredTextTest,
    testing::Values(StoredCase{kUnixDigits, LoadResult::kStored, false},
                    StoredCase{kUnixDigits + "x", LoadResult::kStored, false},  // 57: last ignored
                    StoredCase{kUnixDigits.substr(0, 55), LoadResult::kWrongLength, true},
                    StoredCase{kUnixDigits + "00", LoadResult::kWrongLength, true},
                    StoredCase{"", LoadResult::kWrongLength, true},
                    StoredCase{kVersion19, LoadResult::kWrongVersion, true}));

TEST(OutputOptions, UpperCaseAndStrayCharactersDecodeByTheRule) {
  MemoryStore store;
  std::string text = kUnixDigits;
  text[48] = '0';
  text[49] = 'A';  // fileFormat 10 through the upper-case digit
  store.value = text;
  OutputOptions options;
  ASSERT_EQ(LoadOptions(store, options), LoadResult::kStored);
  EXPECT_EQ(options.fileFormat, 10);
  // ":" (58) decodes as 10 + 9 = 19, so "1:" is 16 + 19 = 35: not version 20.
  store.value = std::string("1:") + std::string(kDefaultDigits).substr(2);
  EXPECT_EQ(LoadOptions(store, options), LoadResult::kWrongVersion);
}

// A stored record may hold any format number: an unknown one writes the
// Windows line ends rather than reading past the three known.
TEST(LineEnding, FollowsTheFormatAndWindowsForAnyOther) {
  const struct {
    std::int32_t format;
    std::string_view once;
    std::string_view twice;
  } cases[] = {{kMacintosh, "\r", "\r\r"},
               {kWindows, "\r\n", "\r\n\r\n"},
               {kUnix, "\n", "\n\n"},
               {3, "\r\n", "\r\n\r\n"},
               {-7, "\r\n", "\r\n\r\n"}};
  for (const auto& c : cases) {
    EXPECT_EQ(LineEnding(c.format), c.once) << c.format;
    EXPECT_EQ(DoubleLineEnding(c.format), c.twice) << c.format;
  }
}

// Malformed settings files load the defaults; only a value of the wrong form
// is deleted, and nothing is made in the place of a folder.
TEST(IniSettingsStore, MalformedFilesLoadTheDefaults) {
  test::TempDir dir;
  std::string garbage(300, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i)
    garbage[i] = static_cast<char>(i * 37 + 11);
  const struct {
    const char* name;
    std::optional<std::string> text;  // none: a folder in the file's place
    LoadResult result;
    const char* after;  // the file's bytes once loaded; nullptr: unchanged
  } cases[] = {
      {"garbage", garbage, LoadResult::kNone, nullptr},
      {"empty", "", LoadResult::kNone, nullptr},
      {"short", "[Settings]\nOptions=00ff\nColour=blue\n", LoadResult::kWrongLength,
       "[Settings]\nColour=blue\n"},
      {"folder", std::nullopt, LoadResult::kNone, nullptr},
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
    OutputOptions options;
    EXPECT_EQ(LoadOptions(store, options), c.result);
    EXPECT_EQ(EncodeOptionsText(options), kDefaultDigits);
    if (c.text) {
      EXPECT_EQ(test::ReadFileBytes(path), c.after != nullptr ? c.after : *c.text);
    }
  }
  EXPECT_FALSE(IniSettingsStore(dir.File("folder")).WriteOptions(kDefaultDigits));
  struct stat info;
  ASSERT_EQ(::stat(dir.File("folder").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  // A file that cannot be read (a link to itself) is as if there were none.
  ASSERT_EQ(::symlink(dir.File("loop").c_str(), dir.File("loop").c_str()), 0);
  IniSettingsStore loop(dir.File("loop"));
  OutputOptions options;
  EXPECT_EQ(LoadOptions(loop, options), LoadResult::kNone);
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
