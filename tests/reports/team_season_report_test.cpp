// The team season report against hand-laid reports: record line, quarter
// table against the opponents, the season comparison with its count, pair,
// rate and time rows, a team without games, a long name with overtime, and
// the team's own player sections.
#include "reports/team_season_report.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace yl::reports {
namespace {

using test::Lines;

struct TeamSeasonReportTest : test::ReportFixture {
  void SetUp() override {
    options::OutputOptions chosen;
    chosen.lineEnds = options::LineEnds::kUnix;
    chosen.mode = options::ReportMode::kLeague;
    Start(chosen);
  }
};

TEST_F(TeamSeasonReportTest, ShortNameSeasonAgainstTheOpponents) {
  league::TeamRecord& owls = Team("Owls");
  owls.gamesPlayed = 6;
  owls.wins = 4;
  owls.losses = 1;
  owls.ties = 1;
  owls.own = {.rushingYards = 712,
              .rushingPlays = 170,
              .passingYards = 1403,
              .passingPlays = 199,
              .completions = 118,
              .attempts = 190,
              .timesSacked = 9,
              .intercepted = 5,
              .fumbles = 7,
              .fumblesLost = 3,
              .firstDowns = 115,
              .punts = 26,
              .netYards = 2115,
              .touchdowns = 17,
              .extraPoints = 16,
              .fieldGoalsMade = 9,
              .fieldGoalsAttempted = 12,
              .safeties = 1,
              .penalties = 31,
              .penaltyYards = 245,
              .totalPlays = 369,
              .timeMinutes = 185,
              .timeSeconds = 7,
              .totalYards = 2360,
              .points = 150,
              .quarterPoints = {31, 42, 30, 47}};
  owls.opponents = {.rushingYards = 655,
                    .rushingPlays = 160,
                    .passingYards = 1210,
                    .passingPlays = 210,
                    .completions = 120,
                    .attempts = 201,
                    .timesSacked = 14,
                    .intercepted = 8,
                    .fumbles = 6,
                    .fumblesLost = 4,
                    .firstDowns = 101,
                    .punts = 33,
                    .netYards = 1865,
                    .touchdowns = 12,
                    .extraPoints = 11,
                    .fieldGoalsMade = 8,
                    .fieldGoalsAttempted = 10,
                    .penalties = 40,
                    .penaltyYards = 330,
                    .totalPlays = 370,
                    .timeMinutes = 174,
                    .timeSeconds = 53,
                    .totalYards = 1900,
                    .points = 118,
                    .quarterPoints = {20, 35, 28, 35}};
  WriteTeamSeasonReport(*out, Players(), options, owls);
  EXPECT_EQ(Output(),
            Lines({
                "Owls      4-1-1      .667",
                "",
                "-----------------------------------------",
                "            1st   2nd   3rd   4th   Final",
                "Opponents    20    35    28    35     118",
                "Owls         31    42    30    47     150",
                "-----------------------------------------",
                "",
                "                         Opponents      Average         Owls      Average",
                "",
                "Rushing Yards                  655        109.2          712        118.7",
                "Rushing Plays                  160         26.7          170         28.3",
                "Yards Per Rush                              4.1                       4.2",
                "Passing Yards                 1210        201.7         1403        233.8",
                "Passing Plays                  210         35.0          199         33.2",
                "Yards Per Pass                              5.8                       7.1",
                "Passes (Comp/Atts)         120/201    20.0/33.5      118/190    19.7/31.7",
                "Completion Percentage                      0.60                      0.62",
                "Sacked                          14          2.3            9          1.5",
                "Intercepted                      8          1.3            5          0.8",
                "Fumbles (No/Lost)              6/4      1.0/0.7          7/3      1.2/0.5",
                "First Downs                    101         16.8          115         19.2",
                "Punts                           33          5.5           26          4.3",
                "Net Yards                     1865        310.8         2115        352.5",
                "",
                "Touchdowns                      12          2.0           17          2.8",
                "Extra Points                    11          1.8           16          2.7",
                "Field Goals (No/Atts)         8/10      1.3/1.7         9/12      1.5/2.0",
                "Safeties                         0          0.0            1          0.2",
                "Penalties (No/Yards)        40/330     6.7/55.0       31/245     5.2/40.8",
                "Total Plays                    370         61.7          369         61.5",
                "Total Time                 2:54:53        29:08      3:05:07        30:51",
                "",
                "Total Yards                   1900        316.7         2360        393.3",
                "",
            }));
}

TEST_F(TeamSeasonReportTest, ATeamWithoutGamesDividesNothing) {
  WriteTeamSeasonReport(*out, Players(), options, Team("Owl"));
  EXPECT_EQ(Output(),
            Lines({
                "Owl      0-0-0      .000",
                "",
                "-----------------------------------------",
                "            1st   2nd   3rd   4th   Final",
                "Opponents     0     0     0     0       0",
                "Owl           0     0     0     0       0",
                "-----------------------------------------",
                "",
                "                         Opponents      Average          Owl      Average",
                "",
                "Rushing Yards                    0          0.0            0          0.0",
                "Rushing Plays                    0          0.0            0          0.0",
                "Yards Per Rush                              0.0                       0.0",
                "Passing Yards                    0          0.0            0          0.0",
                "Passing Plays                    0          0.0            0          0.0",
                "Yards Per Pass                              0.0                       0.0",
                "Passes (Comp/Atts)             0/0      0.0/0.0          0/0      0.0/0.0",
                "Completion Percentage                      0.00                      0.00",
                "Sacked                           0          0.0            0          0.0",
                "Intercepted                      0          0.0            0          0.0",
                "Fumbles (No/Lost)              0/0      0.0/0.0          0/0      0.0/0.0",
                "First Downs                      0          0.0            0          0.0",
                "Punts                            0          0.0            0          0.0",
                "Net Yards                        0          0.0            0          0.0",
                "",
                "Touchdowns                       0          0.0            0          0.0",
                "Extra Points                     0          0.0            0          0.0",
                "Field Goals (No/Atts)          0/0      0.0/0.0          0/0      0.0/0.0",
                "Safeties                         0          0.0            0          0.0",
                "Penalties (No/Yards)           0/0      0.0/0.0          0/0      0.0/0.0",
                "Total Plays                      0          0.0            0          0.0",
                "Total Time                 0:00:00         0:00      0:00:00         0:00",
                "",
                "Total Yards                      0          0.0            0          0.0",
                "",
            }));
}

TEST_F(TeamSeasonReportTest, LongNameWidensBothTablesAndOvertimeAddsItsColumn) {
  league::TeamRecord& team = Team("Thunderbirds");
  team.gamesPlayed = 2;
  team.wins = 1;
  team.ties = 1;
  team.own = {
      .rushingYards = -3, .points = 40, .quarterPoints = {7, 10, 0, 20}, .overtimePoints = 3};
  team.opponents = {
      .rushingYards = 250, .points = 27, .quarterPoints = {3, 7, 7, 7}, .overtimePoints = 3};
  WriteTeamSeasonReport(*out, Players(), options, team);
  const std::string expected = Lines({
      "Thunderbirds      1-0-1      .500",
      "",
      "--------------------------------------------------",
      "               1st   2nd   3rd   4th    OT   Final",
      "Opponents        3     7     7     7     3      27",
      "Thunderbirds     7    10     0    20     3      40",
      "--------------------------------------------------",
      "",
      "                           Opponents      Average   Thunderbirds      Average",
      "",
      "Rushing Yards                    250        125.0             -3         -1.5",
  });
  EXPECT_EQ(Output().substr(0, expected.size()), expected);
}

struct PercentageCase {
  int wins, losses, ties;
  const char* text;
};

TEST(WinningPercentage, TiesCountAsGamesAndTheLeadingZeroGoes) {
  for (const PercentageCase& c :
       {PercentageCase{12, 4, 0, ".750"}, PercentageCase{0, 3, 1, ".000"},
        PercentageCase{0, 0, 0, ".000"}, PercentageCase{10, 5, 1, ".625"},
        PercentageCase{2, 1, 0, ".667"}, PercentageCase{16, 0, 0, "1.000"}}) {
    league::TeamRecord team;
    team.wins = c.wins;
    team.losses = c.losses;
    team.ties = c.ties;
    team.gamesPlayed = c.wins + c.losses + c.ties;
    EXPECT_EQ(WinningPercentage(team), c.text) << c.wins << "-" << c.losses << "-" << c.ties;
  }
}

TEST(SeasonTime, HoursMinutesSecondsAndTheWholeSecondsPerGame) {
  EXPECT_EQ(SeasonTimeText(185, 7), "3:05:07");
  EXPECT_EQ(PerGameTimeText(185, 7, 6), "30:51");
  EXPECT_EQ(SeasonTimeText(59, 59), "0:59:59");
  EXPECT_EQ(PerGameTimeText(61, 0, 2), "30:30");
  EXPECT_EQ(PerGameTimeText(30, 9, 1), "30:09");
  EXPECT_EQ(PerGameTimeText(0, 0, 0), "0:00");
}

TEST_F(TeamSeasonReportTest, ReportsFollowTheTeamNamesAndListOnlyTheTeamsPlayers) {
  league::TeamRecord& owls = Team("Owls");
  Team("Bears");
  Player(22, "Jones", "Owls", 11).rushing = league::RushingRecord{.attempts = 3};
  Player(30, "Kent", "Bears", 11).rushing = league::RushingRecord{.attempts = 9};
  Player(66, "Guard", "Bears", 2).penalty = league::PenaltyRecord{.flagged = 1};
  WriteTeamSeasonReports(*out, Teams(), Players(), options);
  const std::string text = Output();
  const auto bears = text.find("Bears      0-0-0      .000\n");
  const auto owlsStart = text.find("Owls      0-0-0      .000\n");
  ASSERT_NE(bears, std::string::npos);
  ASSERT_NE(owlsStart, std::string::npos);
  EXPECT_EQ(bears, 0u);
  const std::string bearsPart = text.substr(0, owlsStart);
  const std::string owlsPart = text.substr(owlsStart);
  EXPECT_NE(bearsPart.find("#30-Kent [RB-Bears]"), std::string::npos);
  EXPECT_NE(bearsPart.find("---Penalty Stats"), std::string::npos);
  EXPECT_EQ(bearsPart.find("Jones"), std::string::npos);
  EXPECT_NE(owlsPart.find("---Rushing Stats"), std::string::npos);
  EXPECT_NE(owlsPart.find("#22-Jones [RB-Owls ]"), std::string::npos);
  EXPECT_EQ(owlsPart.find("Kent"), std::string::npos);
  EXPECT_EQ(owlsPart.find("---Penalty Stats"), std::string::npos);
  (void)owls;
}

}  // namespace
}  // namespace yl::reports
