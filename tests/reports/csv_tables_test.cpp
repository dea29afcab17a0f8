// The CSV tables: their documented headers, and the rows of players.csv.
#include "reports/players_csv.h"
#include "reports/plays_csv.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "reports/games_csv.h"
#include "reports/scoring_csv.h"
#include "reports/stat_columns.h"
#include "reports/teams_csv.h"

namespace yl::reports {
namespace {

// The column names listed in a table's section of docs/csv.md.
std::string DocumentedHeader(const std::string& table) {
  std::ifstream doc(YL_GOLDEN_DIR "/../../docs/csv.md");
  std::string line;
  std::string header;
  bool inSection = false;
  while (std::getline(doc, line)) {
    if (line.rfind("## ", 0) == 0) inSection = line == "## " + table;
    if (!inSection || line.rfind("| `", 0) != 0) continue;
    const auto end = line.find('`', 3);
    header += (header.empty() ? "" : ",") + line.substr(3, end - 3);
  }
  return header + "\r\n";
}

TEST(CsvTables, TheHeadersAreTheDocumentedColumnLists) {
  EXPECT_EQ(PlayersCsvHeader(), DocumentedHeader("players.csv"));
  EXPECT_EQ(TeamsCsvHeader(), DocumentedHeader("teams.csv"));
  EXPECT_EQ(PlaysCsvHeader(), DocumentedHeader("plays.csv"));
  EXPECT_EQ(GamesCsvHeader(), DocumentedHeader("games.csv"));
  EXPECT_EQ(ScoringCsvHeader(), DocumentedHeader("scoring.csv"));
}

TEST(PlayersCsv, RowsCarryEveryFieldAndTheTablesOwnFigures) {
  league::League league;
  league::PlayerRecord* passer = league::AddPlayer(league, "Smith, Jr.", 12);
  passer->teamName = "Lions";
  passer->position = 9;
  passer->side = league::kOffense;
  passer->passing.emplace();
  passer->passing->attempts = 20;
  passer->passing->completions = 13;
  passer->passing->yards = 180;
  passer->passing->touchdowns = 2;
  passer->passing->longest = 41;
  league::PlayerRecord* back = league::AddPlayer(league, "Jo\xC9", 3);
  back->teamName = "Lions";
  back->rushing.emplace();
  back->rushing->attempts = 4;
  back->rushing->yards = 9;
  league::PlayerRecord* other = league::AddPlayer(league, "Brown", 1);
  other->teamName = "Bears";
  league::AddPlayer(league, "Teamless", 5);
  league::PlayerRecord* unplaced = league::AddPlayer(league, "Unplaced", 8);
  unplaced->receiving.emplace();
  unplaced->receiving->drops = 1;

  const std::string rows = PlayersCsvRows(league, "Week 1");
  std::istringstream lines(rows);
  std::string unplacedRow;
  std::string bears;
  std::string joe;
  std::string smith;
  std::getline(lines, unplacedRow);
  std::getline(lines, bears);
  std::getline(lines, joe);
  std::getline(lines, smith);
  std::string rest;
  EXPECT_FALSE(std::getline(lines, rest)) << "a player without a team or a figure has no row";
  // A player with a figure but no team comes first, his team empty.
  EXPECT_EQ(unplacedRow.rfind("Week 1,,8,Unplaced,,,", 0), 0u) << unplacedRow;
  // Only the teams asked for, and the unplaced players with a figure.
  const std::string teams[] = {"Bears"};
  const std::string bearsOnly = PlayersCsvRows(league, "", teams);
  EXPECT_NE(bearsOnly.find(",Bears,1,Brown,"), std::string::npos);
  EXPECT_NE(bearsOnly.find(",,8,Unplaced,"), std::string::npos);
  EXPECT_EQ(bearsOnly.find("Lions"), std::string::npos);
  // By team, then number; names as UTF-8, quoted where they hold a comma.
  EXPECT_EQ(bears.rfind("Week 1,Bears,1,Brown,,,", 0), 0u) << bears;
  EXPECT_EQ(joe.rfind("Week 1,Lions,3,Jo\xE2\x80\xA6,", 0), 0u) << joe;
  EXPECT_EQ(smith.rfind("Week 1,Lions,12,\"Smith, Jr.\",QB,offense,", 0), 0u) << smith;
  // The rushing fields: 4 attempts, 9 yards, no longest run.
  EXPECT_EQ(joe.substr(joe.find(",,,") + 3, 9), "4,9,,0,0,") << joe;
  // The derived figures are the player tables' own texts.
  const std::string rating = StatText(stat::kPasserRating, *passer);
  const std::string completion = StatText(stat::kCompletionRate, *passer);
  EXPECT_NE(smith.find("," + completion + ","), std::string::npos) << smith;
  EXPECT_NE(smith.find("," + rating + ","), std::string::npos) << smith;
  EXPECT_EQ(smith.substr(smith.size() - 7), ",0,0,0\r") << "touchdowns, conversions, points";
}

}  // namespace
}  // namespace yl::reports
