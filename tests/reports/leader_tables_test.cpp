// The league-leader tables: a count table, a rate table with its minimum, a
// longest-play table and a multi-column table checked byte for byte against
// hand-laid tables; the cut after leadersCount rows, the rank width, the
// 50-entry limit of the longest-play lists and the position texts.
#include "reports/leader_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "reports/report_driver.h"
#include "reports/report_fixture.h"

namespace yl::reports {
namespace {

using league::kDefense;
using league::kOffense;
using league::kUndecided;
using test::Lines;

const LeaderTable& Table(std::string_view title) {
  for (const LeaderTable& table : LeaderTables())
    if (table.title == title) return table;
  ADD_FAILURE() << "no table " << title;
  return LeaderTables().front();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

struct LeaderTablesTest : test::ReportFixture {
  void SetUp() override {
    ReportFixture::SetUp();
    options.mode = options::ReportMode::kLeague;
    options.leadersCount = 20;
  }

  league::PlayerRecord& Rusher(int number, std::string_view name, std::string_view team,
                               int position, int attempts, int yards) {
    league::PlayerRecord& p = Player(number, name, team, position);
    p.rushing = league::RushingRecord{.attempts = attempts, .yards = yards};
    return p;
  }
  league::PlayerRecord& Passer(int number, std::string_view name, std::string_view team,
                               int position, league::PassingRecord record) {
    league::PlayerRecord& p = Player(number, name, team, position);
    p.passing = record;
    return p;
  }
};

TEST_F(LeaderTablesTest, CountTableRanksQualifyingPlayersByItsKey) {
  Rusher(22, "Jones", "Bears", 6, 20, 112);
  Rusher(32, "Smith", "Mountaineers", 11, 15, 112);  // equal yards, fewer carries
  Rusher(7, "Lee", "Jets", 9, 3, -4);
  Rusher(40, "Nobody", "Jets", 11, 0, 0);  // a record without carries
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Rushing Yards Leaders"));
  EXPECT_EQ(Output(), Lines({
                          "---Rushing Yards Leaders------------------",
                          "     Player Name  Pos  Team          Yards",
                          "------------------------------------------",
                          "1.   Jones        HB   Bears           112",
                          "2.   Smith        RB   Mountaineers    112",
                          "3.   Lee          QB   Jets             -4",
                          "",
                      }));
}

TEST_F(LeaderTablesTest, RateTableListsPassersAtOrAboveHalfTheAverageAttempts) {
  // Ratings: Smith 85.41..., Lee 37.91..., Backupquarterback 158.33 (all four
  // parts capped) on 10 attempts, below the minimum 0.5 × 160 / 3 = 26.67,
  // yet measured: his name widens the name column.
  Passer(12, "Smith", "Bears", 9,
         {.attempts = 100, .completions = 60, .yards = 700, .touchdowns = 5, .interceptions = 3});
  Passer(7, "Lee", "Jets", 9,
         {.attempts = 50, .completions = 25, .yards = 250, .touchdowns = 1, .interceptions = 4});
  Passer(10, "Backupquarterback", "Bears", 9,
         {.attempts = 10, .completions = 10, .yards = 200, .touchdowns = 3});
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Passing Rating Leaders"));
  EXPECT_EQ(Output(), Lines({
                          "---Passing Rating Leaders-----------------  26 Minimum Attempts",
                          "     Player Name        Pos  Team   Rating",
                          "------------------------------------------",
                          "1.   Smith              QB   Bears   85.42",
                          "2.   Lee                QB   Jets    37.92",
                          "",
                      }));
}

TEST_F(LeaderTablesTest, LongestTableWalksItsListInOrder) {
  league::PlayerRecord& jones = Player(22, "Jones", "Bears", 6);
  league::PlayerRecord& smith = Player(32, "Smith", "Mountaineers", 11);
  league::PlayerRecord& lee = Player(7, "Lee", "Jets", 9);
  longest.longestRushes =
      stats::LongestList{{{75, &jones}, {75, &smith}, {-3, &lee}, {0, nullptr}, {0, nullptr}}};
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Longest Rush Leaders"));
  EXPECT_EQ(Output(), Lines({
                          "---Longest Rush Leaders-------------------",
                          "     Player Name  Pos  Team          Yards",
                          "------------------------------------------",
                          "1.   Jones        HB   Bears            75",
                          "2.   Smith        RB   Mountaineers     75",
                          "3.   Lee          QB   Jets             -3",
                          "",
                      }));
}

TEST_F(LeaderTablesTest, MultiColumnTableSeparatesValuesByTwoBlanks) {
  auto tackler = [&](int number, std::string_view name, std::string_view team, int position,
                     std::uint16_t side, int tackles, int yards) {
    Player(number, name, team, position, side).defensive =
        league::DefensiveRecord{.tackles = tackles, .tackleYards = yards};
  };
  tackler(54, "Backer", "Bears", 4, kDefense, 10, 45);
  tackler(21, "Corner", "Jets", 5, kDefense, 10, 30);  // equal tackles, fewer yards: first
  tackler(90, "Tackle", "Bears", 8, kDefense, 3, 12);
  tackler(12, "Smith", "Bears", 9, kOffense, 1, 0);  // code 9 read from the defensive list
  tackler(66, "Guard", "Jets", 2, kOffense, 0, 0);   // no tackles: not listed
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Defensive Tackle Leaders"));
  EXPECT_EQ(Output(), Lines({
                          "---Defensive Tackle Leaders-----------------------",
                          "     Player Name  Pos  Team   Tackles  Yards   Avg",
                          "--------------------------------------------------",
                          "1.   Corner       CB   Jets        10     30  3.00",
                          "2.   Backer       LB   Bears       10     45  4.50",
                          "3.   Tackle       DL   Bears        3     12  4.00",
                          "4.   Smith        DB   Bears        1      0  0.00",
                          "",
                      }));
}

TEST_F(LeaderTablesTest, TableStopsAfterLeadersCountRows) {
  options.leadersCount = 5;
  for (int i = 1; i <= 12; ++i)
    Rusher(20 + i, "Back" + std::to_string(i), "Bears", 11, i, i);
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Rushing Carries Leaders"));
  const std::vector<std::string> lines = SplitLines(Output());
  ASSERT_EQ(lines.size(), 3u + 5u + 1u);  // title, header, rule, five rows, empty line
  for (int rank = 1; rank <= 5; ++rank) {
    const std::string& row = lines[2 + rank];
    EXPECT_EQ(row.substr(0, 4), std::to_string(rank) + ".  ");
    EXPECT_NE(row.find("Back" + std::to_string(13 - rank) + " "), std::string::npos) << row;
  }
}

// The command line offers -1; a stored record may hold any negative count.
class NegativeCountTest : public LeaderTablesTest, public testing::WithParamInterface<int> {};

TEST_P(NegativeCountTest, ListsEveryPlayer) {
  options.leadersCount = GetParam();
  options.leagueTeamTables = false;
  for (int i = 1; i <= 25; ++i)
    Rusher(20 + i, "Back" + std::to_string(i), "Bears", 11, i, i);
  WriteReports(*out, Source(), options);

  const std::vector<std::string> lines = SplitLines(Output());
  const auto title = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with("---Rushing Carries Leaders");
  });
  ASSERT_NE(title, lines.end());
  const auto end = std::find(title, lines.end(), "");
  ASSERT_EQ(end - title, 3 + 25);                    // more rows than the default count of 20
  EXPECT_EQ(title[3].substr(0, 11), "1.   Back25");  // rank width 3 for 25 players
  EXPECT_EQ(title[27].substr(0, 11), "25.  Back1 ");
}

INSTANTIATE_TEST_SUITE_P(Counts, NegativeCountTest, testing::Values(-1, -5));

TEST_F(LeaderTablesTest, ZeroCountWritesNoLeaderTable) {
  options.leadersCount = 0;
  options.leagueTeamTables = false;
  Rusher(22, "Jones", "Bears", 6, 20, 112);
  WriteReports(*out, Source(), options);
  EXPECT_EQ(Output(), "");
}

TEST_F(LeaderTablesTest, RankColumnIsOneWiderThanTheDigitsOfLeadersCount) {
  options.leadersCount = 100;
  Rusher(22, "Jones", "Bears", 6, 20, 112);
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Rushing Yards Leaders"));
  const std::vector<std::string> lines = SplitLines(Output());
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1].substr(0, 17), "      Player Name");  // rank 4 plus its two blanks
  EXPECT_EQ(lines[3].substr(0, 11), "1.    Jones");
}

TEST_F(LeaderTablesTest, LongestTableNeverLooksPastFiftyEntries) {
  options.leadersCount = 100;
  league::PlayerRecord& jones = Player(22, "Jones", "Bears", 6);
  league::PlayerRecord& farther = Player(99, "Beyondthefiftieth", "Bears", 6);
  stats::LongestList list;
  for (int i = 0; i < 50; ++i)
    list.entries.push_back({static_cast<std::int16_t>(90 - i), &jones});
  for (int i = 0; i < 10; ++i)
    list.entries.push_back({static_cast<std::int16_t>(-10 - i), &farther});
  longest.longestReceptions = list;
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Longest Receptions Leaders"));
  const std::string text = Output();
  EXPECT_EQ(SplitLines(text).size(), 3u + 50u + 1u);
  EXPECT_EQ(text.find("Beyondthefiftieth"), std::string::npos);  // nor widened the name column
  EXPECT_NE(text.find("\n50.   Jones        HB   Bears     41\n"), std::string::npos) << text;
}

TEST_F(LeaderTablesTest, SackedPerAttemptMeasuresQuarterbacksOnly) {
  Passer(12, "Starter", "Bears", 9, {.attempts = 100, .sacks = 5});
  Passer(10, "Backup", "Bears", 9, {.attempts = 20, .sacks = 4});
  Passer(22, "Halfback", "Bears", 6, {.attempts = 2, .sacks = 1});
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Passing Sacked Per Att Leaders"));
  // Over the two quarterbacks the minimum is 0.5 × 120 / 2 = 30.
  EXPECT_EQ(Output(), Lines({
                          "---Passing Sacked Per Att Leaders----  30 Minimum Attempts",
                          "     Player Name  Pos  Team   Sacked%",
                          "-------------------------------------",
                          "1.   Starter      QB   Bears     5.00",
                          "",
                      }));
}

TEST_F(LeaderTablesTest, NoQualifyingPlayerWritesNothing) {
  Rusher(40, "Nobody", "Jets", 11, 0, 0);
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Rushing Yards Leaders"));
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Defensive Yards/Tackle Leaders"));
  WriteLeaderTable(*out, Players(), longest, options.leadersCount,
                   Table("---Longest Pass Leaders"));  // list never created
  EXPECT_EQ(Output(), "");
}

struct PositionCase {
  int position;
  std::uint16_t side;
  PositionTags positions;
  const char* text;
};

class LeaderPositionTest : public testing::TestWithParam<PositionCase> {};

TEST_P(LeaderPositionTest, ReadsTheListTheTableNames) {
  league::PlayerRecord p;
  p.position = static_cast<std::int16_t>(GetParam().position);
  p.side = GetParam().side;
  EXPECT_EQ(LeaderPositionText(p, GetParam().positions), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeaderPositionTest,
    testing::Values(PositionCase{9, kDefense, PositionTags::kOffensive, "QB   "},
                    PositionCase{9, kOffense, PositionTags::kDefensive, "DB   "},
                    PositionCase{11, kOffense, PositionTags::kDefensive, "??   "},
                    PositionCase{4, kDefense, PositionTags::kBySide, "LB   "},
                    PositionCase{4, kOffense, PositionTags::kBySide, "TE   "},
                    PositionCase{4, kUndecided, PositionTags::kBySide, "TE   "},
                    PositionCase{0, kOffense, PositionTags::kOffensive, "??   "}));

}  // namespace
}  // namespace yl::reports
