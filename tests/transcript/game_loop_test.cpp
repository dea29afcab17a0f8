// The game loop's walk over play blocks: teams from the first line, the
// header search after a line that is not understood, rejection, the game's
// end, over-long lines and the stop request.
#include "transcript/game_loop.h"

#include <gtest/gtest.h>

#include "run/compile_run.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "support/transcripts.h"

namespace yl::transcript {
namespace {

constexpr const char* kFirst = "Bears (1-0) vs Lions (0-1)\n";
constexpr const char* kKickOff =
    "With the score 0 to 0 in the 1st quarter, 15:00 on the clock, and kicking-off from their "
    "own 35 yard line...\n"
    "The kickoff was taken by #23-Morgan... #55-Hill took him down.  \n"
    "That was a 62 yard kick.\n";
constexpr const char* kRun =
    "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go from "
    "their own 25 yard line...\n"
    "#33-Carter took the hand-off... #91-Brooks took him down.  \n"
    "Gain of 4 yards on the play.  The ball is on the 29 yard line.  \n";

struct LoopFixture : testing::Test {
  test::FakePlatform platform;
  options::OutputOptions options;
  test::TempDir dir;
  std::unique_ptr<run::CompileRun> run;

  LoopFixture() {
    options.fileFormat = options::kUnix;
    run = std::make_unique<run::CompileRun>(platform, options);
    run::InitErrorLog(*run);
    run->currentTranscriptName = "T";
  }
  void Process(const std::string& text) {
    ProcessTranscript(*run, run::MakeInputFileRecord(dir.Write("T.txt", text)));
  }
  std::string Log() const { return std::string(run->errorLog.buffer.data(), run->errorLog.fill); }
};

TEST_F(LoopFixture, AWholeGameIsReadWithItsTeams) {
  Process(test::SmallGame("Bears", "Lions", "\r"));
  EXPECT_FALSE(run->transcriptRejected);
  EXPECT_EQ(Log(), "");
  league::TeamRecord* lions = league::FindOrCreateTeam(run->league, "Lions");
  league::TeamRecord* bears = league::FindOrCreateTeam(run->league, "bears");
  EXPECT_EQ(lions->homeFlag, 1);
  EXPECT_EQ(bears->homeFlag, 0);
  EXPECT_EQ(run->league.teamCount, 2);
  EXPECT_EQ(run->visitingTeamName, "Bears");
  EXPECT_EQ(run->homeTeamName, "Lions");
}

TEST_F(LoopFixture, TheGameEndsOnItsSentenceInAnyCase) {
  Process(std::string(kFirst) + kKickOff + "THE GAME IS OVER.\n" +
          test::TeamBox("Bears", "Lions", "\n"));
  EXPECT_FALSE(run->transcriptRejected);
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(league::FindOrCreateTeam(run->league, "Lions")->own.points, 24);
  // More text after the sentence is no extras line, but it still ends the game.
  Process(std::string(kFirst) + kKickOff + "The game is over. Thanks for watching\n" +
          test::TeamBox("Bears", "Lions", "\n"));
  EXPECT_FALSE(run->transcriptRejected);
  EXPECT_EQ(Log(), "T\nDon't understand play extras\nThe game is over. Thanks for watching\n");
  EXPECT_EQ(league::FindOrCreateTeam(run->league, "Lions")->own.points, 48);
}

TEST_F(LoopFixture, AnUnknownHeaderIsLoggedAndTheNextHeaderFound) {
  Process(std::string(kFirst) + "Whatever happened next...\n" + "#1-A took the hand-off... \n" +
          "Gain of 1 yard on the play.  \n" + kRun + "The game is over.\n" +
          test::TeamBox("Bears", "Lions", "\n"));
  EXPECT_FALSE(run->transcriptRejected);
  EXPECT_EQ(Log(), "T\nDon't understand play header\nWhatever happened next...\n");
}

TEST_F(LoopFixture, AnExtrasLineThatIsNoPhraseStartsTheSearch) {
  Process(std::string(kFirst) + kKickOff + "line one\nline two\nline three\nline four\n" + kRun +
          "The game is over.\n");
  EXPECT_TRUE(run->transcriptRejected);
  EXPECT_EQ(Log(), "T\nDon't understand play extras\nline one\n");
}

TEST_F(LoopFixture, NoHeaderWithinThreeLinesRejectsTheTranscript) {
  const std::string tooLong(600, 'x');
  Process(std::string(kFirst) + kKickOff + tooLong + "\nline two\nline three\nline four\n" + kRun +
          "The game is over.\n");
  EXPECT_TRUE(run->transcriptRejected);
  EXPECT_EQ(Log(), "T\nDon't understand play extras\n" + tooLong.substr(0, 499) + "\n");
}

TEST_F(LoopFixture, ATranscriptEndingBeforeTheGameEndIsRejected) {
  Process(std::string(kFirst) + kKickOff + kRun);
  EXPECT_TRUE(run->transcriptRejected);
  Process(std::string(kFirst));
  EXPECT_TRUE(run->transcriptRejected);
}

TEST_F(LoopFixture, LinesLongerThanTheBufferAreNotUnderstood) {
  const std::string longDescription = "#33-Carter took the hand-off... " + std::string(480, 'x');
  Process(std::string(kFirst) + kKickOff +
          "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go "
          "from their own 25 yard line...\n" +
          longDescription + "\nGain of 4 yards on the play.\n" + kRun + "The game is over.\n");
  EXPECT_FALSE(run->transcriptRejected);
  EXPECT_EQ(Log(),
            "T\nDon't understand play description\n" + longDescription.substr(0, 499) + "\n");
}

TEST_F(LoopFixture, AnIndentedHeaderIsAHeader) {
  Process(std::string(kFirst) + "    " + kRun + "The game is over.\n");
  EXPECT_FALSE(run->transcriptRejected);
  EXPECT_EQ(Log(), "");
}

TEST_F(LoopFixture, StopIsTestedBeforeTheFirstPlayAndEveryNinth) {
  std::string text = kFirst;
  for (int i = 0; i < 20; ++i)
    text += kRun;
  text += "The game is over.\n";
  Process(text);
  // Reading: before plays 1, 10 and 19; crediting: the same over 20 records.
  EXPECT_EQ(platform.yields, 6);
  platform.yields = 0;
  platform.onYield = [&] {
    if (platform.yields == 2) run->stopRequested = true;
  };
  Process(text);
  EXPECT_EQ(platform.yields, 2);
  EXPECT_FALSE(run->transcriptRejected);
  EXPECT_EQ(league::FindOrCreateTeam(run->league, "Lions")->gamesPlayed, 1);  // no team box
}

TEST_F(LoopFixture, EveryGameStartsAnEmptyScoringSummary) {
  stats::ScoringSummary& summary = run->stats.scoring;
  stats::LinkScoringDrive(summary, stats::CreateScoringDrive(summary));
  summary.appendNext = false;
  Process(test::SmallGame("Bears", "Lions"));
  EXPECT_EQ(summary.head, nullptr);
  EXPECT_TRUE(summary.appendNext);
}

TEST_F(LoopFixture, CreditingFollowsTheLabelMergesOfTheGame) {
  // A fourth down gained exactly gives the sack play the new label 2, which
  // the sacker's known label then merges into 1; Cole's last play is read
  // under 1. The sack still goes to Cole, the quarterback of that group.
  const std::string header = "With the score 0 to 0 in the 1st quarter, 14:00 on the clock, and ";
  Process(std::string(kFirst) + header + "4th-and-4 to go from their own 30 yard line...\n" +
          "#33-Bell took the hand-off... #91-Nash tackled him.  \n" +
          "Gain of 4 yards on the play.  The ball is on the 34 yard line.  \n" + header +
          "1st-and-10 to go from their own 34 yard line...\n#91-Nash sacked #12-Cole.  \n" +
          "Loss of 6 yards on the play.  The ball is on the 28 yard line.  \n" + header +
          "2nd-and-16 to go from their own 28 yard line...\n#12-Cole's pass was incomplete.  \n" +
          "No gain on the play.  The ball is on the 28 yard line.  \nThe game is over.\n" +
          test::TeamBox("Bears", "Lions", "\n"));
  ASSERT_EQ(Log(), "");
  league::PlayerRecord* cole = league::FindPlayerInHash(run->league, 12, "Cole");
  ASSERT_NE(cole, nullptr);
  ASSERT_TRUE(cole->passing);
  EXPECT_EQ(cole->passing->attempts, 1);
  EXPECT_EQ(cole->passing->sacks, 1);
  EXPECT_EQ(cole->passing->sackYards, 6);
}

}  // namespace
}  // namespace yl::transcript
