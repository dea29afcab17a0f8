// The game report, checked byte for byte: a game without overtime under each
// line ending, a game with overtime and every scoring kind, and the alert when
// a team of the game is missing.
#include "reports/game_report.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"
#include "support/fatal_alert.h"

namespace yl::reports {
namespace {

using test::Lines;

struct GameReportTest : test::ReportFixture {
  // Eagles 7 at Bears 3, no overtime; the Bears never passed.
  void EaglesAtBears() {
    // clang-format off
    Team("Eagles", In::kVisiting).own = {
        .rushingYards = 120, .rushingPlays = 30, .passingYards = 250, .passingPlays = 35,
        .completions = 20, .attempts = 32, .timesSacked = 3, .intercepted = 1, .fumbles = 2,
        .fumblesLost = 1, .firstDowns = 21, .thirdDownEfficiency = 45.5, .punts = 4,
        .yardsPerPunt = 41.25, .netYards = 370, .yardsPerPuntReturn = 9.5,
        .yardsPerKickReturn = 22.0, .touchdowns = 1, .extraPoints = 1, .penalties = 5,
        .penaltyYards = 45, .totalPlays = 65, .timeMinutes = 31, .timeSeconds = 5,
        .totalYards = 370, .points = 7, .quarterPoints = {7, 0, 0, 0}};
    Team("Bears", In::kHome).own = {
        .rushingYards = -3, .rushingPlays = 2, .firstDowns = 9, .punts = 7, .yardsPerPunt = 38.5,
        .netYards = 200, .yardsPerKickReturn = 18.75, .yardsPerTurnover = 12.0,
        .fieldGoalsMade = 1, .fieldGoalsAttempted = 1, .yardsPerFieldGoal = 45.0,
        .penalties = 10, .penaltyYards = 100, .totalPlays = 50, .timeMinutes = 28,
        .timeSeconds = 55, .totalYards = 200, .points = 3, .quarterPoints = {0, 0, 0, 3}};
    // clang-format on
    Team("Giants");  // not in this game
    Score(1, 3, 12, "Eagles", stats::ScoringKind::kRushingTouchdown, 22, "Jones", 5);
    Score(1, 3, 12, "Eagles", stats::ScoringKind::kExtraPointGood, 3, "Kick");
    Score(4, 0, 7, "Bears", stats::ScoringKind::kFieldGoalGood, 4, "Boot", 45);
  }
};

const std::string kEaglesAtBears = Lines({
    "Eagles 7 @ Bears 3",
    "",
    "--------------------------------------",
    "         1st   2nd   3rd   4th   Final",
    "Eagles     7     0     0     0       7",
    "Bears      0     0     0     3       3",
    "--------------------------------------",
    "",
    "First Quarter",
    "-------------",
    "Eagles--(3:12)--#22 Jones 5 yard TD RUN",
    "Eagles--(3:12)--#3 Kick EXTRA POINT",
    "",
    "Second Quarter",
    "--------------",
    "No Scoring",
    "",
    "Third Quarter",
    "-------------",
    "No Scoring",
    "",
    "Fourth Quarter",
    "--------------",
    "Bears--(0:07)--#4 Boot 45 yard FIELD GOAL",
    "",
    "                            Eagles        Bears",
    "",
    "Rushing Yards                  120           -3",
    "Rushing Plays                   30            2",
    "Yards Per Rush                 4.0         -1.5",
    "Passing Yards                  250            0",
    "Passing Plays                   35            0",
    "Yards Per Pass                 7.1          0.0",
    "Passes (Comp/Atts)           20/32          0/0",
    "Completion Percentage         0.63         0.00",
    "Sacked                           3            0",
    "Intercepted                      1            0",
    "Fumbles (No/Lost)              2/1          0/0",
    "First Downs                     21            9",
    "3rd Down Efficiency          45.50         0.00",
    "Punts                            4            7",
    "Yards Per Punt                41.3         38.5",
    "Net Yards                      370          200",
    "",
    "Yards Per Punt Return          9.5          0.0",
    "Yards Per Kick Return         22.0         18.8",
    "Yards Per Turnover             0.0         12.0",
    "Touchdowns                       1            0",
    "Extra Points                     1            0",
    "Field Goals (No/Atts)          0/0          1/1",
    "Yards Per Field Goal           0.0         45.0",
    "Safeties                         0            0",
    "Penalties (No/Yards)          5/45       10/100",
    "Total Plays                     65           50",
    "Total Time                   31:05        28:55",
    "",
    "Total Yards                    370          200",
    "",
});

class GameReportLineEndTest : public GameReportTest,
                              public testing::WithParamInterface<options::LineEnds> {};

TEST_P(GameReportLineEndTest, WithoutOvertimeUnderEachLineEnding) {
  options::OutputOptions chosen;
  chosen.lineEnds = GetParam();
  Start(chosen);
  EaglesAtBears();
  WriteGameStats(*out, gameTeams, scoring);
  EXPECT_EQ(Output(), test::WithLineEnd(kEaglesAtBears, options::LineEnding(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Formats, GameReportLineEndTest,
                         testing::Values(options::LineEnds::kMacintosh, options::LineEnds::kWindows,
                                         options::LineEnds::kUnix));

TEST_F(GameReportTest, OvertimeGameWithEveryScoringKind) {
  league::TeamTotals& rams = Team("Rams", In::kVisiting).own;
  rams.points = 29;
  rams.quarterPoints = {3, 0, 0, 23};
  rams.overtimePoints = 3;
  league::TeamTotals& mountaineers = Team("Mountaineers", In::kHome).own;
  mountaineers.points = 26;
  mountaineers.quarterPoints = {6, 2, 0, 18};
  mountaineers.overtimePoints = 0;
  Score(1, 2, 0, "Mountaineers", stats::ScoringKind::kPuntTouchdown);
  Score(1, 2, 0, "Mountaineers", stats::ScoringKind::kExtraPointFailed, 9, "Toe");
  Score(1, 9, 45, "Rams", stats::ScoringKind::kFieldGoalGood, 2, "Leg", 41);
  Score(2, 0, 5, "Mountaineers", stats::ScoringKind::kSafety);
  Score(2, 8, 30, "Mountaineers", stats::ScoringKind::kFieldGoalMissed, 9, "Toe", 52);
  Score(4, 1, 1, "Mountaineers", stats::ScoringKind::kPuntReturnTouchdown, 21, "Quick", 70);
  Score(4, 1, 1, "Mountaineers", stats::ScoringKind::kTwoPointRunFailed, 21, "Quick");
  Score(4, 4, 44, "Rams", stats::ScoringKind::kPassingTouchdown, 11, "Gun", 12, 80, "Long");
  Score(4, 4, 44, "Rams", stats::ScoringKind::kTwoPointPassGood, 11, "Gun", 0, 80, "Long");
  Score(4, 7, 30, "Mountaineers", stats::ScoringKind::kInterceptionReturnTouchdown, 24, "Hawk", 40);
  Score(4, 7, 30, "Mountaineers", stats::ScoringKind::kTwoPointPassFailed, 10, "Arm", 0, 88,
        "Tight");
  Score(4, 11, 0, "Rams", stats::ScoringKind::kRushingTouchdown, 30, "Bull", 2);
  Score(4, 11, 0, "Rams", stats::ScoringKind::kExtraPointGood, 2, "Leg");
  Score(4, 13, 0, "Mountaineers", stats::ScoringKind::kFumbleRecoveryTouchdown, 90, "Big", 3);
  Score(4, 13, 0, "Mountaineers", stats::ScoringKind::kTwoPointPassFailed, 10,
        "Arm");  // no receiver
  Score(4, 14, 59, "Rams", stats::ScoringKind::kKickoffReturnTouchdown, 29, "Burner", 99);
  Score(4, 14, 59, "Rams", stats::ScoringKind::kTwoPointRunGood, 29, "Burner");
  Score(5, 3, 3, "Rams", stats::ScoringKind::kFieldGoalGood, 2, "Leg", 33);
  WriteGameStats(*out, gameTeams, scoring);
  const std::string expected = Lines({
      "Rams 29 @ Mountaineers 26",
      "",
      "--------------------------------------------------",
      "               1st   2nd   3rd   4th    OT   Final",
      "Rams             3     0     0    23     3      29",
      "Mountaineers     6     2     0    18     0      26",
      "--------------------------------------------------",
      "",
      "First Quarter",
      "-------------",
      "Mountaineers--(2:00)--Magic Punt TD",
      "Mountaineers--(2:00)--#9 Toe EXTRA POINT FAILED",
      "Rams--(9:45)--#2 Leg 41 yard FIELD GOAL",
      "",
      "Second Quarter",
      "--------------",
      "Mountaineers--(0:05)--Safety",
      "Mountaineers--(8:30)--#9 Toe 52 yard FIELD GOAL FAILED",
      "",
      "Third Quarter",
      "-------------",
      "No Scoring",
      "",
      "Fourth Quarter",
      "--------------",
      "Mountaineers--(1:01)--#21 Quick 70 yard PUNT RETURN TD",
      "Mountaineers--(1:01)--#21 Quick TWO POINT RUSH FAILED",
      "Rams--(4:44)--#80 Long 12 yard TD PASS from #11 Gun",
      "Rams--(4:44)--#80 Long TWO POINT PASS from #11 Gun",
      "Mountaineers--(7:30)--#24 Hawk 40 yard INTERCEPTION RETURN TD",
      "Mountaineers--(7:30)--#88 Tight TWO POINT PASS FAILED from #10 Arm",
      "Rams--(11:00)--#30 Bull 2 yard TD RUN",
      "Rams--(11:00)--#2 Leg EXTRA POINT",
      "Mountaineers--(13:00)--#90 Big 3 yard RECOVERY RETURN TD",
      "Mountaineers--(13:00)--#10 Arm TWO POINT PASS FAILED",
      "Rams--(14:59)--#29 Burner 99 yard KICKOFF RETURN TD",
      "Rams--(14:59)--#29 Burner TWO POINT RUSH",
      "",
      "Overtime",
      "--------",
      "Rams--(3:03)--#2 Leg 33 yard FIELD GOAL",
      "",
      "                                Rams   Mountaineers",
      "",
      "Rushing Yards                      0              0",
  });
  // The rest of the comparison table is laid out as in the game above, with
  // the value columns as wide as the longer name.
  const std::string output = Output();
  EXPECT_EQ(output.substr(0, expected.size()), expected);
  EXPECT_NE(output.find("\nTotal Time                      0:00           0:00\n\n"),
            std::string::npos);
}

TEST_F(GameReportTest, AGameWithoutAHomeTeamIsFatal) {
  Team("Eagles", In::kVisiting);
  Team("Bears");
  EXPECT_EQ(test::FatalMessage([&] { WriteGameStats(*out, gameTeams, scoring); }),
            "WriteGameStats: Couldn't find visiting or home team");
}

}  // namespace
}  // namespace yl::reports
