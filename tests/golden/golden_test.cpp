// Whole games through the compile driver, compared byte for byte with the
// hand-checked game reports stored beside their transcripts in
// tests/golden/<game>/: an overtime game, a game with a safety and two-point
// tries, and a game of fumbles, a lateral and an interception. Both are stored
// with LF line ends; every run converts them to the line end it tests.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace yl::compile {
namespace {

struct GoldenGame {
  const char* name;   // folder and transcript name
  const char* teams;  // the team part of its separate file's name
};

constexpr GoldenGame kGames[] = {
    {"overtime", "Haw@Owl"}, {"safety", "Ram@Col"}, {"fumbles", "Sha@Bul"}};

std::string WithLineEnds(std::string_view text, std::string_view eol) {
  std::string converted;
  for (const char c : text) {
    if (c == '\n') {
      converted += eol;
    } else {
      converted += c;
    }
  }
  return converted;
}

std::string Golden(const GoldenGame& game, const char* file, std::string_view eol) {
  return WithLineEnds(
      test::ReadFileBytes(std::string(YL_GOLDEN_DIR) + "/" + game.name + "/" + file), eol);
}

struct GoldenCase {
  const char* label;
  options::LineEnds lineEnds;
  const char* eol;
  bool separateFiles;
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
  *out << c.label;
}

class GoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, GameReportsMatchTheHandCheckedFiles) {
  const GoldenCase& c = GetParam();
  test::TempDir dir;
  std::vector<run::TransRecord> transcripts;
  for (const GoldenGame& game : kGames) {
    transcripts.push_back(run::MakeInputFileRecord(
        dir.Write(std::string(game.name) + ".txt", Golden(game, "game.txt", c.eol))));
  }
  ::mkdir(dir.File("out").c_str(), 0755);
  test::FakePlatform platform;
  options::OutputOptions options;
  options.lineEnds = c.lineEnds;
  options.gameLayout =
      c.separateFiles ? options::FileLayout::kSeparateFiles : options::FileLayout::kOneFile;
  CompileRun run(platform, options);
  CompileStats(run, transcripts, {}, run::MakePrefixReply(dir.File("out/week3")));

  EXPECT_EQ(run.gamesCompiled, 3);
  EXPECT_EQ(run.errorLog.entries, 0);
  // Each game: the transcript's name, an empty line, the reports, an empty line.
  const std::string blank = std::string(c.eol) + c.eol;
  std::string oneFile;
  for (const GoldenGame& game : kGames) {
    const std::string text = game.name + blank + Golden(game, "expected.GS", c.eol) + blank;
    if (c.separateFiles) {
      EXPECT_EQ(test::ReadFileBytes(dir.File(std::string("out/week3.GS.") + game.teams)), text)
          << game.name;
    } else {
      oneFile += text;
    }
  }
  if (!c.separateFiles) {
    EXPECT_EQ(test::ReadFileBytes(dir.File("out/week3.GS")), oneFile);
  }
  EXPECT_EQ(run.reportFiles.size(), c.separateFiles ? 3u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    LineEndsAndFiles, GoldenTest,
    testing::Values(GoldenCase{"UnixOneFile", options::LineEnds::kUnix, "\n", false},
                    GoldenCase{"UnixSeparateFiles", options::LineEnds::kUnix, "\n", true},
                    GoldenCase{"WindowsOneFile", options::LineEnds::kWindows, "\r\n", false},
                    GoldenCase{"WindowsSeparateFiles", options::LineEnds::kWindows, "\r\n", true},
                    GoldenCase{"MacintoshOneFile", options::LineEnds::kMacintosh, "\r", false},
                    GoldenCase{"MacintoshSeparateFiles", options::LineEnds::kMacintosh, "\r",
                               true}),
    [](const testing::TestParamInfo<GoldenCase>& paramInfo) { return paramInfo.param.label; });

}  // namespace
}  // namespace yl::compile
