// The report driver: which reports the options select, and their order.
#include "reports/report_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "reports/report_fixture.h"

namespace yl::reports {
namespace {

struct DriverCase {
  const char* name;
  void (*set)(options::OutputOptions& o);
  bool gameReport;
  std::vector<std::string> sections;
};

class ReportDriverTest : public test::ReportFixture,
                         public testing::WithParamInterface<DriverCase> {};

TEST_P(ReportDriverTest, WritesTheSelectedReportsInOrder) {
  options::OutputOptions chosen;
  chosen.lineEnds = options::LineEnds::kUnix;
  GetParam().set(chosen);
  Start(chosen);
  Team("Eagles", In::kVisiting);
  Team("Bears", In::kHome);
  Player(66, "Guard", "Bears", 2).penalty = league::PenaltyRecord{.flagged = 1};
  Player(55, "Hill", "Bears", 4).miscOff = league::MiscOffRecord{.tackles = 1};
  Player(22, "Jones", "Eagles", 6).rushing = league::RushingRecord{.attempts = 1};
  WriteReports(*out, Source(), options);

  const std::string output = Output();
  EXPECT_EQ(output.rfind("Eagles 0 @ Bears 0\n", 0) == 0, GetParam().gameReport) << output;
  std::vector<std::string> titles;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    // Table titles without their "-" fill, not the rules of the game report.
    if (line.size() > 3 && line.rfind("---", 0) == 0 && line[3] != '-')
      titles.push_back(line.substr(0, std::min(line.find("--", 3), line.find("  ", 3))));
  }
  EXPECT_EQ(titles, GetParam().sections);
}

const std::vector<std::string> kAllSections = {"---Rushing Stats", "---Scoring Stats",
                                               "---Misc Offensive Stats", "---Penalty Stats"};
const std::vector<std::string> kTeamTables = {"---Team Offensive Stats", "---Team Defensive Stats",
                                              "---Team Take-Away/Give-Away Stats"};
// Bears (Hill, Guard) before Eagles (Jones), each report with its own sections.
const std::vector<std::string> kSeasonThenTeamTables = {"---Misc Offensive Stats",
                                                        "---Penalty Stats",
                                                        "---Rushing Stats",
                                                        "---Scoring Stats",
                                                        "---Team Offensive Stats",
                                                        "---Team Defensive Stats",
                                                        "---Team Take-Away/Give-Away Stats"};

INSTANTIATE_TEST_SUITE_P(
    Modes, ReportDriverTest,
    testing::Values(
        DriverCase{"GameModeLeavesOutScoringAndMiscOffensive",
                   [](options::OutputOptions& o) { o.mode = options::ReportMode::kGame; },
                   true,
                   {"---Rushing Stats", "---Penalty Stats"}},
        DriverCase{"PerPlayModeHasNoGameReport",
                   [](options::OutputOptions& o) { o.mode = options::ReportMode::kPerPlay; }, false,
                   kAllSections},
        DriverCase{"CumulativePlayerStats",
                   [](options::OutputOptions& o) {
                     o.mode = options::ReportMode::kCumulative;
                     o.cumulativeTeamTables = false;
                   },
                   false, kAllSections},
        DriverCase{"CumulativeWithoutPlayerStats",
                   [](options::OutputOptions& o) {
                     o.mode = options::ReportMode::kCumulative;
                     o.cumulativePlayerTables = false;
                     o.cumulativeTeamTables = false;
                   },
                   false,
                   {}},
        DriverCase{"CumulativeTeamStatsOnly",
                   [](options::OutputOptions& o) {
                     o.mode = options::ReportMode::kCumulative;
                     o.cumulativePlayerTables = false;
                   },
                   false, kTeamTables},
        DriverCase{"LeagueLeadersInTheirOrder",
                   [](options::OutputOptions& o) {
                     o.mode = options::ReportMode::kLeague;
                     o.leagueTeamTables = false;
                   },
                   false,
                   {"---Rushing Yards Leaders", "---Rushing Carries Leaders",
                    "---Rushing Yards/Carry Leaders", "---Rushing Stuffs/Carry Leaders",
                    "---Rushing FDs/Carry Leaders", "---Penalty Stats"}},
        DriverCase{"LeagueSeasonReportsByTeamNameThenTeamTables",
                   [](options::OutputOptions& o) {
                     o.mode = options::ReportMode::kLeague;
                     o.leagueLeaders = false;
                   },
                   false, kSeasonThenTeamTables},
        DriverCase{"LeagueWithoutTeamStats",
                   [](options::OutputOptions& o) {
                     o.mode = options::ReportMode::kLeague;
                     o.leagueTeamTables = false;
                     o.leagueLeaders = false;
                   },
                   false,
                   {}}),
    [](const testing::TestParamInfo<DriverCase>& paramInfo) {
      return std::string(paramInfo.param.name);
    });

}  // namespace
}  // namespace yl::reports
