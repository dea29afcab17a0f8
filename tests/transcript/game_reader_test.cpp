// The game reader's walk over play blocks: teams from the first line, the
// header search after a line that is not understood, rejection, the game's
// end, over-long lines and the stop request.
#include "transcript/game_reader.h"

#include <gtest/gtest.h>

#include "support/newest_first.h"
#include "support/transcripts.h"
#include "transcript/game_reader_fixture.h"

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

using ReaderFixture = test::GameReaderFixture;

TEST_F(ReaderFixture, AWholeGameIsReadWithItsTeams) {
  EXPECT_EQ(Read(test::SmallGame("Bears", "Lions", "\r")), ReadOutcome::kRead);
  EXPECT_EQ(Log(), "");
  league::TeamRecord* lions = league::FindOrCreateTeam(league, "Lions");
  league::TeamRecord* bears = league::FindOrCreateTeam(league, "bears");
  EXPECT_EQ(std::ssize(league.teams), 2);
  EXPECT_EQ(game->visiting, bears);
  EXPECT_EQ(game->home, lions);
  // Reading credits nobody.
  for (const league::PlayerRecord* p : test::NewestFirst(league.players))
    EXPECT_FALSE(p->rushing || p->passing || p->receiving || p->defensive) << p->name;
}

// Text after the team box is not read, but its first line is logged; blank
// lines and blanks are no text.
TEST_F(ReaderFixture, TextAfterTheTeamBoxIsLoggedNotDropped) {
  const std::string small = test::SmallGame("Bears", "Lions");
  const std::pair<std::string, std::string> cases[] = {
      {small + test::SmallGame("Rams", "Jets"),
       "T\nText after the end of the game not read\nRams (3-2) vs Jets (4-1)\n"},
      {small + "\n  \n\t\n\n", ""},
      {small, ""}};
  for (const auto& [text, log] : cases) {
    errorLog.fill = 0;
    EXPECT_EQ(Read(text), ReadOutcome::kRead);
    EXPECT_EQ(Log(), log);
  }
}

TEST_F(ReaderFixture, TheGameEndsOnItsSentenceInAnyCase) {
  Read(std::string(kFirst) + kKickOff + "THE GAME IS OVER.\n" +
       test::TeamBox("Bears", "Lions", "\n"));
  EXPECT_EQ(outcome, ReadOutcome::kRead);
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(league::FindOrCreateTeam(league, "Lions")->own.points, 24);
  // More text after the sentence is no extras line, but it still ends the game.
  Read(std::string(kFirst) + kKickOff + "The game is over. Thanks for watching\n" +
       test::TeamBox("Bears", "Lions", "\n"));
  EXPECT_EQ(outcome, ReadOutcome::kRead);
  EXPECT_EQ(Log(), "T\nDon't understand play extras\nThe game is over. Thanks for watching\n");
  EXPECT_EQ(league::FindOrCreateTeam(league, "Lions")->own.points, 48);
}

TEST_F(ReaderFixture, AnUnknownHeaderIsLoggedAndTheNextHeaderFound) {
  Read(std::string(kFirst) + "Whatever happened next...\n" + "#1-A took the hand-off... \n" +
       "Gain of 1 yard on the play.  \n" + kRun + "The game is over.\n" +
       test::TeamBox("Bears", "Lions", "\n"));
  EXPECT_EQ(outcome, ReadOutcome::kRead);
  EXPECT_EQ(Log(), "T\nDon't understand play header\nWhatever happened next...\n");
}

TEST_F(ReaderFixture, AnExtrasLineThatIsNoPhraseStartsTheSearch) {
  Read(std::string(kFirst) + kKickOff + "line one\nline two\nline three\nline four\n" + kRun +
       "The game is over.\n");
  EXPECT_EQ(outcome, ReadOutcome::kRejected);
  EXPECT_EQ(Log(), "T\nDon't understand play extras\nline one\n");
}

TEST_F(ReaderFixture, NoHeaderWithinThreeLinesRejectsTheTranscript) {
  const std::string tooLong(600, 'x');
  Read(std::string(kFirst) + kKickOff + tooLong + "\nline two\nline three\nline four\n" + kRun +
       "The game is over.\n");
  EXPECT_EQ(outcome, ReadOutcome::kRejected);
  EXPECT_EQ(Log(), "T\nDon't understand play extras\n" + tooLong.substr(0, 499) + "\n");
}

// A transcript cut anywhere after its first line, its box too, is rejected
// and logged; it never reads as a game of no points.
TEST_F(ReaderFixture, ATranscriptCutShortIsRejectedAndLogged) {
  const std::string box = test::TeamBox("Bears", "Lions", "\n");
  const std::string whole = std::string(kFirst) + kKickOff + kRun + "The game is over.\n" + box;
  const std::size_t boxAt = whole.size() - box.size();
  const std::string cut = "T\nGame cut short\n\n";
  const std::pair<std::string, std::string> cases[] = {
      // After the first line alone, an empty header is no header either.
      {std::string(kFirst), "T\nDon't understand play header\n\n" + cut},
      {std::string(kFirst) + kKickOff + kRun, cut},
      {whole.substr(0, boxAt), cut},                                    // before the box
      {whole.substr(0, boxAt + box.size() / 2), cut},                   // in the middle of it
      {whole.substr(0, whole.rfind('\n', whole.size() - 2) + 1), cut},  // before its last line
  };
  for (const auto& [text, log] : cases) {
    errorLog.fill = 0;
    EXPECT_EQ(Read(text), ReadOutcome::kRejected) << text.size();
    EXPECT_EQ(Log(), log) << text.size();
  }
  errorLog.fill = 0;
  EXPECT_EQ(Read(whole), ReadOutcome::kRead);
  EXPECT_EQ(Log(), "");
}

TEST_F(ReaderFixture, LinesLongerThanTheBufferAreNotUnderstood) {
  const std::string longDescription = "#33-Carter took the hand-off... " + std::string(480, 'x');
  Read(std::string(kFirst) + kKickOff +
       "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go "
       "from their own 25 yard line...\n" +
       longDescription + "\nGain of 4 yards on the play.\n" + kRun + "The game is over.\n" +
       test::TeamBox("Bears", "Lions", "\n"));
  EXPECT_EQ(outcome, ReadOutcome::kRead);
  EXPECT_EQ(Log(),
            "T\nDon't understand play description\n" + longDescription.substr(0, 499) + "\n");
}

TEST_F(ReaderFixture, AnIndentedHeaderIsAHeader) {
  Read(std::string(kFirst) + "    " + kRun + "The game is over.\n" +
       test::TeamBox("Bears", "Lions", "\n"));
  EXPECT_EQ(outcome, ReadOutcome::kRead);
  EXPECT_EQ(Log(), "");
}

TEST_F(ReaderFixture, StopIsTestedBeforeTheFirstPlayAndEveryNinth) {
  std::string text = kFirst;
  for (int i = 0; i < 20; ++i)
    text += kRun;
  text += "The game is over.\n" + test::TeamBox("Bears", "Lions", "\n");
  Read(text);
  // Before plays 1, 10 and 19.
  EXPECT_EQ(platform.yields, 3);
  platform.yields = 0;
  platform.onYield = [&] {
    if (platform.yields == 2) control.stopRequested = true;
  };
  EXPECT_EQ(Read(text), ReadOutcome::kStopped);
  EXPECT_EQ(platform.yields, 2);
  EXPECT_EQ(league::FindOrCreateTeam(league, "Lions")->gamesPlayed, 1);  // not this box
}

}  // namespace
}  // namespace yl::transcript
