// One transcript through the compile layer: the crediting pass after the
// reading, the stop flag in both, the same reading in every mode, and a
// fatal alert in the middle of a run.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "run/error_log.h"
#include "support/fake_platform.h"
#include "support/fatal_alert.h"
#include "support/newest_first.h"
#include "support/temp_dir.h"
#include "support/transcripts.h"

namespace yl::compile {
namespace {

constexpr const char* kFirst = "Bears (1-0) vs Lions (0-1)\n";
constexpr const char* kRun =
    "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go from "
    "their own 25 yard line...\n"
    "#33-Carter took the hand-off... #91-Brooks took him down.  \n"
    "Gain of 4 yards on the play.  The ball is on the 29 yard line.  \n";

options::OutputOptions Mode(options::ReportMode mode) {
  options::OutputOptions o;
  o.lineEnds = options::LineEnds::kUnix;
  o.mode = mode;
  return o;
}

struct TranscriptFixture : testing::Test {
  test::FakePlatform platform;
  test::TempDir dir;
  options::OutputOptions options = Mode(options::ReportMode::kGame);

  // A run without sinks: it reads and credits, and writes nothing.
  std::unique_ptr<CompileRun> Start() {
    auto run = std::make_unique<CompileRun>(platform, options);
    run::InitErrorLog(run->errorLog);
    return run;
  }
  CompiledGame Compile(CompileRun& run, const std::string& text) {
    return CompileTranscript(run, run::MakeInputFileRecord(dir.Write("T.txt", text)));
  }
  static std::string Log(const CompileRun& run) {
    return std::string(run.errorLog.buffer.data(), run.errorLog.fill);
  }
};

TEST_F(TranscriptFixture, EveryGameHasAScoringSummaryOfItsOwn) {
  auto run = Start();
  const std::string scored = test::ReadFileBytes(std::string(YL_GOLDEN_DIR) + "/overtime/game.txt");
  const CompiledGame first = Compile(*run, scored);
  const CompiledGame second = Compile(*run, scored);
  ASSERT_EQ(second.outcome, transcript::ReadOutcome::kRead);
  EXPECT_FALSE(first.scoring.entries.empty());
  EXPECT_EQ(second.scoring.entries.size(), first.scoring.entries.size());
  EXPECT_TRUE(second.scoring.appendNext);
}

TEST_F(TranscriptFixture, CreditingFollowsTheLabelMergesOfTheGame) {
  // A fourth down gained exactly gives the sack play the new label 2, which
  // the sacker's known label then merges into 1; Cole's last play is read
  // under 1. The sack still goes to Cole, the quarterback of that group.
  auto run = Start();
  const std::string header = "With the score 0 to 0 in the 1st quarter, 14:00 on the clock, and ";
  Compile(*run,
          std::string(kFirst) + header + "4th-and-4 to go from their own 30 yard line...\n" +
              "#33-Bell took the hand-off... #91-Nash tackled him.  \n" +
              "Gain of 4 yards on the play.  The ball is on the 34 yard line.  \n" + header +
              "1st-and-10 to go from their own 34 yard line...\n#91-Nash sacked #12-Cole.  \n" +
              "Loss of 6 yards on the play.  The ball is on the 28 yard line.  \n" + header +
              "2nd-and-16 to go from their own 28 yard line...\n#12-Cole's pass was "
              "incomplete.  \nNo gain on the play.  The ball is on the 28 yard line.  \n"
              "The game is over.\n" +
              test::TeamBox("Bears", "Lions", "\n"));
  ASSERT_EQ(Log(*run), "");
  league::PlayerRecord* cole = league::FindPlayerInHash(run->league, 12, "Cole");
  ASSERT_NE(cole, nullptr);
  ASSERT_TRUE(cole->passing);
  EXPECT_EQ(cole->passing->attempts, 1);
  EXPECT_EQ(cole->passing->sacks, 1);
  EXPECT_EQ(cole->passing->sackYards, 6);
}

TEST_F(TranscriptFixture, StopIsTestedWhileReadingAndWhileCrediting) {
  std::string text = kFirst;
  for (int i = 0; i < 20; ++i)
    text += kRun;
  text += "The game is over.\n" + test::TeamBox("Bears", "Lions", "\n");
  auto run = Start();
  // Reading: before plays 1, 10 and 19; crediting: the same over 20 records.
  EXPECT_EQ(Compile(*run, text).outcome, transcript::ReadOutcome::kRead);
  EXPECT_EQ(platform.yields, 6);
  // Stopped at the crediting's second pause, before the tenth play: nine
  // plays are credited.
  run = Start();
  platform.yields = 0;
  platform.onYield = [&] {
    if (platform.yields == 5) run->control.stopRequested = true;
  };
  EXPECT_EQ(Compile(*run, text).outcome, transcript::ReadOutcome::kStopped);
  EXPECT_EQ(platform.yields, 5);
  const league::PlayerRecord* carter = league::FindPlayerInHash(run->league, 33, "Carter");
  ASSERT_NE(carter, nullptr);
  ASSERT_TRUE(carter->rushing);
  EXPECT_EQ(carter->rushing->attempts, 9);
}

// Whatever the mode, a transcript is read into the same model: the players
// with their teams, sides and positions, and the progress steps of the read.
class SameReadingTest : public TranscriptFixture,
                        public testing::WithParamInterface<options::OutputOptions> {};

std::vector<std::tuple<std::string, int, std::string, int, int>> Model(const league::League& l) {
  std::vector<std::tuple<std::string, int, std::string, int, int>> players;
  for (const league::PlayerRecord* p : test::NewestFirst(l.players))
    players.emplace_back(p->name, p->number, p->teamName, p->side, p->position);
  return players;
}

TEST_P(SameReadingTest, AsInGameMode) {
  std::string game = test::SmallGame("Bears", "Lions");
  const std::string quarter = "The first quarter is over.";
  game.replace(game.find(quarter), quarter.size(), "The first half is over.");
  options = Mode(options::ReportMode::kGame);
  auto reference = Start();
  Compile(*reference, game);
  const std::vector<std::string> steps = platform.calls;
  EXPECT_EQ(steps, std::vector<std::string>{"StepProgress 0 25 "});

  platform.calls.clear();
  options = GetParam();
  auto run = Start();
  EXPECT_EQ(Compile(*run, game).outcome, transcript::ReadOutcome::kRead);
  EXPECT_EQ(Model(run->league), Model(reference->league));
  EXPECT_FALSE(Model(run->league).empty());
  EXPECT_EQ(platform.calls, steps);
}

INSTANTIATE_TEST_SUITE_P(Modes, SameReadingTest,
                         testing::Values(Mode(options::ReportMode::kCumulative),
                                         Mode(options::ReportMode::kLeague),
                                         Mode(options::ReportMode::kPerPlay)),
                         [](const auto& paramInfo) {
                           const options::OutputOptions& o = paramInfo.param;
                           return std::string(o.mode == options::ReportMode::kCumulative
                                                  ? "Cumulative"
                                              : o.mode == options::ReportMode::kLeague ? "League"
                                                                                       : "PerPlay");
                         });

// A fatal alert in the middle of a league run: the second transcript fills
// the error log's buffer, whose file cannot be written. The run ends there,
// and the front end's cleanup closes what it holds open.
TEST_F(TranscriptFixture, AFatalAlertMidRunLeavesTheRunReadyForCleanup) {
  options = Mode(options::ReportMode::kLeague);
  std::string bad = kFirst;
  for (int i = 0; i < 40; ++i)
    bad += "Whatever happened next, nobody could tell what it was about...\n";
  ::mkdir(dir.File("out").c_str(), 0755);
  const std::vector<run::TransRecord> games = {
      run::MakeInputFileRecord(dir.Write("G1.txt", test::SmallGame("Bears", "Lions"))),
      run::MakeInputFileRecord(dir.Write("G2.txt", bad)),
      run::MakeInputFileRecord(dir.Write("G3.txt", test::SmallGame("Rams", "Jets")))};
  platform.saveAnswer = "/dev/full";
  CompileRun run(platform, options);
  EXPECT_EQ(test::FatalMessage([&] {
              CompileStats(run, games, {}, run::MakePrefixReply(dir.File("out/season")));
            }),
            "FSWrite error: WriteErrorBuffer  Couldn't write to file.  /dev/full: No space left on "
            "device");
  EXPECT_EQ(platform.progressName, "G2");
  // The report is still being written, under its hidden name.
  const std::vector<std::string> writing = test::TempDir::NamesIn(dir.File("out"));
  ASSERT_EQ(writing.size(), 1u);
  EXPECT_TRUE(writing[0].starts_with(".season.LL.yl-")) << writing[0];
  AbandonRun(run);
  EXPECT_TRUE(test::TempDir::NamesIn(dir.File("out")).empty());
  EXPECT_FALSE(run.errorLog.open);
  EXPECT_EQ(platform.calls.back(), "EndProgress");
}

}  // namespace
}  // namespace yl::compile
