// The report driver: the options decide which reports are written, in a fixed
// order; each step's test stands on its own, so one call may write several.
#include "reports/report_driver.h"

#include "reports/game_report.h"
#include "reports/leader_tables.h"
#include "reports/player_sections.h"
#include "reports/team_season_report.h"
#include "reports/team_tables.h"
#include "run/compile_run.h"

namespace yl::reports {

void WriteReports(run::CompileRun& run) {
  const options::OutputOptions& o = run.options;
  if (o.gameStats) WriteGameStats(run);
  if (o.gameStats || o.perPlayStats || (o.cumulativeStats && o.cumulativePlayerStats))
    WritePlayerSections(run, nullptr);
  if (o.cumulativeStats && o.cumulativeTeamStats) WriteTeamTables(run);
  if (o.leagueStats) {
    if (o.leagueTeamStats) {
      WriteTeamSeasonReports(run);
      WriteTeamTables(run);
    }
    if (o.leagueLeaders && o.leadersCount != 0) WriteLeagueLeaders(run);
  }
}

}  // namespace yl::reports
