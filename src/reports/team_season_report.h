// The team season report of league mode: per team a record line, its points
// by quarter against its opponents', its season totals and per-game averages
// beside the opponents', then its own player sections.
#pragma once

#include <string>

#include "league/league.h"
#include "options/output_options.h"
#include "reports/report_buffer.h"
#include "stats/ranking.h"
#include "stats/team_ranking.h"

namespace yl::reports {

// Wins over games played with three decimals and no leading zero: ".625",
// "1.000"; ".000" for a team without games.
std::string WinningPercentage(const league::TeamRecord& team);

// A season's time of possession as hours, minutes and seconds ("3:05:07"),
// and its average per game as minutes and seconds ("30:51"; "0:00" without
// games).
std::string SeasonTimeText(std::int32_t minutes, std::int32_t seconds);
std::string PerGameTimeText(std::int32_t minutes, std::int32_t seconds, std::int32_t games);

// One team's report, its player sections included (the players' order is
// sorted for them, consulting `ranks` when given).
void WriteTeamSeasonReport(ReportOutput& out, stats::PlayerOrder& players,
                           const options::OutputOptions& options, const league::TeamRecord& team,
                           stats::SortRanks* ranks = nullptr);

// Every team's report, teams ordered by name (the teams' order is sorted).
void WriteTeamSeasonReports(ReportOutput& out, stats::TeamOrder& teams, stats::PlayerOrder& players,
                            const options::OutputOptions& options);

}  // namespace yl::reports
