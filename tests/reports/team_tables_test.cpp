// The three team stat tables checked byte for byte against hand-laid tables:
// group lines, per-game averages (a team without games shows 0.00), the sort
// of each table, a negative difference, and short team names under "TEAM".
#include "reports/team_tables.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace yl::reports {
namespace {

using test::Lines;

struct TeamTablesTest : test::ReportFixture {
  void SetUp() override {
    ReportFixture::SetUp();
    league::TeamRecord& bears = Team("Bears");
    bears.gamesPlayed = 3;
    bears.own = {.rushingYards = 400,
                 .passingYards = 650,
                 .intercepted = 2,
                 .fumblesLost = 3,
                 .netYards = 1050};
    bears.opponents = {.rushingYards = 350,
                       .passingYards = 550,
                       .intercepted = 4,
                       .fumblesLost = 1,
                       .netYards = 900};
    league::TeamRecord& jets = Team("Jets");
    jets.gamesPlayed = 3;
    jets.own = {.rushingYards = 500,
                .passingYards = 700,
                .intercepted = 3,
                .fumblesLost = 2,
                .netYards = 1200};
    jets.opponents = {.rushingYards = 450,
                      .passingYards = 550,
                      .intercepted = 0,
                      .fumblesLost = 2,
                      .netYards = 1000};
    Team("Owl");  // no games yet
  }
};

TEST_F(TeamTablesTest, OffensiveTableRanksByNetYardsWithPerGameAverages) {
  WriteTeamOffensiveStats(*out, Teams());
  EXPECT_EQ(Output(), Lines({
                          "---Team Offensive Stats---------------------------------",
                          "            Total Yardage           Average Per Game",
                          "TEAM   TOTAL  RUSHING  PASSING   TOTAL  RUSHING  PASSING",
                          "--------------------------------------------------------",
                          "Jets    1200      500      700  400.00   166.67   233.33",
                          "Bears   1050      400      650  350.00   133.33   216.67",
                          "Owl        0        0        0    0.00     0.00     0.00",
                          "",
                      }));
}

TEST_F(TeamTablesTest, DefensiveTableRanksFewestYardsAllowedFirst) {
  WriteTeamDefensiveStats(*out, Teams());
  EXPECT_EQ(Output(), Lines({
                          "---Team Defensive Stats---------------------------------",
                          "            Total Yardage           Average Per Game",
                          "TEAM   TOTAL  RUSHING  PASSING   TOTAL  RUSHING  PASSING",
                          "--------------------------------------------------------",
                          "Owl        0        0        0    0.00     0.00     0.00",
                          "Bears    900      350      550  300.00   116.67   183.33",
                          "Jets    1000      450      550  333.33   150.00   183.33",
                          "",
                      }));
}

TEST_F(TeamTablesTest, TakeawayTableShowsNegativeDifferenceLast) {
  WriteTeamTakeawayStats(*out, Teams());
  EXPECT_EQ(Output(), Lines({
                          "---Team Take-Away/Give-Away Stats------------",
                          "         Take-Aways       Give-Aways",
                          "TEAM   INT  FUM  TOTAL  INT  FUM  TOTAL  DIFF",
                          "---------------------------------------------",
                          "Bears    4    1      5    2    3      5     0",
                          "Owl      0    0      0    0    0      0     0",
                          "Jets     0    2      2    3    2      5    -3",
                          "",
                      }));
}

using TeamTablesShortNamesTest = test::ReportFixture;

TEST_F(TeamTablesShortNamesTest, ThreeLetterNamesKeepTheTeamHeaderOverTheirColumn) {
  Team("Owl");
  Team("Elk");
  WriteTeamTakeawayStats(*out, Teams());
  EXPECT_EQ(Output(), Lines({
                          "---Team Take-Away/Give-Away Stats----------",
                          "       Take-Aways       Give-Aways",
                          "TEAM INT  FUM  TOTAL  INT  FUM  TOTAL  DIFF",
                          "-------------------------------------------",
                          "Elk    0    0      0    0    0      0     0",
                          "Owl    0    0      0    0    0      0     0",
                          "",
                      }));
}

// Names of one letter: the name column keeps the width of "TEAM", so the
// rows stay under their header words.
TEST_F(TeamTablesShortNamesTest, OneLetterNamesKeepTheWidthOfTheTeamHeader) {
  Team("B");
  Team("A");
  WriteTeamTakeawayStats(*out, Teams());
  EXPECT_EQ(Output(), Lines({
                          "---Team Take-Away/Give-Away Stats---------",
                          "      Take-Aways       Give-Aways",
                          "TEAMINT  FUM  TOTAL  INT  FUM  TOTAL  DIFF",
                          "------------------------------------------",
                          "A     0    0      0    0    0      0     0",
                          "B     0    0      0    0    0      0     0",
                          "",
                      }));
}

TEST_F(TeamTablesShortNamesTest, ARunWithoutTeamsWritesNoTable) {
  WriteTeamTables(*out, Teams());
  EXPECT_EQ(Output(), "");
}

TEST_F(TeamTablesTest, TheThreeTablesFollowEachOther) {
  WriteTeamTables(*out, Teams());
  const std::string text = Output();
  const auto offensive = text.find("---Team Offensive Stats");
  const auto defensive = text.find("---Team Defensive Stats");
  const auto turnovers = text.find("---Team Take-Away/Give-Away Stats");
  ASSERT_NE(turnovers, std::string::npos);
  EXPECT_EQ(offensive, 0u);
  EXPECT_LT(offensive, defensive);
  EXPECT_LT(defensive, turnovers);
}

}  // namespace
}  // namespace yl::reports
