// The report driver: the options decide which reports are written, in a fixed
// order; each step's test stands on its own, so one call may write several.
#include "reports/report_driver.h"

#include "reports/game_report.h"
#include "reports/leader_tables.h"
#include "reports/player_sections.h"
#include "reports/team_season_report.h"
#include "reports/team_tables.h"

namespace yl::reports {

void WriteReports(ReportOutput& out, const ReportSource& source, const options::OutputOptions& o) {
  // One order of the players and one of the teams serve every table of the
  // call: each table sorts the order the one before it left.
  stats::PlayerOrder players = stats::PlayersInListOrder(source.league);
  stats::TeamOrder teams = stats::TeamsInListOrder(source.league);
  if (o.gameStats) WriteGameStats(out, source.league, source.scoring);
  if (o.gameStats || o.perPlayStats || (o.cumulativeStats && o.cumulativePlayerStats))
    WritePlayerSections(out, players, o, nullptr);
  if (o.cumulativeStats && o.cumulativeTeamStats) WriteTeamTables(out, teams);
  if (o.leagueStats) {
    if (o.leagueTeamStats) {
      WriteTeamSeasonReports(out, teams, players, o);
      WriteTeamTables(out, teams);
    }
    if (o.leagueLeaders && o.leadersCount != 0)
      WriteLeagueLeaders(out, players, source.longest, o.leadersCount);
  }
}

}  // namespace yl::reports
