// A small season compiled whole: four hand-written games of four teams, with
// their team files, in league and in cumulative mode. The expected team
// tables and the Owls' season report beside the inputs were laid out by hand
// from the games and their team boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace yl::compile {
namespace {

const std::string kSeason = std::string(YL_GOLDEN_DIR) + "/season/";

std::string Expected(const std::string& name) {
  return test::ReadFileBytes(kSeason + "expected-" + name + ".txt");
}

struct SeasonGolden : testing::Test {
  test::FakePlatform platform;
  test::TempDir dir;
  options::OutputOptions options;

  SeasonGolden() { options.lineEnds = options::LineEnds::kUnix; }

  // The report file of the season compiled with the options.
  std::string Compile() {
    std::vector<run::TransRecord> games;
    for (const char* game :
         {"1-Owls-at-Bears", "2-Thunderbirds-at-Owls", "3-Rams-at-Thunderbirds", "4-Owls-at-Rams"})
      games.push_back(run::MakeInputFileRecord(kSeason + game + ".txt"));
    std::vector<run::TeamFileRecord> teams;
    for (const char* team : {"Bears", "Owls", "Rams", "Thunderbirds"})
      teams.push_back(run::MakeInputFileRecord(kSeason + team + ".fbt"));
    CompileRun run(platform, options);
    CompileStats(run, games, teams, run::MakePrefixReply(dir.File("Season")));
    EXPECT_EQ(run.gamesCompiled, 4);
    EXPECT_EQ(run.errorLog.entries, 0);
    if (run.reportFiles.size() != 1) return "(no report file)";
    return test::ReadFileBytes(run.reportFiles.front());
  }
};

// The text from the line that begins with `from` up to the one that begins
// with `to` (or to the end).
std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t start = text.find(from);
  if (start == std::string::npos) return "(missing: " + from + ")";
  return text.substr(start, text.find(to, start) - start);
}

TEST_F(SeasonGolden, LeagueModeWritesTheSeasonReportsThenTheTeamTables) {
  options.mode = options::ReportMode::kLeague;
  options.leagueLeaders = false;
  const std::string report = Compile();
  // Teams by name, each report opening with its record line.
  const std::vector<std::string> records = {
      "Bears      0-1-0      .000\n", "Owls      1-1-1      .333\n", "Rams      2-0-0      1.000\n",
      "Thunderbirds      0-1-1      .000\n"};
  std::size_t at = 0;
  for (const std::string& record : records) {
    const std::size_t found = report.find(record, at);
    ASSERT_NE(found, std::string::npos) << record;
    EXPECT_TRUE(found == 0 || report.compare(found - 2, 2, "\n\n") == 0) << record;
    at = found;
  }
  EXPECT_EQ(report.rfind(records.front(), 0), 0u);
  EXPECT_EQ(Between(report, records[1], records[2]), Expected("Owls-season"));
  const std::string tables = Expected("team-tables");
  ASSERT_GE(report.size(), tables.size());
  EXPECT_EQ(report.substr(report.size() - tables.size()), tables);
  EXPECT_LT(report.find(records.back()), report.find("---Team Offensive Stats"));
}

TEST_F(SeasonGolden, CumulativeModeTablesAreTheLeagueTables) {
  options.mode = options::ReportMode::kCumulative;
  options.cumulativePlayerTables = false;
  EXPECT_EQ(Compile(), Expected("team-tables"));

  // With the player sections of every player ahead of them.
  options.cumulativePlayerTables = true;
  const std::string report = Compile();
  const std::string tables = Expected("team-tables");
  EXPECT_EQ(report.rfind("---Passing Stats", 0), 0u);
  EXPECT_EQ(report.find("---Passing Stats", 1), std::string::npos);
  ASSERT_GT(report.size(), tables.size());
  EXPECT_EQ(report.substr(report.size() - tables.size()), tables);
}

}  // namespace
}  // namespace yl::compile
