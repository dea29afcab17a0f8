// The error log: entry bytes per line ending, the save question at the first
// entry that does not fit, declining, stopping, and write failures.
#include "run/error_log.h"

#include <gtest/gtest.h>

#include "options/output_options.h"
#include "run/errors.h"
#include "support/fake_platform.h"
#include "support/fatal_alert.h"
#include "support/temp_dir.h"

namespace yl::run {
namespace {

struct LogFixture {
  explicit LogFixture(options::LineEnds format = options::LineEnds::kWindows)
      : log(platform, files, format) {
    InitErrorLog(log);
  }
  test::FakePlatform platform;
  FileSystem files;
  ErrorLog log;
};

TEST(ErrorLog, NoEntriesNoQuestionNoFile) {
  test::TempDir dir;
  LogFixture f;
  f.platform.saveAnswer = dir.File("ErrorLog");
  DumpErrorLog(f.log);
  EXPECT_EQ(f.platform.saveQuestions, 0);
  EXPECT_TRUE(dir.Names().empty());
}

struct EndingCase {
  options::LineEnds format;
  const char* end;
};

class ErrorLogEndings : public testing::TestWithParam<EndingCase> {};

TEST_P(ErrorLogEndings, EntryIsThreeLines) {
  test::TempDir dir;
  LogFixture f(GetParam().format);
  f.platform.saveAnswer = dir.File("ErrorLog");
  LogTranscriptError(f.log, "Game1", ErrorKind::kPlayHeader, "With the score oops");
  LogTranscriptError(f.log, "Game1", ErrorKind::kFirstLine, "");
  DumpErrorLog(f.log);
  const std::string e = GetParam().end;
  EXPECT_EQ(test::ReadFileBytes(dir.File("ErrorLog")),
            "Game1" + e + "Don't understand play header" + e + "With the score oops" + e + "Game1" +
                e + "Don't understand first line of transcript" + e + e);
  EXPECT_EQ(f.platform.saveQuestions, 1);
  EXPECT_EQ(f.platform.lastSaveTitle, "Save Error Log As ");
  EXPECT_EQ(f.platform.lastSaveProposal, "ErrorLog");
}

INSTANTIATE_TEST_SUITE_P(Formats, ErrorLogEndings,
                         testing::Values(EndingCase{options::LineEnds::kMacintosh, "\r"},
                                         EndingCase{options::LineEnds::kWindows, "\r\n"},
                                         EndingCase{options::LineEnds::kUnix, "\n"}));

// Entries of a known size: name "G" (1), message of kind 4 (28), text, three
// LF line ends: 32 + text bytes.
TEST(ErrorLog, QuestionComesAtTheFirstEntryThatDoesNotFit) {
  test::TempDir dir;
  LogFixture f(options::LineEnds::kUnix);
  f.platform.saveAnswer = dir.File("log");
  const std::string text(268, 'a');  // entries of 300 bytes
  for (int i = 0; i < 3; ++i)
    LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, text);
  EXPECT_EQ(f.log.fill, 900u);
  EXPECT_EQ(f.platform.saveQuestions, 0);
  // 1 + 900 + 20 + 100 = 1021 fits under 1023: no write yet.
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, std::string(20, 'b'));
  EXPECT_EQ(f.platform.saveQuestions, 0);
  EXPECT_EQ(f.log.fill, 952u);
  // 1 + 952 + 70 + 100 = 1123: the buffered entries are written first.
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, std::string(70, 'c'));
  EXPECT_EQ(f.platform.saveQuestions, 1);
  EXPECT_EQ(test::ReadFileBytes(f.log.staged.HiddenPath()).size(), 952u);
  EXPECT_EQ(f.log.fill, 102u);
  DumpErrorLog(f.log);
  EXPECT_EQ(f.platform.saveQuestions, 1);
  const std::string all = test::ReadFileBytes(dir.File("log"));
  EXPECT_EQ(all.size(), 1054u);
  EXPECT_EQ(all.substr(952), "G\nDon't understand play header\n" + std::string(70, 'c') + "\n");
}

TEST(ErrorLog, BoundaryAtExactly1023) {
  LogFixture f(options::LineEnds::kUnix);
  f.platform.saveAnswer.clear();
  // fill 890 after three entries; 1 + 890 + 32 + 100 = 1023 does not exceed 1023.
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, std::string(268, 'a'));
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, std::string(268, 'a'));
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, std::string(258, 'a'));
  ASSERT_EQ(f.log.fill, 890u);
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, std::string(32, 'b'));
  EXPECT_EQ(f.platform.saveQuestions, 0);
  // The buffer now holds 954 bytes: a further entry does not fit.
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, std::string(1, 'c'));
  EXPECT_EQ(f.platform.saveQuestions, 1);
}

TEST(ErrorLog, DecliningDropsEverythingAndAsksOnce) {
  test::TempDir dir;
  LogFixture f;
  for (int i = 0; i < 10; ++i)
    LogTranscriptError(f.log, "Game", ErrorKind::kPlayGains, std::string(200, 'x'));
  EXPECT_EQ(f.platform.saveQuestions, 1);
  EXPECT_TRUE(f.log.declined);
  EXPECT_EQ(f.log.fill, 0u);
  DumpErrorLog(f.log);
  EXPECT_EQ(f.platform.saveQuestions, 1);
  EXPECT_EQ(f.log.entries, 10);
}

TEST(ErrorLog, LongTextsAreCutToTheLineBuffer) {
  test::TempDir dir;
  LogFixture f(options::LineEnds::kUnix);
  f.platform.saveAnswer = dir.File("log");
  LogTranscriptError(f.log, std::string(80, 'n'), ErrorKind::kPlayExtras, std::string(5000, 'z'));
  DumpErrorLog(f.log);
  EXPECT_EQ(
      test::ReadFileBytes(dir.File("log")),
      std::string(63, 'n') + "\nDon't understand play extras\n" + std::string(499, 'z') + "\n");
}

TEST(ErrorLog, StopDeletesACreatedLog) {
  test::TempDir dir;
  LogFixture f;
  f.platform.saveAnswer = dir.File("log");
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, "h");
  WriteErrorBuffer(f.log);
  ASSERT_EQ(dir.Names().size(), 1u);
  DeleteErrorLog(f.log);
  EXPECT_TRUE(dir.Names().empty());
  DumpErrorLog(f.log);
  EXPECT_TRUE(dir.Names().empty());
}

TEST(ErrorLog, StopBeforeTheLogExistsStillOffersTheEntries) {
  test::TempDir dir;
  LogFixture f;
  f.platform.saveAnswer = dir.File("log");
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, "h");
  DeleteErrorLog(f.log);
  EXPECT_EQ(f.platform.saveQuestions, 0);
  DumpErrorLog(f.log);
  EXPECT_EQ(f.platform.saveQuestions, 1);
  EXPECT_EQ(test::ReadFileBytes(dir.File("log")), "G\r\nDon't understand play header\r\nh\r\n");
}

TEST(ErrorLog, AFailedWriteIsFatal) {
  LogFixture f;
  f.platform.saveAnswer = "/dev/full";
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, "h");
  EXPECT_EQ(test::FatalMessage([&] { DumpErrorLog(f.log); }),
            "FSWrite error: WriteErrorBuffer  Couldn't write to file.  /dev/full: No space left on "
            "device");
}

TEST(ErrorLog, AnUncreatableLogIsFatal) {
  test::TempDir dir;
  LogFixture f;
  f.platform.saveAnswer = dir.File("no/such/folder/log");
  LogTranscriptError(f.log, "G", ErrorKind::kPlayHeader, "h");
  EXPECT_EQ(test::FatalMessage([&] { DumpErrorLog(f.log); }),
            "FSpCreate error: WriteErrorBuffer  Couldn't create new file.  " +
                dir.File("no/such/folder/log") + ": No such file or directory");
}

// The message shows the kind's texts and then the detail, two blanks apart.
TEST(FatalAlert, ShowsTheTextsOfItsKindThenTheDetail) {
  EXPECT_EQ(test::FatalMessage([] { Fail(ErrorKind::kTeamFileOpen, "/t/B.fbt: gone"); }),
            "Team File FSpOpenDF() Error  /t/B.fbt: gone");
  EXPECT_EQ(test::FatalMessage([] { Fail(ErrorKind::kLogBufferMemory); }),
            "InitErrorLog Error: Couldn't allocate buffer for output.  The run is out of "
            "memory: close other programs or raise its limit (ulimit -v), and run it again.");
  EXPECT_EQ(test::FatalMessage([] {
              Allocating(ErrorKind::kSortMemory, []() -> int { throw std::bad_alloc(); });
            }),
            "SortPlayersByStats Error: Couldn't allocate PlayerArray  The run is out of "
            "memory: close other programs or raise its limit (ulimit -v), and run it again.");
}

}  // namespace
}  // namespace yl::run
