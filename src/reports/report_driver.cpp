// The report driver: the report mode and its tables decide which reports are
// written, in a fixed order.
#include "reports/report_driver.h"

#include "reports/game_report.h"
#include "reports/leader_tables.h"
#include "reports/player_sections.h"
#include "reports/team_season_report.h"
#include "reports/team_tables.h"

namespace yl::reports {

namespace {

const stats::ScoringSummary kNoEntries;

}  // namespace

void WriteReports(ReportOutput& out, const ReportSource& source, const options::OutputOptions& o) {
  // One order of the players and one of the teams serve every table of the
  // call: each table sorts the order the one before it left.
  stats::PlayerOrder players = stats::PlayersInListOrder(source.league);
  stats::TeamOrder teams = stats::TeamsInListOrder(source.league);
  using options::ReportMode;
  switch (o.mode) {
    case ReportMode::kGame:
      WriteGameStats(out, source.teams, source.scoring != nullptr ? *source.scoring : kNoEntries);
      WritePlayerSections(out, players, o, nullptr);
      break;
    case ReportMode::kPerPlay:
      WritePlayerSections(out, players, o, nullptr);
      break;
    case ReportMode::kCumulative:
      if (o.cumulativePlayerTables) WritePlayerSections(out, players, o, nullptr);
      if (o.cumulativeTeamTables) WriteTeamTables(out, teams);
      break;
    case ReportMode::kLeague:
      if (o.leagueTeamTables) {
        WriteTeamSeasonReports(out, teams, players, o);
        WriteTeamTables(out, teams);
      }
      if (o.LeaderTables())
        WriteLeagueLeaders(out, players, source.longest, o.leadersCount, source.leaders);
      break;
  }
}

std::vector<LeaderRanking> RankLeagueLeaders(const ReportSource& source,
                                             const options::OutputOptions& o) {
  stats::PlayerOrder players = stats::PlayersInListOrder(source.league);
  stats::TeamOrder teams = stats::TeamsInListOrder(source.league);
  // The team season reports sort the players before the leaders do, and the
  // sort keeps no order among equals: they are run again, writing nothing.
  if (o.mode == options::ReportMode::kLeague && o.leagueTeamTables) {
    run::File none;
    const std::string nowhere;
    ReportOutput silent(none, nowhere, o.lineEnds);
    WriteTeamSeasonReports(silent, teams, players, o);
  }
  const std::int32_t count =
      o.leadersCount < 0 ? static_cast<std::int32_t>(players.size()) : o.leadersCount;
  std::vector<LeaderRanking> rankings;
  for (const LeaderTable& table : LeaderTables())
    rankings.push_back(count > 0 ? RankLeaderTable(players, source.longest, count, table)
                                 : LeaderRanking{});
  return rankings;
}

}  // namespace yl::reports
